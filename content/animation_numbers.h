// Every index of the animation table, named once, in table order. The content
// generator's list of animations must name them alike (a test compares the two).
// Includes nothing, so any folder may include it.
#pragma once

enum AnimNumber : int {
    AnimStand,                   // 0
    AnimRun,                     // 1
    AnimHurt,                    // 2
    AnimUnused3,                 // 3
    AnimEnemyStandShotLevel,     // 4
    AnimEnemyStandShotUp,        // 5
    AnimStandShotForward,        // 6
    AnimStandShotDiagonalUp,     // 7
    AnimStandShotUp,             // 8
    AnimUnused9,                 // 9
    AnimCrouch,                  // 10
    AnimUnused11,                // 11
    AnimCrouchShot,              // 12
    AnimFall,                    // 13
    AnimJump,                    // 14
    AnimEnemyAirShotLevel,       // 15
    AnimEnemyAirShotUp,          // 16
    AnimEnemyAirShotDown,        // 17
    AnimAirShotForward,          // 18
    AnimAirShotDiagonalUp,       // 19
    AnimAirShotUp,               // 20
    AnimAirShotDiagonalDown,     // 21
    AnimAirShotDown,             // 22
    AnimLadder,                  // 23
    AnimClimb,                   // 24
    AnimUnused25,                // 25
    AnimUnused26,                // 26
    AnimUnused27,                // 27
    AnimUnused28,                // 28
    AnimLadderShotForward,       // 29
    AnimLadderShotDiagonalUp,    // 30
    AnimLadderShotUp,            // 31
    AnimLadderShotDiagonalDown,  // 32
    AnimLadderShotDown,          // 33
    AnimUnused34,                // 34
    AnimUnused35,                // 35
    AnimUnused36,                // 36
    AnimEnemyBounce,             // 37
    AnimUnused38,                // 38
    AnimUnused39,                // 39
    AnimUnused40,                // 40
    AnimEnemyStand,              // 41
    AnimUnused42,                // 42
    AnimUnused43,                // 43
    AnimUnused44,                // 44
    AnimUnused45,                // 45
    AnimUnused46,                // 46
    AnimUnused47,                // 47
    AnimUnused48,                // 48
    AnimUnused49,                // 49
    AnimEnemyHover,              // 50
    AnimUnused51,                // 51
    AnimUnused52,                // 52
    AnimUnused53,                // 53
    AnimEnemyDying,              // 54
    AnimUnused55,                // 55
    AnimUnused56,                // 56
    AnimUnused57,                // 57
    AnimUnused58,                // 58
    AnimUnused59,                // 59
    AnimUnused60,                // 60
    AnimUnused61,                // 61
    AnimUnused62,                // 62
    AnimUnused63,                // 63
    AnimUnused64,                // 64
    AnimUnused65,                // 65
    AnimEnemyDead,               // 66
    AnimationCount               // entries the animation file must hold at least
};
