// The icons' figure drawing: placement, turning, covering, fitting and averaging.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/offscreen_gl.h"
#include "tools/make_icons/icon_picture.h"

namespace {

constexpr uint32_t Clear = 0;
const uint32_t Red = rgba(255, 0, 0), Green = rgba(0, 255, 0), Blue = rgba(0, 0, 255);

// A part image whose quadrants are red (top left), green (top right),
// blue (bottom left) and clear (bottom right).
std::vector<uint32_t> quadrantImage() {
    std::vector<uint32_t> image(PartSide * PartSide);
    for (int y = 0; y < PartSide; y++)
        for (int x = 0; x < PartSide; x++)
            image[y * PartSide + x] = y < 32 ? (x < 32 ? Red : Green) : (x < 32 ? Blue : Clear);
    return image;
}

std::vector<uint32_t> filledImage(uint32_t color) { return std::vector<uint32_t>(PartSide * PartSide, color); }

// A figure whose parts all show nothing unless given an image.
struct TestFigure {
    Pose pose = {};
    std::vector<uint32_t> nothing = filledImage(Clear);
    const uint32_t* parts[PartCount];
    TestFigure() {
        for (auto& part : parts) part = nothing.data();
    }
    void setPart(int part, const std::vector<uint32_t>& image, double x, double y, double angle = 0) {
        parts[part] = image.data();
        pose.joints[part] = {x, y, angle};
    }
};

TEST(FigurePicture, JointOffsetAndTurnPlaceThePartAsTheGameDrawsIt) {
    // Anchor (100, 100), scale 0.5, offset (10, -40): the part's 32 x 32 square
    // is centred on (105, 80).
    struct Case {
        double angle;
        int x, y;
        uint32_t expected;
    } cases[] = {
        {0, 95, 70, Red},    {0, 115, 70, Green},  {0, 95, 90, Blue},    {0, 115, 90, Clear},
        {0, 88, 80, Clear},  {0, 105, 63, Clear},  {0, 89, 64, Red},     {0, 120, 95, Clear},
        // A quarter turn (1.5 units of 60 degrees) is clockwise on screen.
        {1.5, 115, 70, Red}, {1.5, 95, 70, Blue},  {1.5, 115, 90, Green}, {1.5, 95, 90, Clear},
    };
    std::vector<uint32_t> image = quadrantImage();
    for (const Case& c : cases) {
        TestFigure figure;
        figure.setPart(7, image, 10, -40, c.angle);
        RgbaPicture picture(200, 200);
        drawPose(&picture, figure.pose, figure.parts, 100, 100, 0.5f);
        EXPECT_EQ(picture.at(c.x, c.y), c.expected) << "angle " << c.angle << " at " << c.x << ", " << c.y;
    }
}

TEST(FigurePicture, LaterPartsCoverEarlierOnesExceptWhereTheyAreClear) {
    std::vector<uint32_t> red = filledImage(Red), faint = filledImage(rgba(0, 255, 0, 20));
    std::vector<uint32_t> quadrants = quadrantImage();
    TestFigure figure;
    figure.setPart(2, red, 0, 0);
    figure.setPart(9, quadrants, 0, 0);
    figure.setPart(12, faint, 0, 0);  // below the alpha test: never drawn
    RgbaPicture picture(64, 64);
    drawPose(&picture, figure.pose, figure.parts, 32, 32, 1.0f);
    EXPECT_EQ(picture.at(10, 10), Red);
    EXPECT_EQ(picture.at(50, 10), Green);
    EXPECT_EQ(picture.at(10, 50), Blue);
    EXPECT_EQ(picture.at(50, 50), Red);
}

TEST(FigurePicture, TexelsThatPassTheAlphaTestAreDrawnOpaque) {
    std::vector<uint32_t> halfSeen = filledImage(rgba(10, 20, 30, 128));
    TestFigure figure;
    figure.setPart(0, halfSeen, 0, 0);
    RgbaPicture picture(64, 64);
    drawPose(&picture, figure.pose, figure.parts, 32, 32, 1.0f);
    EXPECT_EQ(picture.at(32, 32), rgba(10, 20, 30, 255));
}

TEST(FigurePicture, MeasuringFindsTheBoxOfTheOpaquePixels) {
    std::vector<uint32_t> image = quadrantImage(), red = filledImage(Red);
    TestFigure figure;
    figure.setPart(4, image, 10, -40);
    figure.setPart(5, red, -50, 20, 0.75);  // 45 degrees: a diamond 90.5 units across
    FigureBounds bounds;
    ASSERT_TRUE(measurePose(figure.pose, figure.parts, &bounds));
    EXPECT_NEAR(bounds.left, -50 - 45.25, 1.0);
    EXPECT_NEAR(bounds.right, 10 + 32, 0.01);
    EXPECT_NEAR(bounds.top, -40 - 32, 0.01);
    EXPECT_NEAR(bounds.bottom, 20 + 45.25, 1.0);
}

TEST(FigurePicture, APoseThatShowsNothingHasNoBox) {
    TestFigure figure;
    FigureBounds bounds;
    EXPECT_FALSE(measurePose(figure.pose, figure.parts, &bounds));
}

// Rows and columns of an icon that hold any visible pixel.
struct Extent {
    int left = -1, top = -1, right = -1, bottom = -1;
};
Extent visibleExtent(const RgbaPicture& picture) {
    Extent e;
    for (int y = 0; y < picture.height; y++) {
        for (int x = 0; x < picture.width; x++) {
            if (alphaOf(picture.at(x, y)) == 0) continue;
            if (e.left < 0 || x < e.left) e.left = x;
            if (e.top < 0) e.top = y;
            e.right = std::max(e.right, x);
            e.bottom = y;
        }
    }
    return e;
}

TEST(IconPicture, TheFigureIsCentredAndFillsTheIconUpToItsMargin) {
    // A figure twice as wide as tall, off the anchor: it fills the width but
    // for a margin of a sixteenth, and sits in the middle of the height.
    std::vector<uint32_t> red = filledImage(Red), blue = filledImage(Blue);
    TestFigure figure;
    figure.setPart(0, red, 40, 100);
    figure.setPart(1, blue, 104, 100);
    FigureBounds bounds;
    ASSERT_TRUE(measurePose(figure.pose, figure.parts, &bounds));
    for (int size : {16, 32, 256}) {
        RgbaPicture icon = drawIcon(figure.pose, figure.parts, bounds, size);
        ASSERT_EQ(icon.width, size);
        ASSERT_EQ(icon.height, size);
        Extent e = visibleExtent(icon);
        int margin = size / 16;
        EXPECT_EQ(e.left, margin) << size;
        EXPECT_EQ(e.right, size - 1 - margin) << size;
        EXPECT_EQ(e.top, size / 4 + margin / 2) << size;
        EXPECT_EQ(e.bottom, size - 1 - size / 4 - margin / 2) << size;
        EXPECT_EQ(icon.at(margin, size / 2), Red) << size;
        EXPECT_EQ(icon.at(size - 1 - margin, size / 2), Blue) << size;
    }
}

TEST(IconPicture, ShrinkingWeighsColoursByTheirAlpha) {
    RgbaPicture picture(4, 2);
    picture.at(0, 0) = Red;  // one red sample among three clear ones
    picture.at(2, 0) = Red;
    picture.at(3, 0) = Blue;
    picture.at(2, 1) = Blue;
    picture.at(3, 1) = Blue;
    RgbaPicture small = shrink(picture, 2);
    ASSERT_EQ(small.width, 2);
    ASSERT_EQ(small.height, 1);
    EXPECT_EQ(small.at(0, 0), rgba(255, 0, 0, 64));  // not darkened by the clear samples
    EXPECT_EQ(small.at(1, 0), rgba(64, 0, 191, 255));
}

}  // namespace
