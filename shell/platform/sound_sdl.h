// Sound effects on SDL_mixer, opened by the program's entry.
#pragma once

// Opens the audio device and loads every effect from the folder. Without the
// folder, or without a device that opens, play is silent and nothing is said.
// False, after one line naming the file, when an effect is missing or unreadable.
bool openSound(const char* folder);
void closeSound();
// Stops every effect where it is, or plays them on, while the game is paused.
void pauseSound(bool paused);
