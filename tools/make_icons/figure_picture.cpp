#include "tools/make_icons/figure_picture.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double DegreesPerAngleUnit = 60.0;
constexpr double Pi = 3.14159265358979323846;
constexpr uint32_t AlphaTestTimesTen = 255;    // drawn when alpha / 255 > 0.1
constexpr int32_t MeasureSide = 1024;          // figure units around the anchor, far beyond any figure
constexpr uint32_t OpaqueAlpha = 0xff000000u;  // the alpha test draws what it keeps fully opaque

bool passesAlphaTest(uint32_t color) { return alphaOf(color) * 10 > AlphaTestTimesTen; }

void drawPart(RgbaPicture* picture, const Joint& joint, const uint32_t* image, float anchorX, float anchorY,
              float scale) {
    double radians = double(float(joint.angle * DegreesPerAngleUnit)) * Pi / 180.0;
    double cosine = std::cos(radians), sine = std::sin(radians);
    double half = PartSide / 2.0;
    for (int32_t y = 0; y < picture->height; y++) {
        for (int32_t x = 0; x < picture->width; x++) {
            // Undo the anchor, the scale, the joint offset and then the turn.
            double dx = (x + 0.5 - anchorX) / scale - float(joint.x);
            double dy = (y + 0.5 - anchorY) / scale - float(joint.y);
            double u = dx * cosine + dy * sine + half;
            double v = -dx * sine + dy * cosine + half;
            if (u < 0 || v < 0 || u >= PartSide || v >= PartSide) continue;
            uint32_t texel = image[int(v) * PartSide + int(u)];
            if (passesAlphaTest(texel)) picture->at(x, y) = texel | OpaqueAlpha;
        }
    }
}

}  // namespace

void drawPose(RgbaPicture* picture, const Pose& pose, const uint32_t* const partImages[PartCount], float anchorX,
              float anchorY, float scale) {
    for (int part = 0; part < PartCount; part++)
        drawPart(picture, pose.joints[part], partImages[part], anchorX, anchorY, scale);
}

bool measurePose(const Pose& pose, const uint32_t* const partImages[PartCount], FigureBounds* bounds) {
    RgbaPicture picture(MeasureSide, MeasureSide);
    float anchor = MeasureSide / 2;
    drawPose(&picture, pose, partImages, anchor, anchor, 1.0f);
    int32_t left = MeasureSide, top = MeasureSide, right = -1, bottom = -1;
    for (int32_t y = 0; y < MeasureSide; y++) {
        for (int32_t x = 0; x < MeasureSide; x++) {
            if (alphaOf(picture.at(x, y)) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x + 1);
            top = std::min(top, y);
            bottom = std::max(bottom, y + 1);
        }
    }
    if (right < 0) return false;
    *bounds = {left - anchor, top - anchor, right - anchor, bottom - anchor};
    return true;
}
