#include "shell/platform/event_queue.h"

namespace {

void applyToKeyState(uint8_t* keyState, const InputEvent& event) {
    if (event.key < 0 || event.key >= KeyStateSize) return;
    if (event.type == EventKeyDown) keyState[event.key] = 1;
    if (event.type == EventKeyUp) keyState[event.key] = 0;
}

}  // namespace

void queueEvent(EventQueue* queue, InputEvent event) { queue->pending.push_back(event); }

void queueKeyChange(EventQueue* queue, int32_t key, KeySource source, bool down) {
    if (key <= 0 || key >= KeyStateSize) return;
    uint8_t& holders = queue->heldBy[key];
    bool was = holders != 0;
    holders = down ? holders | source : holders & ~source;
    if (was != (holders != 0)) queueEvent(queue, InputEvent{down ? EventKeyDown : EventKeyUp, key});
}

void releaseKeys(EventQueue* queue) {
    for (int32_t key = 0; key < KeyStateSize; key++) {
        if (queue->heldBy[key] || queue->keyState[key]) queueEvent(queue, InputEvent{EventKeyUp, key});
        queue->heldBy[key] = 0;
    }
}

bool takeEvent(EventQueue* queue, InputEvent* event) {
    for (; queue->applied < queue->pending.size(); queue->applied++)
        applyToKeyState(queue->keyState, queue->pending[queue->applied]);
    if (queue->pending.empty()) return false;
    *event = queue->pending.front();
    queue->pending.pop_front();
    queue->applied--;
    return true;
}

void clearEvents(EventQueue* queue) {
    queue->pending.clear();
    queue->applied = 0;
    for (uint8_t& key : queue->keyState) key = 0;
    for (uint8_t& holders : queue->heldBy) holders = 0;
}
