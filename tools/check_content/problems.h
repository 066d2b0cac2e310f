// The checker's findings: one line each on standard error, after the name of the
// file at fault (the room templates' unless named), counted for the exit status.
#pragma once
#include <cstdint>
#include <string>

void reportProblem(const char* format, ...) __attribute__((format(printf, 1, 2)));
void reportProblemIn(const char* file, const char* format, ...) __attribute__((format(printf, 2, 3)));
int32_t problemCount();

// "mask 3 template 1": a template by its mask and its place among that mask's templates in the file.
std::string templateName(int32_t templateIndex);
// "room (24, 25), mask 5 template 1".
std::string roomName(int32_t roomX, int32_t roomY);
