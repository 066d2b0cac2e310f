// The pause: a state of the loop between passes, in which nothing is simulated.
#pragma once

// Once the platform asks for it: from the pause's start to the player's return, showing the last frame
// under the pause sign when uncovered and once a second. False when the player quits from it.
bool sitOutPause();
