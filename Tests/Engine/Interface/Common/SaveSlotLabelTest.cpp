// The label of a save slot: the empty-slot text, or the localised label with
// the slot's chapter and play time.
#include "Interface/Common/SaveSlotLabel.h"

#include "Managers/Common/SaveSlotData.h"
#include "Support/HandMadeTextTable.h"
#include "Utils/Common/DkLocalizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class SaveSlotLabelTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(g_oDkLocalizer.Initialize(m_aBanks)); }
    void TearDown() override { g_oDkLocalizer.Release(); }

    // The label text in the table; the empty-slot text beside it.
    void UseLabel(const std::string& label)
    {
        m_table = TestSupport::HandMadeTextTable({{EMPTY_SLOT_TEXT, "Empty"}, {SLOT_LABEL_TEXT, label}});
        g_oDkLocalizer.Release();
        ASSERT_TRUE(g_oDkLocalizer.Initialize(m_aBanks));
        ASSERT_NE(g_oDkLocalizer.AddBank("labels", m_table.data(), uint32_t(m_table.size())), -1);
    }

    static SaveSlotData Played(int32_t chapter, uint64_t milliseconds)
    {
        SaveSlotData slot {};
        slot.m_iCurrentScene = 9;
        slot.m_iChapter = chapter;
        slot.SetPlayTime(milliseconds);
        return slot;
    }

private:
    DkLocalizerBank m_aBanks[DkLocalizer::BANK_COUNT] = {};
    std::vector<uint8_t> m_table;
};

TEST_F(SaveSlotLabelTest, AnEmptySlotShowsTheEmptySlotTextAndAPlayedOneItsChapterAndTime)
{
    UseLabel("Chapter %d - %dh%02d");
    EXPECT_STREQ(GetSaveSlotLabel(SaveSlotData {}), "Empty");
    EXPECT_STREQ(GetSaveSlotLabel(Played(2, 3725000)), "Chapter 2 - 1h02");
    EXPECT_STREQ(GetSaveSlotLabel(Played(10, 0)), "Chapter 10 - 0h00");
    // Hours go on past a day; minutes stay within the hour; 64-bit times.
    EXPECT_STREQ(GetSaveSlotLabel(Played(9, 100ull * 3600000 + 59 * 60000 + 59999)), "Chapter 9 - 100h59");
    EXPECT_STREQ(GetSaveSlotLabel(Played(1, 0x100000000ull)), "Chapter 1 - 1193h02");
}

TEST_F(SaveSlotLabelTest, TheLocalisedLabelIsNeverUsedAsAFormat)
{
    const struct {
        const char* label;
        const char* shown;
    } cases[] = {
        // More conversions than values, and ones that would read a pointer.
        {"%d %d %d %d %s %n %p", "2 1 2 %d %s %n %p"},
        {"100%% %i/%u", "100% 2/1"},
        {"%5d|%-3d|%", "    2|%-3d|%"},
        {"%", "%"},
        {"", ""},
        {"%l", "%l"},
    };
    for (const auto& oneCase : cases) {
        UseLabel(oneCase.label);
        EXPECT_STREQ(GetSaveSlotLabel(Played(2, 3725000)), oneCase.shown) << oneCase.label;
    }
}

TEST_F(SaveSlotLabelTest, ALongLabelIsCutToTheBufferAndTerminated)
{
    UseLabel(std::string(300, 'x') + "%d");
    EXPECT_EQ(std::string(GetSaveSlotLabel(Played(2, 0))), std::string(255, 'x'));
    UseLabel("%99d");
    EXPECT_EQ(std::string(GetSaveSlotLabel(Played(2, 0))), std::string(98, ' ') + "2");
}

} // namespace
