// The one scenario runner: a script of key events and passes, and a one-line
// picture of an actor to compare against a table's expected line.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "actors/actor.h"

// Tokens, separated by spaces: "R+" / "R-" press or release a key, a number runs that many
// passes, "!" lets a shot flying right hit the enemy in slot 0, or else the player. Keys: J space, L R U D arrows,
// F left control, X, E escape.
struct ScriptHooks {
    std::function<void(int32_t key, bool down)> key;
    std::function<void()> pass;
};
void runScript(const std::string& script, const ScriptHooks& hooks);

// The hooks that drive the player directly: the live key state, handleAction, update.
ScriptHooks playerHooks();

// "x y vx vy state anim facing", the position relative to (originX, originY).
std::string describe(const Actor& actor, int32_t originX = 0, int32_t originY = 0);
