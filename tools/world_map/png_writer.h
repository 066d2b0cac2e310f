// Writing a picture of colour words (bytes R, G, B, A) as an RGB PNG file.
#pragma once
#include <cstdint>
#include <vector>

bool writePng(const char* path, int32_t width, int32_t height, const std::vector<uint32_t>& pixels);
