// Events waiting for the game, for the platforms that queue them themselves.
#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>

#include "shell/platform.h"

// Who holds a key: the keyboard, the game pad, or both.
enum KeySource : uint8_t { SourceKeyboard = 1, SourcePad = 2 };

struct EventQueue {
    std::deque<InputEvent> pending;  // not yet handed out
    size_t applied = 0;              // leading entries of pending already in keyState
    uint8_t keyState[KeyStateSize] = {};
    uint8_t heldBy[KeyStateSize] = {};  // KeySource bits, as queued
};

void queueEvent(EventQueue* queue, InputEvent event);
// A key pressed or let go of by one source: queued only when that changes whether any source holds it,
// so the game sees one press while the keyboard and the pad both hold a key.
void queueKeyChange(EventQueue* queue, int32_t key, KeySource source, bool down);
// Every held key let go of, as key-up events.
void releaseKeys(EventQueue* queue);
// Like SDL 1.2's pumping: every queued change reaches the key state before the first event is handed out.
bool takeEvent(EventQueue* queue, InputEvent* event);
// No pending events, no key held.
void clearEvents(EventQueue* queue);
