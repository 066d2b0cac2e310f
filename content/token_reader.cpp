#include "content/token_reader.h"

#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstring>

#include "content/content_error.h"
#include "content/data_file.h"

namespace {

constexpr int NumberTokenSize = 30;               // buffer of a number token, its terminator included
constexpr int64_t ExactLimit = int64_t(1) << 32;  // past it a number never gets back into 32 bits

// Characters compare as signed bytes: bytes 128..255 sort below every digit.
bool isTokenSpace(int8_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Keeps a character of the token being read, as far as the buffer goes.
void keep(TokenStream* in, int8_t c) {
    if (in->tokenLength < NumberTokenSize - 1) in->token[in->tokenLength] = char(c);
    in->tokenLength++;
    in->token[in->tokenLength < NumberTokenSize - 1 ? in->tokenLength : NumberTokenSize - 1] = '\0';
}

// Skips white space up to the first character of a token; false (reported)
// when the file ends or cannot be read first.
bool startToken(TokenStream* in, int8_t* first) {
    if (in->failed) return false;
    int c;
    do {
        c = getc(in->file);
    } while (c != EOF && isTokenSpace(int8_t(c)));
    if (c != EOF) {
        *first = int8_t(c);
        in->tokenLength = 0;
        keep(in, *first);
        return true;
    }
    if (ferror(in->file)) {
        rejectContent(in, "cannot be read (%s)", strerror(errno));
    } else {
        rejectContent(in, "file ends early");
    }
    return false;
}

// The next character of the current token; false once the white space after
// it has been consumed. The end of the file ends the last token too.
bool tokenGoesOn(TokenStream* in, int8_t* c) {
    int next = getc(in->file);
    if (next == EOF) return false;
    *c = int8_t(next);
    if (isTokenSpace(*c)) return false;
    keep(in, *c);
    return true;
}

// Number tokens are capped, so that a file of digits fails at once.
bool numberTooLong(TokenStream* in) {
    if (in->tokenLength < NumberTokenSize) return false;
    rejectContent(in, "a number token is longer than %d characters", NumberTokenSize - 1);
    return true;
}

enum TokenKind { NoToken, WordToken, NumberToken };

// Starts the next token; a word is read through, a number is left to the caller.
TokenKind startNumber(TokenStream* in, int8_t* first) {
    if (!startToken(in, first)) return NoToken;
    if (*first <= '9') return NumberToken;
    int8_t c;
    while (tokenGoesOn(in, &c)) {
    }
    return WordToken;
}

// A number token by readInt's rules. The value wraps like 32-bit arithmetic; *fits
// says whether the number itself lies in the 32-bit range.
int32_t readNumber(TokenStream* in, bool* fits) {
    *fits = true;
    int8_t c;
    TokenKind kind = startNumber(in, &c);
    if (kind != NumberToken) return kind == WordToken ? -1 : 0;
    bool negative = c == '-';
    bool more = negative ? tokenGoesOn(in, &c) : true;
    // Unsigned, so that an overlong number wraps instead of overflowing. The exact
    // value goes beside it until it is too large ever to come back into range.
    uint32_t value = 0;
    int64_t exact = 0;
    while (more) {
        if (numberTooLong(in)) return 0;
        value = value * 10 + uint32_t(c - '0');
        if (*fits) {
            exact = exact * 10 + (c - '0');
            *fits = exact > -ExactLimit && exact < ExactLimit;
        }
        more = tokenGoesOn(in, &c);
    }
    if (negative) exact = -exact;
    *fits = *fits && exact >= INT32_MIN && exact <= INT32_MAX;
    return int32_t(negative ? 0u - value : value);
}

}  // namespace

bool openTokens(TokenStream* in, const char* path) {
    in->path = path;
    in->place[0] = '\0';
    in->failed = false;
    in->file = openTextFile(path);
    in->failed = !in->file;
    return in->file != nullptr;
}

void closeTokens(TokenStream* in) {
    if (in->file) fclose(in->file);
    in->file = nullptr;
}

void setTokenPlace(TokenStream* in, const char* format, ...) {
    va_list args;
    va_start(args, format);
    vsnprintf(in->place, sizeof in->place, format, args);
    va_end(args);
}

void rejectContent(TokenStream* in, const char* format, ...) {
    if (in->failed) return;
    in->failed = true;
    char problem[256];
    va_list args;
    va_start(args, format);
    vsnprintf(problem, sizeof problem, format, args);
    va_end(args);
    if (in->place[0]) {
        reportContentError(in->path, "%s: %s", in->place, problem);
    } else {
        reportContentError(in->path, "%s", problem);
    }
}

int32_t readInt(TokenStream* in) {
    bool fits;
    return readNumber(in, &fits);
}

double readFloat(TokenStream* in) {
    int8_t c;
    TokenKind kind = startNumber(in, &c);
    if (kind != NumberToken) return kind == WordToken ? -1.0 : 0.0;
    do {
        if (numberTooLong(in)) return 0.0;
    } while (tokenGoesOn(in, &c));
    // "%f" stops at the first character it cannot use and takes hexadecimal too: "1.5abc",
    // "-1,7062" (a decimal comma) and "0x10" would read as plainly wrong numbers.
    float value;
    int used = 0;
    if (sscanf(in->token, "%f%n", &value, &used) != 1 || in->token[used] != '\0' || strpbrk(in->token, "xX")) {
        rejectContent(in, "\"%s\" is not a decimal number", in->token);
        return 0.0;
    }
    // An infinite or undefined joint value would send the figure's part off the screen.
    if (!std::isfinite(value)) {
        rejectContent(in, "\"%s\" is not a finite number", in->token);
        return 0.0;
    }
    return value;
}

bool readIntInRange(TokenStream* in, int32_t low, int32_t high, const char* what, int32_t* value) {
    bool fits;
    *value = readNumber(in, &fits);
    if (in->failed) return false;
    if (!fits) {
        rejectContent(in, "%s is outside %d..%d (beyond 32 bits)", what, low, high);
        return false;
    }
    if (*value < low || *value > high) {
        // As written, and what the token rules made of it when that is not the same.
        char read[16];
        snprintf(read, sizeof read, "%d", *value);
        if (strcmp(read, in->token) == 0) {
            rejectContent(in, "%s %s is outside %d..%d", what, in->token, low, high);
        } else {
            rejectContent(in, "%s %s (read as %d) is outside %d..%d", what, in->token, *value, low, high);
        }
        return false;
    }
    return true;
}
