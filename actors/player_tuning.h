// How the player moves, and the animations it shows.
#pragma once
#include <cstdint>

constexpr int32_t PlayerGravity = 1;    // added to vy every pass in the air
constexpr int32_t PlayerJumpSpeed = -17;
constexpr int32_t PlayerRunSpeed = 8;
constexpr int32_t PlayerDropSpeed = 8;  // falling through a platform from a crouch
constexpr int32_t PlayerWidth = 30;
constexpr int32_t PlayerHeight = 60;
constexpr int32_t PlayerFullHealth = 100;

constexpr int32_t PlayerStartX = 16320;  // inside room (25, 25)
constexpr int32_t PlayerStartY = 16320;
constexpr int32_t StartCamera = 16000;   // top-left corner of room (25, 25)

enum PlayerAnim : int32_t {
    AnimStand = 0,
    AnimRun = 1,
    AnimCrouch = 10,
    AnimCrouchShot = 12,
    AnimFall = 13,
    AnimJump = 14,
    AnimLadder = 23,
    AnimClimb = 24,
};
