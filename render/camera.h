// The view onto the world, following the player inside its room's doors.
#pragma once

void updateCamera();
