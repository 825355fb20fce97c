#include "Scene/Common/SerialStream.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TestSupport::LogCapture;

TEST(SerialStreamTest, ChunkHeaderTakesItsIdBigEndianAndItsSizeLittleEndian)
{
    const uint8_t bytes[] = {0x44, 0x54, 0x4F, 0x43, 0x10, 0x00, 0x00, 0x00};
    SerialStream stream(bytes, sizeof bytes, "chunk.dat");
    const SerialChunkHeader header = stream.ReadChunkHeader();
    EXPECT_EQ(header.m_iId, SERIALSTREAM_MAKE_ID('D', 'T', 'O', 'C'));
    EXPECT_EQ(header.m_iId, 0x44544F43u);
    EXPECT_EQ(header.m_iSize, 16u);
    EXPECT_EQ(stream.GetPosition(), 8u);
    EXPECT_TRUE(stream.IsGood());
}

TEST(SerialStreamTest, WordsReadTheSameAtEveryAlignment)
{
    for (size_t offset = 0; offset < 4; ++offset) {
        std::vector<uint8_t> bytes(offset, 0xEE);
        for (uint8_t byte : {0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0x80})
            bytes.push_back(byte);
        SerialStream stream(bytes.data(), bytes.size(), "words.dat");
        for (size_t i = 0; i < offset; ++i)
            stream.ReadU8();
        EXPECT_EQ(stream.ReadU32(), 0x12345678u) << offset;
        EXPECT_EQ(stream.ReadS16(), -2) << offset;
        EXPECT_EQ(stream.ReadU8(), 0x80u) << offset;
        EXPECT_TRUE(stream.IsGood());
    }
}

TEST(SerialStreamTest, AlignmentMovesToTheNextMultipleOfFourOnly)
{
    const uint8_t bytes[12] = {};
    const struct {
        size_t start;
        size_t aligned;
    } cases[] = {{0, 0}, {1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 8}, {8, 8}, {11, 12}};
    for (const auto& row : cases) {
        SerialStream stream(bytes, sizeof bytes, "align.dat");
        std::vector<uint8_t> skipped(row.start);
        stream.ReadBytes(skipped.data(), skipped.size());
        stream.Align4();
        EXPECT_EQ(stream.GetPosition(), row.aligned) << row.start;
        EXPECT_TRUE(stream.IsGood());
    }
}

TEST(SerialStreamTest, ReadsPastTheEndGiveZerosFailTheStreamAndLogOnce)
{
    const uint8_t bytes[] = {1, 2, 3};
    SerialStream stream(bytes, sizeof bytes, "short.dat");
    uint32_t word = 1;
    uint8_t name[4] = {9, 9, 9, 9};
    LogCapture capture;
    word = stream.ReadU32();
    EXPECT_EQ(stream.ReadU8(), 0u);
    EXPECT_FALSE(stream.ReadBytes(name, sizeof name));
    EXPECT_EQ(stream.ReadString(), nullptr);
    EXPECT_EQ(stream.ReadChunkHeader().m_iId, 0u);
    const std::string log = capture.Take();
    EXPECT_EQ(word, 0u);
    EXPECT_EQ(name[0], 0u);
    EXPECT_FALSE(stream.IsGood());
    // The cursor stays where the file ran out.
    EXPECT_EQ(stream.GetPosition(), 0u);
    EXPECT_EQ(log, "SerialStream -- \"short.dat\" is truncated: 4 bytes needed at offset 0 of 3\n");
}

TEST(SerialStreamTest, TextsEndInsideTheFileOrFail)
{
    const uint8_t bytes[] = {'s', 'e', 'a', 0, 0, 'r', 'o'};
    SerialStream stream(bytes, sizeof bytes, "names.dat");
    EXPECT_STREQ(stream.ReadString(), "sea");
    EXPECT_STREQ(stream.ReadString(), "");
    EXPECT_EQ(stream.GetPosition(), 5u);
    LogCapture capture;
    EXPECT_EQ(stream.ReadString(), nullptr);
    const std::string log = capture.Take();
    EXPECT_FALSE(stream.IsGood());
    EXPECT_EQ(log, "SerialStream -- \"names.dat\" is truncated: 3 bytes needed at offset 5 of 7\n");
}

TEST(SerialStreamTest, CountsAreCheckedAgainstWhatRemains)
{
    const uint8_t bytes[16] = {};
    const struct {
        uint64_t count;
        uint64_t size;
        bool room;
    } cases[] = {{0, 12, true}, {4, 4, true}, {1, 16, true}, {5, 4, false}, {0xFFFFFFFF, 0xFFFFFFFF, false}};
    for (const auto& row : cases) {
        SerialStream stream(bytes, sizeof bytes, "counts.dat");
        bool room = false;
        {
            LogCapture capture;
            room = stream.HasRoomFor(row.count, row.size);
        }
        EXPECT_EQ(room, row.room) << row.count << " x " << row.size;
        EXPECT_EQ(stream.IsGood(), row.room);
        EXPECT_EQ(stream.GetPosition(), 0u);
    }
}

TEST(SerialStreamTest, AnEmptyFileFailsItsFirstRead)
{
    SerialStream stream(nullptr, 0, "empty.dat");
    LogCapture capture;
    EXPECT_EQ(stream.ReadString(), nullptr);
    const std::string log = capture.Take();
    EXPECT_FALSE(stream.IsGood());
    EXPECT_EQ(log, "SerialStream -- \"empty.dat\" is truncated: 1 bytes needed at offset 0 of 0\n");
}

} // namespace
