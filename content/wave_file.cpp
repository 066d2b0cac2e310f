#include "content/wave_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "content/content_error.h"
#include "content/data_file.h"
#include "shell/os/os.h"

namespace {

constexpr uint32_t LowestRate = 8000;
constexpr uint32_t HighestRate = 48000;
constexpr uint32_t LargestFrame = 4;  // bytes: 16-bit stereo
constexpr long HeaderRoom = 4096;     // bytes beside the samples: the format and any other chunks

uint32_t little16(const uint8_t* at) { return uint32_t(at[0]) | uint32_t(at[1]) << 8; }
uint32_t little32(const uint8_t* at) { return little16(at) | little16(at + 2) << 16; }

// A file no larger than the longest allowed sound, read whole.
bool readBounded(const char* path, long largest, std::vector<uint8_t>* bytes) {
    FILE* file = openDataFile(path, "rb");
    if (!file) return false;
    long long length = osFileLength(file);
    bool read = false;
    if (length < 0) {
        reportContentError(path, "cannot be read (%s)", strerror(errno));
    } else if (length > largest) {
        reportContentError(path, "is %lld bytes, more than the %ld a sound of this kind may have", length, largest);
    } else {
        bytes->resize(size_t(length));
        read = fread(bytes->data(), 1, bytes->size(), file) == bytes->size();
        if (!read) reportContentError(path, "cannot be read (%s)", ferror(file) ? strerror(errno) : "it got shorter");
    }
    fclose(file);
    return read;
}

// The format chunk's fields that decide whether SDL_mixer plays the samples as they are.
bool checkFormat(const char* path, const uint8_t* format, uint32_t size) {
    uint32_t channels = little16(format + 2), rate = little32(format + 4), bits = little16(format + 14);
    if (size < 16 || little16(format) != 1) {
        reportContentError(path, "is not plain PCM");
    } else if (channels < 1 || channels > 2) {
        reportContentError(path, "has %u channels; mono or stereo only", channels);
    } else if (rate < LowestRate || rate > HighestRate) {
        reportContentError(path, "plays at %u Hz, outside %u to %u Hz", rate, LowestRate, HighestRate);
    } else if (bits != 8 && bits != 16) {
        reportContentError(path, "has %u-bit samples; 8 or 16 bits only", bits);
    } else if (little16(format + 12) != channels * bits / 8) {
        reportContentError(path, "has a frame size that does not match its channels and bits");
    } else {
        return true;
    }
    return false;
}

}  // namespace

bool readWaveFile(const char* path, int32_t maxSeconds, std::vector<uint8_t>* bytes) {
    if (!readBounded(path, HeaderRoom + long(maxSeconds) * HighestRate * LargestFrame, bytes)) return false;
    const uint8_t* file = bytes->data();
    size_t size = bytes->size();
    if (size < 12 || memcmp(file, "RIFF", 4) != 0 || memcmp(file + 8, "WAVE", 4) != 0) {
        reportContentError(path, "is not a WAV file");
        return false;
    }
    const uint8_t* format = nullptr;
    for (size_t at = 12; at + 8 <= size;) {
        uint32_t chunk = little32(file + at + 4);
        if (chunk > size - at - 8) break;
        const uint8_t* body = file + at + 8;
        if (memcmp(file + at, "fmt ", 4) == 0) {
            if (!checkFormat(path, body, chunk)) return false;
            format = body;
        } else if (memcmp(file + at, "data", 4) == 0 && format) {
            uint32_t perSecond = little32(format + 4) * little16(format + 12);
            if (chunk <= uint64_t(maxSeconds) * perSecond) return true;
            reportContentError(path, "lasts %.1f s, more than the %d s a sound of this kind may last",
                               double(chunk) / perSecond, maxSeconds);
            return false;
        }
        at += 8 + chunk + (chunk & 1);  // chunks are padded to even sizes
    }
    reportContentError(path, format ? "has no data chunk" : "has no format chunk before its data");
    return false;
}
