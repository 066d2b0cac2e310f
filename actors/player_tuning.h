// How the player moves.
#pragma once
#include <cstdint>
#include "content/animation_numbers.h"

constexpr int32_t PlayerGravity = 1;  // added to vy every pass in the air
constexpr int32_t PlayerJumpSpeed = -17;
constexpr int32_t PlayerRunSpeed = 8;
constexpr int32_t PlayerDropSpeed = 8;  // falling through a platform from a crouch
constexpr int32_t PlayerClimbSpeed = 5;
constexpr int32_t PlayerWidth = 30;
constexpr int32_t PlayerHeight = 60;
constexpr int32_t PlayerFullHealth = 100;
constexpr int32_t PlayerShotType = 1;
constexpr int32_t LandingHeardSpeed = 6;  // slower arrivals are steps and slopes, not falls

constexpr int32_t PlayerStartX = 16320;  // inside room (25, 25)
constexpr int32_t PlayerStartY = 16320;
constexpr int32_t StartCamera = 16000;  // top-left corner of room (25, 25)
