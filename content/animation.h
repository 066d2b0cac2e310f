// Key-pose animations, expanded into ready frames at load time.
#pragma once
#include <cstdint>
#include "content/animation_numbers.h"
#include "shell/numbers.h"

struct Joint {
    double x;      // offset from the figure's anchor, figure units
    double y;      // the loader adds 3.0 to the value in the file
    double angle;  // in units of 60 degrees
};

struct Pose {
    Joint joints[PartCount];
};

struct Animation {
    int32_t header[4];   // as read (1st, 3rd, 2nd, 4th number); nothing uses them
    int32_t frameCount;  // sum of the step lengths
    Pose* frames;        // frameCount poses in play order
};

void lerpPose(Pose* out, const Pose& a, const Pose& b, double t);

// Reads the animation file into a new table, and its size when asked.
// False (with a message) on bad content, leaving the outputs untouched.
bool loadAnimations(const char* path, Animation** animations, int32_t* animationCount = nullptr);
void freeAnimations(Animation* animations, int32_t count);
