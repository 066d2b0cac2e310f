// White-space separated tokens of the two text files, read one character at a time.
#pragma once
#include <cstdint>
#include <cstdio>

// An open text file being read as tokens. After the first problem (reported at
// once, as one line) the stream is failed: every read returns 0 and reports nothing.
struct TokenStream {
    FILE* file;
    const char* path;
    char place[64];  // what is being read, to start messages with; may be empty
    bool failed;
    char token[30];   // the token being read as written, cut short after 29 characters
    int tokenLength;  // its whole length so far
};

// Opens path in text mode; false (reported) when it cannot.
bool openTokens(TokenStream* in, const char* path);
void closeTokens(TokenStream* in);

// Says what the following reads belong to, such as "template 12".
void setTokenPlace(TokenStream* in, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Reports one problem with the content (once per stream) and fails the stream.
void rejectContent(TokenStream* in, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Every character of a number token counts as a digit, so "1.5" reads as 85;
// a token starting above '9' is a word and reads as -1.
int32_t readInt(TokenStream* in);

// A word reads as -1.0; a number token goes through "%f" into a float, and is
// rejected unless it is a decimal number that the conversion uses whole.
double readFloat(TokenStream* in);

// readInt, rejecting a value outside low..high with a message naming what it is;
// a number beyond 32 bits is rejected rather than wrapped into the range.
bool readIntInRange(TokenStream* in, int32_t low, int32_t high, const char* what, int32_t* value);
