#include "Utils/Common/Utf8.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Decodes every code point up to and including the first 0, and how many
// bytes each one took.
std::vector<std::pair<uint32_t, int>> Decode(const std::string& bytes)
{
    std::vector<std::pair<uint32_t, int>> out;
    const char* text = bytes.c_str();
    for (;;) {
        const char* before = text;
        const uint32_t c = Utf8DecodeNext(&text);
        out.push_back({c, int(text - before)});
        if (c == 0)
            return out;
    }
}

TEST(Utf8Test, EachLeadByteGivesItsLengthAndValue)
{
    using Decoded = std::vector<std::pair<uint32_t, int>>;
    struct Case {
        const char* what;
        std::string bytes;
        Decoded expected;
    };
    const std::vector<Case> cases = {
        {"ascii", "A~", {{'A', 1}, {'~', 1}, {0, 1}}},
        {"two bytes", "\xC3\xA9", {{0xE9, 2}, {0, 1}}},
        {"three bytes", "\xE2\x82\xAC", {{0x20AC, 3}, {0, 1}}},
        {"four bytes", "\xF0\x9F\x98\x80", {{0x1F600, 4}, {0, 1}}},
        {"private use icon", "\xEE\x80\x81", {{0xE001, 3}, {0, 1}}},
        {"stray continuation byte",
         "\x80"
         "a",
         {{0x80, 1}, {'a', 1}, {0, 1}}},
        {"lead bytes F8 to FF", "\xF8\xFF", {{0xF8, 1}, {0xFF, 1}, {0, 1}}},
        // Continuation bytes are taken by their low six bits, unchecked.
        {"unchecked continuation",
         "\xC3"
         "A",
         {{0xC1, 2}, {0, 1}}},
        // A sequence cut short by the end of the string does not run past it.
        {"cut two-byte sequence", "\xC3", {{0xC3, 1}, {0, 1}}},
        {"cut four-byte sequence", "\xF0\x9F\x98", {{0xF0, 1}, {0x9F, 1}, {0x98, 1}, {0, 1}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Decode(c.bytes), c.expected) << c.what;
}

TEST(Utf8Test, ANulByteIsSteppedOverLikeAnyOther)
{
    const char text[] = {'a', 0, 'b', 0};
    const char* position = text;
    EXPECT_EQ(Utf8DecodeNext(&position), uint32_t('a'));
    EXPECT_EQ(Utf8DecodeNext(&position), 0u);
    EXPECT_EQ(Utf8DecodeNext(&position), uint32_t('b'));
    EXPECT_EQ(position, text + 3);
}

TEST(Utf8Test, EncodingTakesTwoToFourBytesAndDecodesBack)
{
    for (uint32_t c : {0x80u, 0x7FFu, 0x800u, 0x20ACu, 0xFFFFu, 0x10000u, 0x1F600u, 0x10FFFFu}) {
        char bytes[8] = {};
        const char* end = Utf8EncodeChar(bytes, c);
        EXPECT_EQ(uint32_t(end - bytes), Utf8EncodedLength(c)) << c;
        EXPECT_EQ(Decode(bytes), (std::vector<std::pair<uint32_t, int>> {{c, int(end - bytes)}, {0, 1}})) << c;
    }
}

TEST(Utf8Test, CopyingCodePointsFillsMissingOnesWithZerosAndNeverSplitsOne)
{
    struct Case {
        const char* what;
        std::string source;
        int32_t count;
        size_t capacity;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"a short source",
         "\xC3\xA9"
         "1",
         3, 16,
         std::string("\xC3\xA9"
                     "1\0",
                     4)},
        {"the first code points",
         "ab\xE2\x82\xAC"
         "cd",
         3, 16, "ab\xE2\x82\xAC"},
        {"a stray byte is re-encoded", "\x80", 1, 16, "\xC2\x80"},
        {"a sequence that does not fit", "ab\xE2\x82\xAC", 3, 4, "ab"},
        {"zeros as far as they fit", "a", 5, 3, std::string("a\0\0", 3)},
        {"nothing to copy", "abc", 0, 16, ""},
    };
    for (const Case& c : cases) {
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        const char* end = Utf8CopyCodePoints(c.source.c_str(), c.count, buffer, c.capacity);
        EXPECT_EQ(std::string(buffer, size_t(end - buffer)), c.expected) << c.what;
        EXPECT_EQ(buffer[end - buffer], '#') << c.what;
    }
    char buffer[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(Utf8CopyCodePoints(nullptr, 3, buffer, sizeof buffer), buffer);
    EXPECT_EQ(buffer[0], '#');
}

TEST(Utf8Test, TheFittingLengthEndsOnAWholeCodePoint)
{
    const char* text = "a\xC3\xA9\xE2\x82\xAC";
    const size_t expected[] = {0, 1, 1, 3, 3, 3, 6, 6};
    for (size_t maxBytes = 0; maxBytes < std::size(expected); ++maxBytes)
        EXPECT_EQ(Utf8FittingLength(text, maxBytes), expected[maxBytes]) << maxBytes;
}

} // namespace
