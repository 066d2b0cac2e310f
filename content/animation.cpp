#include "content/animation.h"

#include <vector>

#include "content/token_reader.h"

namespace {

constexpr double YOffsetShift = 3.0;    // added to every y offset read
constexpr int32_t MaxKeyPoses = 10000;  // about 4 MB of key poses
constexpr int32_t MaxAnimations = 10000;
constexpr int32_t MaxSteps = 10000;    // steps of one animation
constexpr int32_t MaxFrames = 100000;  // frames of all animations together, about 38 MB
// Where each header number goes, in file order: the record keeps them as 1st, 3rd, 2nd, 4th.
constexpr int HeaderSlotOfNumber[4] = {0, 2, 1, 3};

// One animation as the file gives it: S + 1 key pose indices and S step lengths.
struct StepList {
    std::vector<int32_t> poses;
    std::vector<int32_t> lengths;
};

bool readKeyPoses(TokenStream* in, Pose* keyPoses, int32_t count) {
    for (int32_t k = 0; k < count; k++) {
        setTokenPlace(in, "key pose %d", k);
        for (Joint& joint : keyPoses[k].joints) {
            joint.x = readFloat(in);
            joint.y = readFloat(in) + YOffsetShift;
            joint.angle = readFloat(in);
        }
        if (in->failed) return false;
    }
    return true;
}

// Reads the steps, counting their lengths into *framesLeft.
bool readSteps(TokenStream* in, int32_t keyPoseCount, int32_t* framesLeft, StepList* steps) {
    int32_t stepCount;
    if (!readIntInRange(in, 1, MaxSteps, "step count", &stepCount)) return false;
    steps->poses.resize(stepCount + 1);
    steps->lengths.resize(stepCount);
    for (int32_t k = 0; k <= stepCount; k++) {
        if (!readIntInRange(in, 0, keyPoseCount - 1, "key pose index", &steps->poses[k])) return false;
        if (k == stepCount) break;
        int32_t& length = steps->lengths[k];
        if (!readIntInRange(in, 1, MaxFrames, "step length", &length)) return false;
        if (length > *framesLeft) {
            rejectContent(in, "the animations hold more than %d frames", MaxFrames);
            return false;
        }
        *framesLeft -= length;
    }
    return true;
}

// Each step gives its own key pose, then in-betweens toward the next one.
void expandFrames(const Pose* keyPoses, const StepList& steps, Animation* animation) {
    int32_t frameCount = 0;
    for (int32_t length : steps.lengths) frameCount += length;
    animation->frameCount = frameCount;
    animation->frames = new Pose[frameCount];
    Pose* frame = animation->frames;
    for (size_t k = 0; k < steps.lengths.size(); k++) {
        const Pose& from = keyPoses[steps.poses[k]];
        const Pose& to = keyPoses[steps.poses[k + 1]];
        int32_t length = steps.lengths[k];
        *frame++ = from;
        for (int32_t f = 1; f < length; f++) lerpPose(frame++, from, to, double(f) / length);
    }
}

bool readAnimation(TokenStream* in, int32_t index, const Pose* keyPoses, int32_t keyPoseCount, int32_t* framesLeft,
                   Animation* animation) {
    setTokenPlace(in, "animation %d", index);
    readInt(in);  // its name, or any other label
    for (int slot : HeaderSlotOfNumber) animation->header[slot] = readInt(in);
    StepList steps;
    if (!readSteps(in, keyPoseCount, framesLeft, &steps)) return false;
    expandFrames(keyPoses, steps, animation);
    return true;
}

// Reads the animation table once the key poses are known.
bool readAnimations(TokenStream* in, const Pose* keyPoses, int32_t keyPoseCount, Animation** animations,
                    int32_t* animationCount) {
    int32_t count;
    if (!readIntInRange(in, AnimationCount, MaxAnimations, "animation count", &count)) return false;
    readInt(in);  // ignored
    Animation* table = new Animation[count]();
    int32_t framesLeft = MaxFrames;
    for (int32_t i = 0; i < count && readAnimation(in, i, keyPoses, keyPoseCount, &framesLeft, &table[i]); i++) {
    }
    if (in->failed) {
        freeAnimations(table, count);
        return false;
    }
    *animations = table;
    if (animationCount) *animationCount = count;
    return true;
}

}  // namespace

void freeAnimations(Animation* animations, int32_t count) {
    for (int32_t i = 0; animations && i < count; i++) delete[] animations[i].frames;
    delete[] animations;
}

void lerpPose(Pose* out, const Pose& a, const Pose& b, double t) {
    for (int part = 0; part < PartCount; part++) {
        const Joint& from = a.joints[part];
        const Joint& to = b.joints[part];
        out->joints[part] = {(1 - t) * from.x + t * to.x, (1 - t) * from.y + t * to.y,
                             (1 - t) * from.angle + t * to.angle};
    }
}

bool loadAnimations(const char* path, Animation** animations, int32_t* animationCount) {
    TokenStream in;
    if (!openTokens(&in, path)) return false;
    int32_t keyPoseCount;
    bool loaded = false;
    if (readIntInRange(&in, 1, MaxKeyPoses, "key pose count", &keyPoseCount)) {
        readInt(&in);  // ignored
        Pose* keyPoses = new Pose[keyPoseCount];
        if (readKeyPoses(&in, keyPoses, keyPoseCount)) {
            in.place[0] = '\0';
            loaded = readAnimations(&in, keyPoses, keyPoseCount, animations, animationCount);
        }
        delete[] keyPoses;
    }
    closeTokens(&in);
    return loaded;
}
