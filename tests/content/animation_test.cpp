#include <gtest/gtest.h>

#include "content/animation.h"
#include "tests/content/content_files.h"

namespace {

struct LoadedAnimations {
    explicit LoadedAnimations(const std::string& text) {
        std::string path = dir.write("AnimationData.txt", text);
        ok = loadAnimations(path.c_str(), &animations, &count);
    }
    ~LoadedAnimations() { freeAnimations(animations, count); }
    ScratchDir dir;
    Animation* animations = nullptr;
    int32_t count = 0;
    bool ok = false;
};

// Joint j of the key pose keyPoseText(base) as loaded: y shifted by 3.
Joint keyJoint(int32_t base, int j) { return {double(base + j), base - j + 3.0, base / 4.0}; }

void expectJoint(const Joint& joint, const Joint& expected, const std::string& where) {
    constexpr double Tolerance = 1e-12;  // rounding of the in-between arithmetic
    EXPECT_NEAR(joint.x, expected.x, Tolerance) << where;
    EXPECT_NEAR(joint.y, expected.y, Tolerance) << where;
    EXPECT_NEAR(joint.angle, expected.angle, Tolerance) << where;
}

// Every joint of frame lies t of the way from key pose base a to key pose base b.
void expectBetween(const Pose& frame, int32_t a, int32_t b, double t, const std::string& where) {
    for (int j = 0; j < PartCount; j++) {
        Joint from = keyJoint(a, j), to = keyJoint(b, j);
        expectJoint(frame.joints[j],
                    {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y),
                     from.angle + t * (to.angle - from.angle)},
                    where + " joint " + std::to_string(j));
    }
}

TEST(LerpPose, MixesEveryValueOfEveryJoint) {
    Pose a, b, out;
    for (int j = 0; j < PartCount; j++) {
        a.joints[j] = {double(j), 2.0 * j, -1.0};
        b.joints[j] = {double(j) + 4, 0.0, 3.0};
    }
    lerpPose(&out, a, b, 0.25);
    for (int j = 0; j < PartCount; j++) expectJoint(out.joints[j], {j + 1.0, 1.5 * j, 0.0}, std::to_string(j));
}

TEST(LoadAnimations, ExpandsStepsIntoKeyPosesAndInBetweens) {
    // Key poses have bases 0, 10 and 20.
    LoadedAnimations loaded(animationFileText(3, {
        "one-step 7 8 9 10 1 2 1 1",  // S = 1, length 1: only pose 2
        "quarters 0 0 0 0 1 0 4 1",   // 0, 1/4, 1/2, 3/4 toward pose 1
        "thirds 0 0 0 0 2 0 3 1 2 0", // 0, 1/3, 2/3 toward 1, then 1, halfway back to 0
    }));
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.count, AnimationCount);
    const Animation* anims = loaded.animations;
    EXPECT_EQ(anims[0].header[0], 7);
    EXPECT_EQ(anims[0].header[1], 9);
    EXPECT_EQ(anims[0].header[2], 8);
    EXPECT_EQ(anims[0].header[3], 10);

    ASSERT_EQ(anims[0].frameCount, 1);
    expectBetween(anims[0].frames[0], 20, 20, 0.0, "one-step");

    ASSERT_EQ(anims[1].frameCount, 4);
    for (int f = 0; f < 4; f++) expectBetween(anims[1].frames[f], 0, 10, f / 4.0, "quarters " + std::to_string(f));

    ASSERT_EQ(anims[2].frameCount, 5);
    expectBetween(anims[2].frames[0], 0, 10, 0.0, "thirds 0");
    expectBetween(anims[2].frames[1], 0, 10, 1 / 3.0, "thirds 1");
    expectBetween(anims[2].frames[2], 0, 10, 2 / 3.0, "thirds 2");
    expectBetween(anims[2].frames[3], 10, 0, 0.0, "thirds 3");
    expectBetween(anims[2].frames[4], 10, 0, 0.5, "thirds 4");

    // The padding animations of the helper are one still frame each.
    EXPECT_EQ(anims[66].frameCount, 1);
}

TEST(LoadAnimations, ShiftsYAndReadsWordsAsMinusOne) {
    std::string pose = "10 -4 0.5\n";
    pose += "word word word\n";
    for (int j = 2; j < PartCount; j++) pose += "0 0 0\n";
    std::string text = animationFileText(1, {});
    text.replace(text.find('\n') + 1, keyPoseText(0).size(), pose);
    LoadedAnimations loaded(text);
    ASSERT_TRUE(loaded.ok);
    expectJoint(loaded.animations[0].frames[0].joints[0], {10.0, -1.0, 0.5}, "numbers");
    expectJoint(loaded.animations[0].frames[0].joints[1], {-1.0, 2.0, -1.0}, "words");
}

}  // namespace
