#include "content/bitmap.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int32_t width, height;
    uint32_t* colors;
    uint8_t* indices;
    if (loadIndexedBitmap(writeFuzzInput(data, size), &width, &height, &colors, &indices)) {
        // Touches every index and palette entry the reported size promises.
        delete[] expandIndexed(width, height, width, height, colors, indices);
        delete[] colors;
        delete[] indices;
    }
    return 0;
}
