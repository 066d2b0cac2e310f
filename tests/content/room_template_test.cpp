#include <gtest/gtest.h>

#include "content/room_template.h"
#include "tests/content/content_files.h"

namespace {

// Templates loaded from text; freed with the object.
struct LoadedTemplates {
    explicit LoadedTemplates(const std::string& text) {
        std::string path = dir.write("map.txt", text);
        count = loadRoomTemplates(path.c_str(), &templates, first, counts);
    }
    ~LoadedTemplates() { freeRoomTemplates(templates, count); }
    ScratchDir dir;
    RoomTemplate* templates = nullptr;
    int32_t first[MaskCount] = {};
    int32_t counts[MaskCount] = {};
    int32_t count = 0;
};

TEST(SortTemplatesByMask, IsStableAndFillsBothTables) {
    RoomTemplate templates[3] = {};
    const int32_t masks[3] = {5, 3, 5};
    for (int i = 0; i < 3; i++) {
        templates[i].doorMask = masks[i];
        templates[i].reservedValue = i;  // tells the originals apart
    }
    int32_t first[MaskCount], counts[MaskCount];
    for (int m = 0; m < MaskCount; m++) first[m] = counts[m] = 99;
    sortTemplatesByMask(templates, 3, first, counts);
    EXPECT_EQ(templates[0].reservedValue, 1);
    EXPECT_EQ(templates[1].reservedValue, 0);
    EXPECT_EQ(templates[2].reservedValue, 2);
    const int32_t expectedFirst[MaskCount] = {0, 0, 0, 0, 1, 1, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
    const int32_t expectedCount[MaskCount] = {0, 0, 0, 1, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int m = 0; m < MaskCount; m++) {
        EXPECT_EQ(first[m], expectedFirst[m]) << m;
        EXPECT_EQ(counts[m], expectedCount[m]) << m;
    }
}

TEST(LoadRoomTemplates, ReadsTilesSpawnsAndReservedNumbersInFileOrder) {
    std::string tiles;
    for (int row = 0; row < 20; row++) {
        for (int col = 0; col < 20; col++) tiles += std::to_string((row * 20 + col) % 128) + "\t";
        tiles += "\r\n";
    }
    std::vector<std::string> templates = templatesOfEveryMask();
    // Mask 6 again, after the first one of mask 6: with spawns, reserved numbers and flags.
    templates.push_back(tiles + "6 -15 5 -1\n2\n320 600 1 4\n100 40 7 17\n");
    // Mask 6 before any other: no spawns, so the next number is a tile code.
    templates.insert(templates.begin(), templateText(6, "0", tileCodes(127)));
    LoadedTemplates loaded(mapText(templates));
    ASSERT_EQ(loaded.count, 18);
    EXPECT_EQ(loaded.first[6], 6);
    EXPECT_EQ(loaded.counts[6], 3);
    EXPECT_EQ(loaded.first[7], 9);
    EXPECT_EQ(loaded.first[15], 17);

    const RoomTemplate& noSpawns = loaded.templates[6];
    EXPECT_EQ(noSpawns.tiles[0][0], 127);
    EXPECT_EQ(noSpawns.spawnCount, 0);
    const RoomTemplate& plain = loaded.templates[7];  // the one of templatesOfEveryMask
    EXPECT_EQ(plain.tiles[0][0], 0);
    EXPECT_EQ(plain.reservedFlags[0], 0);
    EXPECT_EQ(plain.reservedFlags[1], 0);

    const RoomTemplate& room = loaded.templates[8];
    EXPECT_EQ(room.doorMask, 6);
    EXPECT_EQ(room.tiles[0][19], 19);
    EXPECT_EQ(room.tiles[3][7], 67);
    EXPECT_EQ(room.tiles[19][19], 399 % 128);
    EXPECT_EQ(room.reservedValue, -15);
    EXPECT_EQ(room.reservedFlags[0], 1);
    EXPECT_EQ(room.reservedFlags[1], 1);
    ASSERT_EQ(room.spawnCount, 2);
    const SpawnPoint expected[2] = {{320, 600, 4, 1, 1}, {100, 40, 17, 1, 1}};
    for (int i = 0; i < 2; i++) {
        EXPECT_EQ(room.spawns[i].x, expected[i].x) << i;
        EXPECT_EQ(room.spawns[i].y, expected[i].y) << i;
        EXPECT_EQ(room.spawns[i].enemyType, expected[i].enemyType) << i;
        EXPECT_EQ(room.spawns[i].facingLeft, expected[i].facingLeft) << i;
        EXPECT_EQ(room.spawns[i].armed, 1) << i;
    }
}

TEST(LoadRoomTemplates, IgnoresWhatFollowsTheLastTemplate) {
    LoadedTemplates loaded(mapText(templatesOfEveryMask()) + "trailing words - 1.5");
    EXPECT_EQ(loaded.count, 16);
    for (int m = 0; m < MaskCount; m++) EXPECT_EQ(loaded.first[m], m);
}

}  // namespace
