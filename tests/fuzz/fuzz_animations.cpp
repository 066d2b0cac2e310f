#include "content/animation.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Animation* animations;
    int32_t count;
    if (loadAnimations(writeFuzzInput(data, size), &animations, &count)) freeAnimations(animations, count);
    return 0;
}
