// The player's states, moves and collisions, as tables of scenarios on small maps.
#include <gtest/gtest.h>

#include "actors/player_tuning.h"
#include "tests/support/scenario.h"
#include "tests/support/test_world.h"

namespace {

constexpr int32_t Origin = 16000;  // pixel of map tile (500, 500)
constexpr int32_t OnFloor = 67;    // box top standing on map row 4

struct PlayerCase {
    const char* name;
    const char* map;  // rows split by '|', from tile (500, 500)
    int32_t x, y;     // box top-left, relative to the map
    const char* script;
    const char* expect;  // describe(): x y vx vy state anim facing; "| x y vx vy" of the last shot fired
};

const char* Room = "....|....|....|....|##############";

const PlayerCase cases[] = {
    {"jump rises and lands where it left", Room, 64, OnFloor, "1 J+ 34", "64 67 0 0 0 0 0"},
    {"jump peaks after sixteen passes", Room, 64, OnFloor, "1 J+ 16", "64 -69 0 -1 5 13 0"},
    {"releasing space on the ground jumps", Room, 64, OnFloor, "1 J- 1", "64 51 0 -16 5 14 0"},
    {"no second jump in the air", Room, 64, OnFloor, "1 J+ 3 J+ 1", "64 9 0 -13 5 13 0"},
    {"landing with left held runs left", Room, 64, 20, "L+ 10", "-16 67 -8 0 1 1 1"},
    {"landing with right held runs right", Room, 64, 20, "R+ 10 R- 1", "144 67 0 0 1 0 0"},
    {"landing with both arrows held runs left", Room, 64, 20, "L+ R+ 10", "-8 67 -8 0 1 1 1"},
    {"landing with down held crouches", Room, 64, 20, "D+ 10", "64 67 0 0 2 10 0"},
    {"landing with nothing held stands", Room, 64, 20, "10", "64 67 0 0 0 0 0"},
    {"air arrows steer and the speed stays", Room, 64, -200, "R+ 1 R- 2", "88 -194 8 3 5 0 0"},
    {"in the air the arrow still held steers on", Room, 64, -200, "R+ L+ 1 L- F- 1", "56 -197 8 2 5 0 0"},
    {"air arrow against the motion stops it", Room, 64, -200, "R+ 1 L+ R- 1 R+", "72 -197 0 2 5 0 0"},
    {"a ceiling stops the rise without landing", "####|....|....|....|####", 64, OnFloor, "1 J+ 3", "64 32 0 0 5 14 0"},
    {"run stops at a wall at head height with no speed", "......#|......#|......#|.......|#######", 64, OnFloor,
     "1 R+ 15", "161 67 0 0 -1 0 0"},
    {"a jump into a wall loses its speed", "......#|......#|......#|......#|#######", 120, OnFloor, "1 R+ J+ 1 R- 6",
     "161 -24 0 -10 5 13 0"},
    {"run left stops at a wall", "#......|#......|#......|#......|#######", 128, OnFloor, "1 L+ 15",
     "32 67 0 0 -1 0 1"},
    {"a wall at the feet stops a move right", "....|....|...#", 58, 3, "R+ 1", "65 4 0 1 5 0 0"},
    {"a wall at the feet stops a move left", "....|....|.#..", 71, 3, "L+ 1", "64 4 0 1 5 0 1"},
    {"the world's edge is a wall", nullptr, 8, 0, "L+ 3", "0 6 -8 3 5 0 1"},
    {"release of the running arrow stands", "....|....|...=|...T|####", 64, OnFloor, "1 R+ 2 R- 1", "80 67 0 0 -1 0 0"},
    {"releasing one arrow of two runs on", Room, 64, OnFloor, "1 L+ R+ L- 1 L+ R- 1", "64 67 -8 0 0 1 1"},
    {"releasing down or fire on the ground does nothing", Room, 64, OnFloor, "1 D- F- 1", "64 67 0 0 0 0 0"},
    {"down crouches and stops", Room, 64, OnFloor, "1 R+ 1 D+ 1", "72 67 0 0 2 10 0"},
    {"releasing down stands up", Room, 64, OnFloor, "1 D+ D-", "64 67 0 0 0 0 0"},
    {"arrows turn a crouch without moving", Room, 64, OnFloor, "1 D+ L+ R+ L- 2", "64 67 0 0 2 10 0"},
    {"a running shot slides on", Room, 64, OnFloor, "1 R+ F+ 1", "72 67 8 0 7 6 0 | 22 25 16 0"},
    {"the shot ends in a stand", Room, 64, OnFloor, "1 F+ 4", "64 67 0 0 0 0 0 | 30 25 16 0"},
    {"a key during a ground shot stops the slide", Room, 64, OnFloor, "1 R+ F+ X- 1", "64 67 0 0 7 6 0 | 30 25 16 0"},
    {"an air shot attacks, then falls", Room, 64, OnFloor, "1 J+ 2 F+ X+", "64 36 0 -15 7 18 0 | 30 30 16 0"},
    {"the air shot ends in the air", Room, 64, OnFloor, "1 J+ 2 F+ D- X+ 4", "64 -14 0 -11 5 13 0 | 30 80 16 0"},
    {"a crouching shot keeps the crouch", Room, 64, OnFloor, "1 D+ F+ 4", "64 67 0 0 2 10 0 | 30 30 16 0"},
    {"down released in a crouching shot stands after it", Room, 64, OnFloor, "1 D+ F+ D- 4",
     "64 67 0 0 0 0 0 | 30 30 16 0"},
    {"hurt in the air falls", Room, 64, OnFloor, "1 ! 1", "72 60 8 -7 5 13 0"},
    {"a hurt player lands standing", Room, 64, OnFloor, "1 ! 20", "192 67 0 0 0 0 0"},
    {"any key turns hurt into falling", Room, 64, OnFloor, "1 ! X+", "64 67 8 -8 5 2 0"},
    // Shots: the arrows held choose the way, the posture the muzzle.
    {"a level shot leaves the front", Room, 64, OnFloor, "1 L+ L- F+", "64 67 0 0 7 6 1 | 0 25 -16 0"},
    {"up shoots straight up from the middle", Room, 64, OnFloor, "1 U+ F+", "64 67 0 0 7 8 0 | 15 0 0 -16"},
    {"up and an arrow shoot up at a slant", Room, 64, OnFloor, "1 U+ L+ F+", "64 67 -8 0 7 7 1 | 0 30 -8 -8"},
    {"a crouching shot is level", Room, 64, OnFloor, "1 D+ L+ F+", "64 67 0 0 7 12 1 | 30 30 -16 0"},
    {"down in the air shoots down", Room, 64, OnFloor, "1 J+ 2 D+ F+", "64 36 0 -15 7 22 0 | 15 40 0 16"},
    {"down and an arrow in the air shoot down at a slant", Room, 64, OnFloor, "1 J+ 2 D+ L+ F+",
     "64 36 -8 -15 7 21 1 | 0 40 -8 8"},
    {"up and an arrow in the air shoot up at a slant", Room, 64, OnFloor, "1 J+ 2 U+ L+ F+",
     "64 36 -8 -15 7 19 1 | 30 30 -8 -8"},
    {"up in the air shoots up", Room, 64, OnFloor, "1 J+ 2 U+ D+ F+", "64 36 0 -15 7 20 0 | 15 0 0 -16"},
    {"on a ladder down wins over up", "..H.|..H.|..H.|..H.|####", 64, OnFloor, "1 U+ 4 D+ L+ F+",
     "63 47 0 0 7 32 1 | 0 40 -8 8"},
    {"on a ladder up and an arrow slant up", "..H.|..H.|..H.|..H.|####", 64, OnFloor, "1 U+ 4 R+ L+ L- F+",
     "63 47 0 0 7 30 1 | 30 30 -8 -8"},
    // Slopes: '/' rises to the right, '\' falls to the right.
    {"walking up a slope", "........|........|........|..../###|########", 40, OnFloor, "1 R+ 14", "152 36 8 0 -1 0 0"},
    {"walking down a slope", "........|........|........|###\\....|########", 40, 35, "1 R+ 10", "120 45 8 4 5 13 0"},
    {"walking left up a slope", "........|........|........|###\\....|########", 160, OnFloor, "1 L+ 14",
     "48 35 -8 0 1 1 1"},
    {"a fall onto a slope's high end lands on its surface", "....|....|..\\.|####", 49, -36, "40", "49 4 0 0 0 0 0"},
    {"a fall onto the other slope's high end too", "....|....|../.|####", 80, -36, "40", "80 4 0 0 0 0 0"},
    {"landing on a slope under the middle", "....|....|..../|####", 120, 25, "4", "120 28 0 0 -1 0 0"},
    {"a slope lands once the feet pass its surface", "....|....|..../|####", 120, 25, "2", "120 28 0 2 5 0 0"},
    // Each class the only one that can stop the move: rises at columns 2 and 1, runs right and left.
    {"breakables stop every way", ".Bb....|B.....b|B.....b|B.....b|B.....b|bbbbbbb", 64, 99,
     "1 J+ 20 R+ 25 R- L+ 20 J+ 6", "32 33 -8 1 5 13 1"},
    {"the other breakables stop sideways", "#######|b.....B|b.....B|b.....B|b.....B|#######", 64, 99,
     "1 R+ 25 R- L+ 20", "32 99 0 0 1 1 1"},
    {"slopes stop a rise and a walk into their high side", "./\\....|/.....\\|/.....\\|/.....\\|/.....\\|#######", 64,
     99, "1 J+ 20 R+ 25 R- L+ 20 J+ 6", "32 33 -8 1 5 13 1"},
    {"a breakable ceiling stops a rise", "..b.|....|....|....|####", 64, OnFloor, "1 J+ 3", "64 32 0 0 5 14 0"},
    {"a slope ceiling stops a rise", "..\\.|....|....|....|####", 64, OnFloor, "1 J+ 3", "64 32 0 0 5 14 0"},
    {"a jump passes platforms", ".=T.|....|....|....|####", 50, OnFloor, "1 J+ 8", "50 -33 0 -9 5 13 0"},
    // Platforms: stood on, dropped through from a crouch; a wall beside one wins.
    {"standing on a platform under the right edge", "....|....|....|....|...=", 66, 20, "10", "66 67 0 0 0 0 0"},
    {"crouch and jump drops through a platform", "....|....|....|....|====|....|....|####", 64, OnFloor, "1 D+ J+ 3",
     "64 95 0 11 5 13 0"},
    {"a wall beside the platform holds the drop", "....|....|....|....|..#=|....|....|####", 80, OnFloor, "1 D+ J+ 3",
     "80 67 0 0 2 10 0"},
    {"a ladder top is a platform", "....|....|....|....|TTTT", 64, 20, "10", "64 67 0 0 0 0 0"},
    {"breakable cells are floors", "....|....|....|....|bbBB", 64, 20, "10", "64 67 0 0 0 0 0"},
    {"inert cells and ladders are passed", "....|....|....|....|.iH.|....|####", 50, 20, "20", "50 131 0 0 0 0 0"},
    // Ladders.
    {"up on two ladders climbs the right one", "..HH|..HH|..HH|..HH|####", 66, OnFloor, "1 U+ 4", "95 47 0 -5 12 24 0"},
    {"climbing off the top onto the ladder top", "....|..T.|..H.|..H.|..H.|####", 64, 99, "1 U+ 20 U- 3",
     "63 -1 0 0 12 23 0"},
    {"a ladder at head height is climbed", "....|....|..H.|....|####", 66, OnFloor, "1 U+ 1", "63 62 0 -5 12 24 0"},
    {"letting go holds still on the ladder", "..H.|..H.|..H.|..H.|####", 64, OnFloor, "1 U+ 4 U- J- L+ 3",
     "63 47 0 0 12 23 1"},
    {"down beats up on a ladder", "..H.|..H.|..H.|..H.|####", 64, 20, "U+ 1 D+ 12", "63 67 0 0 2 10 0"},
    {"ladder keys stop a run", "..H.|..H.|..H.|..H.|####", 40, OnFloor, "1 R+ U+ 1 U- J+ 1", "63 46 8 -16 5 14 0"},

    {"jumping off a ladder", "..H.|..H.|..H.|..H.|####", 64, OnFloor, "1 U+ 4 U- J+ 1", "63 31 0 -16 5 14 0"},
    {"a ladder shot stays on the ladder", "..H.|..H.|..H.|..H.|####", 64, OnFloor, "1 U+ 4 U- L+ R+ F+ 5",
     "63 47 0 0 12 23 0 | 30 30 16 0"},
};

class PlayerScenario : public ::testing::TestWithParam<PlayerCase> {};

TEST_P(PlayerScenario, EndsAsExpected) {
    const PlayerCase& c = GetParam();
    TestWorld w;
    int32_t origin = c.map ? Origin : 0;
    if (c.map) w.paint(500, 500, std::string(c.map));
    w->player.init(origin + c.x, origin + c.y, 0);
    runScript(c.script, playerHooks());
    std::string actual = describe(w->player, origin, origin);
    const Body& shot = w->projectiles[projectileCursor].body;
    if (w->projectiles[projectileCursor].type != ProjectileFree) {
        actual += " | " + std::to_string(shot.x - w->player.body.x) + " " + std::to_string(shot.y - w->player.body.y) +
                  " " + std::to_string(shot.vx) + " " + std::to_string(shot.vy);
    }
    EXPECT_EQ(actual, c.expect) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, PlayerScenario, ::testing::ValuesIn(cases));

}  // namespace
