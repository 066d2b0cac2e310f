// The narrow interface to the machine. The game links the SDL implementation;
// tests and tools link the null twin, which needs no window.
#pragma once
#include <cstdint>

// Key symbols, with SDL 1.2's values.
enum KeySymbol : int32_t {
    KeyEscape = 27,
    KeySpace = 32,
    KeyX = 120,
    KeyZ = 122,
    KeyUp = 273,
    KeyDown = 274,
    KeyRight = 275,
    KeyLeft = 276,
    KeyRightShift = 303,
    KeyLeftShift = 304,
    KeyRightControl = 305,
    KeyLeftControl = 306,
};
constexpr int KeyStateSize = 512;  // entries of the keyboard state, by key symbol

// Event types, with SDL 1.2's values.
enum InputEventType : int32_t {
    EventOther = 0,
    EventKeyDown = 2,
    EventKeyUp = 3,
    EventQuit = 12,
};

struct InputEvent {
    int32_t type;  // InputEventType
    int32_t key;   // KeySymbol, for key events
};

// Live keyboard state indexed by key symbol; nonzero = held. Brought up to
// date by platformPollEvent with every pending change.
uint8_t* platformKeyState();
bool platformPollEvent(InputEvent* event);
// Waits the given time from the call. warm, when given, draws a frame that is never shown, inside
// that time, on a platform whose drawing is slow the first time (Mesa compiles what it draws on first use).
void platformDelay(uint32_t milliseconds, void (*warm)() = nullptr);
void platformSwapBuffers();

// The pause, a state between passes for a player who has left the game or asked for a rest.
// True once the events handed out ask for it: the window has lost the focus or been minimised,
// or the pad's Start was pressed.
bool platformPauseAsked();
// Every held key and pad direction let go of, as key-up events for the next pass; the sound stops.
void platformEnterPause();
enum PauseState : int32_t { PauseGoesOn, PauseGoesOnHidden, PauseEnds, PauseQuits };
// Paused: waits the given time at most, without spinning, for the player to come back (the focus, Start, or
// any key, which the next pass then gets) or to quit (Escape, the window closed, Back held). PauseGoesOn
// when the window needs its picture again, PauseGoesOnHidden when it does not (it is minimised). The sound
// plays on when the pause ends.
int32_t platformWaitPaused(uint32_t milliseconds);

// After a game the player ended: true once the player asks for another, where the platform offers one
// (the browser's page, which the game cannot leave).
bool platformPlayAgain();

// Sounds the game asks for; each is raised with the world position it comes from.
enum SoundCue : int32_t {
    CuePlayerShot,
    CueEnemyShot,
    CueShotHitsWall,
    CueBlockBreaks,
    CueEnemyHit,
    CueEnemyDies,
    CuePlayerHurt,
    CueRestart,
    CueJump,
    CueLanding,
    CueEnemiesAppear,
    CueCount
};
void platformCue(int32_t cue, int32_t x, int32_t y);
// Once a pass, after the camera has moved: the cues raised since the last call,
// heard from the view whose top-left corner is given.
void platformPlayCues(int32_t viewLeft, int32_t viewTop);
// The quiet loop heard under a scenery set, data/NAME/bed.wav, loaded with the set's pictures.
// False after one line naming the file when it is missing or bad; true, doing nothing, without sound.
bool platformLoadBed(int32_t scenery, const char* sceneryName);
// Once a pass: the bed of the scenery set whose room the player is in.
void platformPlayBed(int32_t scenery);
