#include "tools/check_content/problems.h"

#include <cstdarg>
#include <cstdio>

#include "shell/world.h"

namespace {

constexpr const char* TemplateFile = "data/map.txt";

int32_t problems = 0;

void report(const char* file, const char* format, va_list args) {
    fprintf(stderr, "%s: ", file);
    vfprintf(stderr, format, args);
    fputc('\n', stderr);
    problems++;
}

}  // namespace

void reportProblem(const char* format, ...) {
    va_list args;
    va_start(args, format);
    report(TemplateFile, format, args);
    va_end(args);
}

void reportProblemIn(const char* file, const char* format, ...) {
    va_list args;
    va_start(args, format);
    report(file, format, args);
    va_end(args);
}

int32_t problemCount() { return problems; }

std::string templateName(int32_t templateIndex) {
    int32_t mask = world->roomTemplates[templateIndex].doorMask;
    return "mask " + std::to_string(mask) + " template " +
           std::to_string(templateIndex - world->firstTemplateByMask[mask]);
}

std::string roomName(int32_t roomX, int32_t roomY) {
    return "room (" + std::to_string(roomX) + ", " + std::to_string(roomY) + "), " +
           templateName(world->maze[roomX][roomY].templateIndex);
}
