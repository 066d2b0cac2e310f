#include "worldgen/frontier_list.h"

void clearList(MazeCell& head) { head = MazeCell{nullptr, nullptr, 0, -1, -1, 0, 0}; }

void insertFront(MazeCell& head, MazeCell& cell) {
    cell.prev = &head;
    cell.next = head.next;
    if (head.next) head.next->prev = &cell;
    head.next = &cell;
    head.state++;
    cell.state++;
}

void removeFromList(MazeCell& head, MazeCell& cell) {
    cell.prev->next = cell.next;
    if (cell.next) cell.next->prev = cell.prev;
    head.state--;
}

MazeCell* cellAtPosition(const MazeCell& head, int32_t position) {
    MazeCell* cell = head.next;
    while (cell && position-- > 0) cell = cell->next;
    return cell;
}
