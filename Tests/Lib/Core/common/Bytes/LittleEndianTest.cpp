#include "Bytes/LittleEndian.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The low byte comes first whatever the host's order, at any alignment, and
// nothing beside the word is touched.
TEST(LittleEndianTest, WordsAreLowByteFirstAtAnyOffset)
{
    for (size_t offset = 0; offset < 4; ++offset) {
        std::vector<uint8_t> bytes(9, 0xEE);
        WriteWord(bytes.data(), offset + 1, 0x12345678u);
        EXPECT_EQ(bytes[offset], 0xEE);
        EXPECT_EQ(bytes[offset + 1], 0x78);
        EXPECT_EQ(bytes[offset + 4], 0x12);
        EXPECT_EQ(bytes[offset + 5], 0xEE);
        EXPECT_EQ(ReadWord(bytes.data(), offset + 1), 0x12345678u);
    }
    const uint8_t high[] = {0x00, 0x00, 0x00, 0x80};
    EXPECT_EQ(ReadWord(high, 0), 0x80000000u);
}

} // namespace
