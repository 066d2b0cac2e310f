#include "content/content_error.h"

#include <cstdarg>
#include <cstdio>

void reportContentError(const char* path, const char* format, ...) {
    char problem[512];
    va_list args;
    va_start(args, format);
    vsnprintf(problem, sizeof problem, format, args);
    va_end(args);
    fprintf(stderr, "%s: %s\n", path, problem);
}
