// The script manager's save actions reach the game's save slots: leaving the
// start menu's options saves with no current slot, which writes the header
// with the languages and keeps every slot.
#include "Engine/Managers/Common/SaveSession.h"
#include "Common/GameLanguages.h"
#include "Managers/Common/AdventureSaveLink.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using AdventureSaveLinkTest = SaveSession;

TEST_F(AdventureSaveLinkTest, SavingWithoutACurrentSlotWritesTheLanguagesAndKeepsTheSlots)
{
    AdventureSaveLink link;
    const std::vector<uint8_t> before = FileBytes();
    g_oTwGame.m_iGameLanguage = LANGUAGE_IT_IT;
    g_oTwGame.m_iVoiceLanguage = LANGUAGE_DE_DE;
    m_log.Take();
    link.SaveToBackup(INVALID_SLOT);

    const std::vector<uint8_t> after = FileBytes();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(WordAt(after, 0x14), uint32_t(LANGUAGE_IT_IT));
    EXPECT_EQ(WordAt(after, 0x18), uint32_t(LANGUAGE_DE_DE));
    EXPECT_TRUE(std::equal(after.begin() + 0x28, after.end(), before.begin() + 0x28));
    EXPECT_FALSE(m_log.Contains("refused")) << m_log.Take();

    // The next start reads them back.
    g_oTwGame.m_iGameLanguage = LANGUAGE_EN_GB;
    Restart();
    link.LoadFromBackup();
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_GAME_LANGUAGE), LANGUAGE_IT_IT);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_VOICE_LANGUAGE), LANGUAGE_DE_DE);
}

TEST_F(AdventureSaveLinkTest, SlotRequestsOutsideTheThreeSlotsAreRefusedByName)
{
    AdventureSaveLink link;
    const std::vector<uint8_t> before = FileBytes();
    m_log.Take();
    link.SaveToBackup(3);
    link.ClearSlot(-1);
    EXPECT_FALSE(link.CopySlot(0, 5));
    EXPECT_EQ(FileBytes(), before);
    EXPECT_TRUE(m_log.Contains("No save slot 3: SaveToBackup refused\n"));
    EXPECT_TRUE(m_log.Contains("No save slot -1: ClearSlot refused\n"));
    EXPECT_TRUE(m_log.Contains("No save slot 5: CopySlot refused\n"));
}

} // namespace
