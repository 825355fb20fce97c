// Subtitle files: the item that shows at a movie time, and damaged files.
#include "States/Common/DkSubTitle.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Row {
    uint32_t textId, start, end;
};

std::vector<uint8_t> SubtitleFile(int32_t count, const std::vector<Row>& rows)
{
    std::vector<uint8_t> bytes;
    const auto word = [&bytes](uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(uint8_t(value >> shift));
    };
    word(uint32_t(count));
    for (const Row& row : rows) {
        word(row.textId);
        word(row.start);
        word(row.end);
    }
    return bytes;
}

TEST(DkSubTitleTest, TheFirstItemInFileOrderWhoseSpanHoldsTheTimeIsCurrent)
{
    // [0, 2000) and [2000, 4000) back to back; a late item overlapping the
    // second; an item with no text.
    const std::vector<uint8_t> file =
        SubtitleFile(4, {{0x11, 0, 2000}, {0x22, 2000, 4000}, {0x33, 3000, 5000}, {DkSubTitle::NO_TEXT, 6000, 7000}});
    DkSubTitle subtitles;
    ASSERT_TRUE(subtitles.Initialize(file.data(), uint32_t(file.size()), "video/test.tw.sub"));
    ASSERT_EQ(subtitles.GetItemCount(), 4);
    EXPECT_EQ(subtitles.GetItems()[1].m_uStart, 2000u) << "the file's order (id, start, end) is rearranged";
    EXPECT_EQ(subtitles.GetItems()[1].m_uEnd, 4000u);
    EXPECT_EQ(subtitles.GetItems()[1].m_uTextId, 0x22u);
    EXPECT_EQ(subtitles.GetCurrentIndex(), -1);
    const struct {
        uint32_t time;
        int32_t item;
    } times[] = {{0, 0},    {1999, 0},  {2000, 1}, {3500, 1},  {3999, 1},
                 {4000, 2}, {5000, -1}, {6500, 3}, {7000, -1}, {0xFFFFFFFF, -1}};
    for (const auto& row : times) {
        subtitles.Update(row.time);
        EXPECT_EQ(subtitles.GetCurrentIndex(), row.item) << row.time << " ms";
    }
    subtitles.Release();
    subtitles.Update(0);
    EXPECT_EQ(subtitles.GetCurrentItem(), nullptr);
}

TEST(DkSubTitleTest, ACountOfZeroOrLessGivesNoItems)
{
    for (int32_t count : {0, -1, INT32_MIN}) {
        const std::vector<uint8_t> file = SubtitleFile(count, {{1, 0, 10}});
        DkSubTitle subtitles;
        EXPECT_TRUE(subtitles.Initialize(file.data(), uint32_t(file.size()), "video/test.tw.sub"));
        EXPECT_EQ(subtitles.GetItemCount(), 0);
        subtitles.Update(5);
        EXPECT_EQ(subtitles.GetCurrentItem(), nullptr);
    }
}

TEST(DkSubTitleTest, EveryTruncationAndAnOverstatedCountAreRefusedWithTheFilesName)
{
    const std::vector<uint8_t> file = SubtitleFile(2, {{1, 0, 10}, {2, 10, 20}});
    for (size_t size = 0; size < file.size(); ++size) {
        DkSubTitle subtitles;
        TestSupport::LogCapture log;
        EXPECT_FALSE(subtitles.Initialize(file.data(), uint32_t(size), "video/cut.tw.sub")) << size;
        EXPECT_TRUE(log.Contains("video/cut.tw.sub")) << size;
        EXPECT_EQ(subtitles.GetItemCount(), 0);
        EXPECT_EQ(subtitles.GetItems(), nullptr);
    }
    // A huge count in a short file allocates nothing.
    const std::vector<uint8_t> lying = SubtitleFile(0x7FFFFFFF, {{1, 0, 10}});
    DkSubTitle subtitles;
    TestSupport::LogCapture log;
    EXPECT_FALSE(subtitles.Initialize(lying.data(), uint32_t(lying.size()), "video/lying.tw.sub"));
    EXPECT_TRUE(log.Contains("video/lying.tw.sub"));
}

} // namespace
