// The player's shots: start point, velocity and pose by posture and arrows held.
#pragma once

class Player;

enum ShotGroup { ShotStanding, ShotCrouching, ShotAir, ShotLadder };

// Fires the first row of the group that the held arrows allow, and shows its pose.
void fireShot(Player* player, ShotGroup group);
