// Counts and sizes in content that only fit by wrapping past 32 bits: each is bad content
// with its own message, never a small wrapped number that the loaders then trust.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/animation.h"
#include "content/bitmap.h"
#include "content/room_template.h"
#include "tests/support/content_files.h"

namespace {

enum Loader { TemplateLoader, AnimationLoader, BitmapLoader };

struct LimitCase {
    const char* name;
    Loader loader;
    std::string contents;
    std::string message;  // after "<path>: "
};

// True when the file loaded; whatever it loaded is freed again.
bool load(Loader loader, const std::string& path) {
    switch (loader) {
    case TemplateLoader: {
        RoomTemplate* templates = nullptr;
        int32_t first[MaskCount], counts[MaskCount];
        int32_t count = loadRoomTemplates(path.c_str(), &templates, first, counts);
        freeRoomTemplates(templates, count);
        return count >= 0;
    }
    case AnimationLoader: {
        Animation* animations = nullptr;
        int32_t count = 0;
        bool loaded = loadAnimations(path.c_str(), &animations, &count);
        freeAnimations(animations, count);
        return loaded;
    }
    case BitmapLoader: {
        uint32_t* colors = nullptr;
        uint8_t* indices = nullptr;
        bool loaded = loadIndexedBitmap(path.c_str(), nullptr, nullptr, &colors, &indices);
        delete[] colors;
        delete[] indices;
        return loaded;
    }
    }
    return false;
}

std::string mapWithSpawnCount(const std::string& count) {
    std::vector<std::string> templates = templatesOfEveryMask();
    templates[0] = templateText(0, count);
    return mapText(templates);
}

TEST(ContentLimits, NumbersPastThirtyTwoBitsAreRejectedNotWrapped) {
    const LimitCase cases[] = {
        // 2^32 + 1 wraps to 1, a count the loader would take.
        {"template count", TemplateLoader, "4294967297\n", "template count is outside 1..10000 (beyond 32 bits)"},
        {"one past the largest", TemplateLoader, "2147483648\n", "template count is outside 1..10000 (beyond 32 bits)"},
        {"the smallest", TemplateLoader, "-2147483648\n", "template count -2147483648 is outside 1..10000"},
        {"spawn count", TemplateLoader, mapWithSpawnCount("4294967296"),
         "template 0: spawn count is outside 0..50 (beyond 32 bits)"},
        {"key pose count", AnimationLoader, "-4294967295 poses\n", "key pose count is outside 1..10000 (beyond 32 bits)"},
        {"step count", AnimationLoader, animationFileText(2, {"walk 0 0 0 0 4294967297 0 1 1"}),
         "animation 0: step count is outside 1..10000 (beyond 32 bits)"},
        {"step length", AnimationLoader, animationFileText(2, {"walk 0 0 0 0 1 0 4294967297 1"}),
         "animation 0: step length is outside 1..100000 (beyond 32 bits)"},
        // 65536 x 65537 pixels wrap to 65536 in 32 bits.
        {"pixel count", BitmapLoader, bitmapBytes({65536, 65537, {{0, 0, 0}}, {}}),
         "is 65536 x 65537, more than 16777216 pixels"},
    };
    for (const LimitCase& c : cases) {
        ScratchDir dir;
        std::string path = dir.write("content", c.contents);
        testing::internal::CaptureStderr();
        bool loaded = load(c.loader, path);
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(loaded) << c.name;
        EXPECT_EQ(err, path + ": " + c.message + "\n") << c.name;
    }
}

}  // namespace
