// Events waiting for the game, for the platforms that queue them themselves.
#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>

#include "shell/platform.h"

struct EventQueue {
    std::deque<InputEvent> pending;  // not yet handed out
    size_t applied = 0;              // leading entries of pending already in keyState
    uint8_t keyState[KeyStateSize] = {};
};

void queueEvent(EventQueue* queue, InputEvent event);
// Like SDL 1.2's pumping: every queued change reaches the key state before the first event is handed out.
bool takeEvent(EventQueue* queue, InputEvent* event);
// No pending events, no key held.
void clearEvents(EventQueue* queue);
