#include "shell/platform/event_queue.h"

namespace {

void applyToKeyState(uint8_t* keyState, const InputEvent& event) {
    if (event.key < 0 || event.key >= KeyStateSize) return;
    if (event.type == EventKeyDown) keyState[event.key] = 1;
    if (event.type == EventKeyUp) keyState[event.key] = 0;
}

}  // namespace

void queueEvent(EventQueue* queue, InputEvent event) { queue->pending.push_back(event); }

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
}
