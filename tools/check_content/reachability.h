// The start room and the way through the maze, on the rooms as the game builds them.
#pragma once

// The player lands on a floor of the start room, after a fall long enough for its
// standing animation to run through, and no enemy there can shoot it first.
void checkStartRoom();

// Every maze room can be reached from where the player lands, and left again back
// to the start room, without ever ending up inside a wall.
void checkReachability();
