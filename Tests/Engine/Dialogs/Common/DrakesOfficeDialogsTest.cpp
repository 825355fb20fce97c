// Walks the compiled dialogs of Drake's office: every callback its script
// answers is sent on the story's way; Mabel's first appearance, started three
// times, says its three parts in turn and lets the heroine go at its end; and
// should that appearance have been cut short, talking to Mabel still lets her
// go, without giving twice what the appearance gave.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <vector>

namespace {

constexpr int32_t OFFICE = 26;
constexpr uint32_t TAKING_IT_IN = 0xf7589124;
constexpr uint32_t TALK_MABEL = 0xa469195c;
constexpr uint32_t DOOR_AND_WINDOW_ANSWER = 0x69689394;
constexpr uint32_t CABINET_ANSWERS = 0xb92da68c;

class DrakesOfficeDialogsTest : public SceneDialogsTest {
protected:
    DrakesOfficeDialogsTest()
    {
        UseGroup("bg205_CR_DrakesOfficeInterior.dialogs.dat", OFFICE);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 8);
    }
    static bool Has(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
};

TEST_F(DrakesOfficeDialogsTest, EveryCallbackTheOfficesScriptWaitsForIsSentOnTheStorysWay)
{
    // The story's states in order: before Mabel, once she has shown, with
    // her quest given, with the note found, and with the priest told.
    const int32_t steps[] = {VARBOOL_BG205_C08_EVENT_TAKING_IT_IN, VARBOOL_QUEST_C8_NOTES04,
                             VARBOOL_QUEST_C8_CONSIGNMENT03, VARBOOL_QUEST_C8_JUSTICE03};
    std::set<uint32_t> sent;
    for (size_t iReached = 0; iReached <= std::size(steps); ++iReached) {
        g_VarManager = VarSet {};
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 8);
        for (size_t i = 0; i < iReached; ++i)
            Set(steps[i]);
        for (const uint32_t uDialog : Keys()) {
            const std::vector<uint32_t> callbacks = Walk(uDialog);
            sent.insert(callbacks.begin(), callbacks.end());
        }
    }
    for (const uint32_t uCallback : HandledCallbacks(OFFICE))
        EXPECT_TRUE(sent.count(uCallback)) << std::hex << uCallback;
}

TEST_F(DrakesOfficeDialogsTest, MabelsAppearanceSaysItsThreePartsInTurnAndLetsHerGoAtItsEnd)
{
    EXPECT_EQ(Lines(TAKING_IT_IN), std::vector<uint32_t> {CoreCrc32Of("BG205_COLD_ROOM")});
    Set(VARBOOL_BG205_C08_EVENT_TAKING_IT_IN);

    const std::vector<uint32_t> second = Walk(TAKING_IT_IN);
    EXPECT_TRUE(Has(second, CABINET_ANSWERS));
    EXPECT_FALSE(Has(second, DOOR_AND_WINDOW_ANSWER));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C8_JUSTICE01));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C8_NOTES04));

    EXPECT_TRUE(Has(Walk(TAKING_IT_IN), DOOR_AND_WINDOW_ANSWER));

    // Heard out, she asks nothing of the door or the cabinet again.
    const std::vector<uint32_t> talk = Walk(TALK_MABEL);
    EXPECT_FALSE(Has(talk, DOOR_AND_WINDOW_ANSWER));
    EXPECT_FALSE(Has(talk, CABINET_ANSWERS));
}

TEST_F(DrakesOfficeDialogsTest, CutShortHerAppearanceIsMadeGoodByTalkingToHer)
{
    // Saved between her first words and her quest: the door and the window
    // are held and her quest is not given.
    Set(VARBOOL_BG205_C08_EVENT_TAKING_IT_IN);
    const std::vector<uint32_t> talk = Walk(TALK_MABEL);
    EXPECT_TRUE(Has(talk, DOOR_AND_WINDOW_ANSWER));
    EXPECT_TRUE(Has(talk, CABINET_ANSWERS));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C8_JUSTICE01));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C8_NOTES04));

    // Given once: a second talk only points the way.
    const std::vector<uint32_t> again = Walk(TALK_MABEL);
    EXPECT_FALSE(Has(again, DOOR_AND_WINDOW_ANSWER));
    EXPECT_FALSE(Has(again, CABINET_ANSWERS));
}

TEST_F(DrakesOfficeDialogsTest, SheRestsOnlyOnceSheHasHeardOfBothThePriestAndTheNoteInEitherOrder)
{
    constexpr uint32_t RESTS = 0xe13a8c0f;
    for (const bool bNoteFirst : {true, false}) {
        SCOPED_TRACE(bNoteFirst ? "the note first" : "the priest first");
        g_VarManager = VarSet {};
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 8);
        for (const int32_t iFlag :
             {VARBOOL_BG205_C08_EVENT_TAKING_IT_IN, VARBOOL_QUEST_C8_NOTES04, VARBOOL_QUEST_C8_NOTES04_DONE})
            Set(iFlag);
        Set(bNoteFirst ? VARBOOL_QUEST_C8_CONSIGNMENT03 : VARBOOL_QUEST_C8_JUSTICE03);
        // Told only half, she stays, and the priest's news is not made up.
        EXPECT_FALSE(Has(Walk(TALK_MABEL), RESTS));
        EXPECT_FALSE(Get(VARBOOL_QUEST_C8_NOTES03_DONE));
        EXPECT_EQ(Get(VARBOOL_QUEST_C8_JUSTICE03_DONE), !bNoteFirst);

        Set(bNoteFirst ? VARBOOL_QUEST_C8_JUSTICE03 : VARBOOL_QUEST_C8_CONSIGNMENT03);
        const std::vector<uint32_t> lines = Lines(TALK_MABEL);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), CoreCrc32Of("BG205_PRIEST_HAS_PAPERS")), bNoteFirst ? 1 : 0);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), CoreCrc32Of("BG205_MABEL_RESTS")), 1);
        EXPECT_TRUE(Get(VARBOOL_QUEST_C8_JUSTICE03_DONE));
        EXPECT_TRUE(Get(VARBOOL_QUEST_C8_NOTES03_DONE));
    }
}

} // namespace
