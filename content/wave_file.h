// Sound files of the data folder, checked before SDL_mixer reads them.
#pragma once
#include <cstdint>
#include <vector>

// Reads the WAV file at path whole, once it is known to be one that SDL_mixer takes
// quickly: plain PCM, 8000 to 48000 Hz, mono or stereo, 8 or 16 bits, at most
// maxSeconds long. Opened as every data file is (content/data_file.h); false after
// one line naming the file and what is wrong with it.
bool readWaveFile(const char* path, int32_t maxSeconds, std::vector<uint8_t>* bytes);
