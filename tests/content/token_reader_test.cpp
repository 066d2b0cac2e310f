#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "content/token_reader.h"
#include "tests/support/scratch.h"

namespace {

// Opens text written into a scratch file as a token stream.
class Tokens {
public:
    explicit Tokens(const std::string& text) : path(dir.write("tokens.txt", text)) {
        opened = openTokens(&stream, path.c_str());
    }
    ~Tokens() { closeTokens(&stream); }

    ScratchDir dir;
    std::string path;
    TokenStream stream;
    bool opened;
};

struct IntCase {
    const char* text;
    std::vector<int32_t> values;
};

TEST(ReadInt, FollowsTheTokenRules) {
    const IntCase cases[] = {
        {"12 -7 ", {12, -7}},
        {"-15\n", {-15}},
        {"1.5 ", {85}},                      // every character counts as a digit
        {"room 3 ", {-1, 3}},                // a word reads as -1
        {"9x ", {162}},                      // 'x' starts no word inside a number
        {"a\t5\r\n6   7\n", {-1, 5, 6, 7}},  // tab, CR LF and several spaces
        {"- 4 ", {0, 4}},                    // a lone minus is an empty number
        {"\xc8" "1 ", {-1039}},              // byte 200 is negative, not above '9'
        {"4294967297 ", {1}},                // wraps like 32-bit arithmetic
        {"-0000000000000000000000000012 ", {-12}},  // 29 characters, the longest allowed
        {"42", {42}},                        // the end of the file ends the last token
    };
    for (const IntCase& c : cases) {
        Tokens tokens(c.text);
        ASSERT_TRUE(tokens.opened);
        for (int32_t expected : c.values) EXPECT_EQ(readInt(&tokens.stream), expected) << c.text;
        EXPECT_FALSE(tokens.stream.failed) << c.text;
    }
}

struct FloatCase {
    const char* text;
    double value;
};

TEST(ReadFloat, ConvertsNumberTokensToSinglePrecision) {
    const FloatCase cases[] = {
        {"10 ", 10.0},
        {"-4\t", -4.0},
        {"0.1 ", double(0.1f)},  // single precision, widened
        {"walk ", -1.0},
        {"1.5abc ", 1.5},        // "%f" takes the number at the front
        {"1.000000000000000000000000000\n", 1.0},  // 29 characters, the longest allowed
        {"2.5", 2.5},
    };
    for (const FloatCase& c : cases) {
        Tokens tokens(c.text);
        EXPECT_EQ(readFloat(&tokens.stream), c.value) << c.text;
        EXPECT_FALSE(tokens.stream.failed) << c.text;
    }
}

struct FailureCase {
    const char* text;
    bool asFloat;
    const char* message;  // after "<path>: "
};

TEST(TokenReaders, ReportOneLineAndStopAtBadTokens) {
    const FailureCase cases[] = {
        {"", false, "file ends early"},
        {" \r\n\t", true, "file ends early"},
        {"- ", true, "\"-\" is not a number"},
        {". ", true, "\".\" is not a number"},
        {"1.0000000000000000000000000000 ", true, "a number token is longer than 29 characters"},
        {"-00000000000000000000000000012 ", false, "a number token is longer than 29 characters"},
    };
    for (const FailureCase& c : cases) {
        Tokens tokens(c.text);
        testing::internal::CaptureStderr();
        double first = c.asFloat ? readFloat(&tokens.stream) : readInt(&tokens.stream);
        double after = readFloat(&tokens.stream) + readInt(&tokens.stream);
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(tokens.stream.failed) << c.text;
        EXPECT_EQ(first, 0.0) << c.text;
        EXPECT_EQ(after, 0.0) << c.text;
        EXPECT_EQ(err, tokens.path + ": " + c.message + "\n") << c.text;
    }
}

// Only a regular file is read: a FIFO would block and /dev/zero never end.
TEST(TokenReaders, MissingAndIrregularFilesAreRefusedAtOnce) {
    ScratchDir dir;
    const std::string path = dir.path() + "/file.txt";
    const struct {
        int (*make)(const char* path);
        const char* message;  // after "<path>: "
    } cases[] = {
        {[](const char*) { return 0; }, "cannot open (No such file or directory)"},
        {[](const char* p) { return mkdir(p, 0755); }, "cannot be read (Is a directory)"},
        {[](const char* p) { return mkfifo(p, 0644); }, "is a FIFO, not a regular file"},
        {[](const char* p) { return symlink("/dev/zero", p); }, "is a device, not a regular file"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.make(path.c_str()), 0) << c.message;
        TokenStream stream;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(openTokens(&stream, path.c_str()));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), path + ": " + c.message + "\n");
        remove(path.c_str());
    }
}

}  // namespace
