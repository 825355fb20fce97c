// The script manager's save actions reach the game's save slots: leaving the
// start menu's options saves with no current slot, which writes the header
// with the languages and keeps every slot.
#include "Managers/Common/AdventureSaveLink.h"

#include "Common/GameLanguages.h"
#include "Common/IdHash.h"
#include "Engine/Managers/Common/SaveSession.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr uint32_t HEROINE = ActorIdOf("tavrine");
constexpr int32_t CONTROLS = 4;

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

TEST_F(AdventureSaveLinkTest, TheScriptsSlotRequestsReachTheSaveSlotsAndTheSaveFile)
{
    AdventureSaveLink link;
    for (int32_t iSlot = 0; iSlot < NB_SLOT; ++iSlot)
        link.ClearSlot(iSlot);
    EXPECT_TRUE(link.IsSlotEmpty(1));

    // A new game: the slot's words and its copies of the variables agree.
    link.PrepareNewGame(1, HEROINE, CONTROLS, 1);
    const SaveSlotData& slot = *Slots().GetSaveSlot(1);
    EXPECT_EQ(slot.m_uPlayingCharacter, HEROINE);
    EXPECT_EQ(slot.m_iCurrentScene, CONTROLS);
    EXPECT_EQ(slot.m_iChapter, 1);
    EXPECT_EQ(static_cast<uint32_t>(slot.m_aVarInts[VARINT_C_PLAYING_CHARACTER]), HEROINE);
    EXPECT_EQ(slot.m_aVarInts[VARINT_C_CURRENT_SCENE], CONTROLS);
    EXPECT_EQ(slot.m_aVarInts[VARINT_CURRENT_CHAPTER], 1);
    EXPECT_FALSE(link.IsSlotEmpty(1));
    EXPECT_TRUE(link.IsSlotEmpty(2));

    // Saved, copied, then the copy deleted: the file follows.
    link.SaveToBackup(1);
    EXPECT_EQ(WordAt(FileBytes(), SaveSlotOffset(1) + offsetof(SaveSlotData, m_iCurrentScene)),
              static_cast<uint32_t>(CONTROLS));
    EXPECT_TRUE(link.CopySlot(1, 2));
    EXPECT_FALSE(link.IsSlotEmpty(2));
    link.SaveToBackup(2);
    EXPECT_EQ(WordAt(FileBytes(), SaveSlotOffset(2) + offsetof(SaveSlotData, m_iCurrentScene)),
              static_cast<uint32_t>(CONTROLS));
    link.ClearSlot(2);
    link.DeleteFromBackup(2);
    EXPECT_TRUE(link.IsSlotEmpty(2));
    EXPECT_EQ(WordAt(FileBytes(), SaveSlotOffset(2) + offsetof(SaveSlotData, m_iCurrentScene)), 0u);

    link.SetSaveSlotIndex(1);
    EXPECT_EQ(Slots().GetSaveSlotIndex(), 1);
    Restart();
    link.LoadFromBackup();
    EXPECT_FALSE(link.IsSlotEmpty(1));
    EXPECT_EQ(Slots().GetSaveSlot(1)->m_iCurrentScene, CONTROLS);
}

TEST_F(AdventureSaveLinkTest, ASlotThatIsNotOneOfTheThreeIsRefusedWithALineAndChangesNothing)
{
    AdventureSaveLink link;
    link.SetSaveSlotIndex(0);
    const std::vector<uint8_t> before = FileBytes();
    m_log.Take();
    // -1 is no slot at all: a save without a slot writes the header alone.
    for (const int32_t iSlot : {-2, 3}) {
        link.SaveToBackup(iSlot);
        link.ClearSlot(iSlot);
        link.DeleteFromBackup(iSlot);
        link.PrepareNewGame(iSlot, HEROINE, CONTROLS, 1);
        link.SetSaveSlotIndex(iSlot);
        EXPECT_TRUE(link.IsSlotEmpty(iSlot));
        EXPECT_FALSE(link.CopySlot(0, iSlot));
        EXPECT_FALSE(link.CopySlot(iSlot, 0));
        const std::string log = m_log.Take();
        for (const char* request : {"SaveToBackup", "ClearSlot", "DeleteFromBackup", "PrepareNewGame",
                                    "SetSaveSlotIndex", "IsSlotEmpty", "CopySlot"}) {
            const std::string line = "No save slot " + std::to_string(iSlot) + ": " + request + " refused\n";
            EXPECT_NE(log.find(line), std::string::npos) << line << log;
        }
        EXPECT_EQ(log.find("ASSERT"), std::string::npos) << log;
    }
    EXPECT_EQ(Slots().GetSaveSlotIndex(), 0);
    EXPECT_EQ(FileBytes(), before);
}

TEST(AdventureSaveLinkWithoutSlotsTest, EveryRequestIsRefusedWithALine)
{
    TestSupport::LogCapture log;
    AdventureSaveLink link;
    link.LoadFromBackup();
    link.SaveToBackup(0);
    EXPECT_TRUE(link.IsSlotEmpty(0));
    EXPECT_FALSE(link.CopySlot(0, 1));
    const std::string text = log.Take();
    for (const char* line : {"No save slots: LoadFromBackup refused\n", "No save slots: SaveToBackup(0) refused\n",
                             "No save slots: IsSlotEmpty(0) refused\n", "No save slots: CopySlot(0) refused\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
}

} // namespace
