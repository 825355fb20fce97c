// The quest tab in the menu: the alert when an entry opens, its portrait and
// texts, the arrows, and an entry that closes before it is drawn.
#include "Engine/Interface/Common/MenuTabWorld.h"

#include "Common/VarIds.h"
#include "Interface/Common/InterfaceQuest.h"
#include "Texture/CoreTextureManager.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace MenuTabTest;

constexpr fx32 AWAY_X = 250 * U;
constexpr fx32 AWAY_Y = 185 * U;

class QuestTabTest : public testing::Test {
protected:
    void Frame() { m_world.Frame(AWAY_X, AWAY_Y, false); }
    InterfaceQuest& Quest() { return m_world.Menu().GetQuest(); }
    InterfaceButton& Button(int32_t iEntry) { return m_world.Menu().GetButton(iEntry); }
    static int CountColour(const RecordingTextRenderer& text, uint32_t colour)
    {
        return static_cast<int>(std::count_if(text.glyphs.begin(), text.glyphs.end(),
                                              [colour](const auto& glyph) { return glyph.colour == colour; }));
    }

    MenuTabWorld m_world;
};

TEST_F(QuestTabTest, OpeningAnEntryByItsFlagRaisesTheAlertOnceWithItsSound)
{
    g_VarManager.SetBool(VARBOOL_QUEST_C1_CHORES, 1);
    // The first frame after start-up never raises it.
    Frame();
    EXPECT_FALSE(m_world.Menu().GetQuestAlert().m_bActive);
    EXPECT_EQ(Quest().GetLog().GetOpenCount(), 1);

    g_VarManager.SetBool(VARBOOL_QUEST_C1_PLAY01, 1);
    Frame();
    EXPECT_TRUE(m_world.Menu().GetQuestAlert().m_bActive);
    Frame();
    Frame();
    EXPECT_EQ(
        std::count(m_world.Services().effects.begin(), m_world.Services().effects.end(), InterfaceMenu::ALERT_SOUND),
        1);
    // The heroine's entries are not the kid's.
    g_VarManager.SetBool(VARBOOL_QUEST_C2_CREW01, 1);
    Frame();
    EXPECT_EQ(Quest().GetLog().GetOpenCount(), 2);
}

TEST_F(QuestTabTest, AShownEntryHasItsPortraitTitleAndDescription)
{
    g_VarManager.SetBool(VARBOOL_QUEST_C1_CHORES, 1);
    m_world.ShowTab(TAB_QUEST);
    // The tab's buttons follow the list a frame later.
    Frame();
    Frame();
    ASSERT_EQ(Quest().GetLog().GetShownCount(), 1);
    EXPECT_TRUE(Button(BUTTON_QUEST_PORTRAIT_1).m_bVisible);
    EXPECT_FALSE(Button(BUTTON_QUEST_PORTRAIT_2).m_bVisible);
    EXPECT_EQ(Button(BUTTON_QUEST_PORTRAIT_1).m_hTexture,
              g_pTextureManager->GetTextureByName("intquest_bonita_c_chair"));
    m_world.Draw();
    EXPECT_GT(CountColour(m_world.Services().mainText, InterfaceQuest::TITLE_COLOUR), 0);
    EXPECT_GT(CountColour(m_world.Services().secondText, InterfaceQuest::TEXT_COLOUR), 0);

    char name[64];
    EXPECT_TRUE(InterfaceQuest::GetPortraitName(ActorIdOf("percy"), name, sizeof name));
    EXPECT_STREQ(name, "intquest_percy");
    EXPECT_FALSE(InterfaceQuest::GetPortraitName(0x12345678, name, sizeof name));
}

TEST_F(QuestTabTest, AnEntryClosedAfterTheFrameIsNotDrawnAndLeavesAtTheNext)
{
    g_VarManager.SetBool(VARBOOL_QUEST_C1_CHORES, 1);
    m_world.ShowTab(TAB_QUEST);
    Frame();
    g_VarManager.SetBool(VARBOOL_QUEST_C1_CHORES_DONE, 1);
    m_world.Draw();
    EXPECT_EQ(CountColour(m_world.Services().mainText, InterfaceQuest::TITLE_COLOUR), 0);
    EXPECT_EQ(CountColour(m_world.Services().secondText, InterfaceQuest::TEXT_COLOUR), 0);
    Frame();
    EXPECT_EQ(Quest().GetLog().GetOpenCount(), 0);
    Frame();
    EXPECT_FALSE(Button(BUTTON_QUEST_PORTRAIT_1).m_bVisible);
}

TEST_F(QuestTabTest, TheArrowsShowWhenTheyCanMoveAndAClickTurnsAPage)
{
    g_VarManager.SetBool(VARBOOL_QUEST_C1_CHORES, 1);
    g_VarManager.SetBool(VARBOOL_QUEST_C1_PLAY01, 1);
    m_world.ShowTab(TAB_QUEST);
    Frame();
    Frame();
    EXPECT_FALSE(Button(BUTTON_QUEST_DOWN).m_bVisible);
    EXPECT_FALSE(Button(BUTTON_QUEST_UP).m_bVisible);

    g_VarManager.SetBool(VARBOOL_QUEST_C1_PLAY02, 1);
    Frame();
    Frame();
    ASSERT_TRUE(Button(BUTTON_QUEST_DOWN).m_bVisible);
    EXPECT_FALSE(Button(BUTTON_QUEST_UP).m_bVisible);

    // Pointing at the arrow lights it; a press on it turns the page.
    const CoreFxVec2 down = Button(BUTTON_QUEST_DOWN).GetCenter();
    m_world.Frame(down.x, down.y, false);
    m_world.Frame(down.x, down.y, false);
    EXPECT_TRUE(Button(BUTTON_QUEST_DOWN_LIT).m_bVisible);
    EXPECT_FALSE(Button(BUTTON_QUEST_DOWN).m_bVisible);
    m_world.Click(down.x, down.y);
    EXPECT_EQ(Quest().GetLog().GetFirstShown(), 2);
    EXPECT_EQ(Quest().GetLog().GetShownCount(), 1);
    EXPECT_EQ(Button(BUTTON_QUEST_PORTRAIT_1).m_hTexture, g_pTextureManager->GetTextureByName("intquest_nell_kid"));
    Frame();
    EXPECT_TRUE(Button(BUTTON_QUEST_UP).m_bVisible);
    EXPECT_FALSE(Button(BUTTON_QUEST_DOWN).m_bVisible);
    EXPECT_FALSE(Button(BUTTON_QUEST_DOWN_LIT).m_bVisible);
}

} // namespace
