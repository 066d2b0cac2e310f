#include "content/room_template.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RoomTemplate* templates;
    int32_t first[MaskCount], counts[MaskCount];
    int32_t count = loadRoomTemplates(writeFuzzInput(data, size), &templates, first, counts);
    if (count >= 0) freeRoomTemplates(templates, count);
    return 0;
}
