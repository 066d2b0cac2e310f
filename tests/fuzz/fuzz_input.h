// The loaders read files by path, so each fuzz input goes into a file first.
#pragma once
#include <cstddef>
#include <cstdint>

// Writes the input over this process's one scratch file and returns its path.
const char* writeFuzzInput(const uint8_t* data, size_t size);
