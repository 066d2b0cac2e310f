// The one way the loaders tell the content author what is wrong.
#pragma once

// Prints "path: problem" as one line on standard error.
void reportContentError(const char* path, const char* format, ...) __attribute__((format(printf, 2, 3)));
