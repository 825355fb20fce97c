// The demo's start and end screens (scenes 62 and 63): the start screen's
// click sets the demo's starting state in one walk while the screen fades
// out for three seconds, whatever the story held before, and leads to the
// family house; the end screen waits for its click and leads back to the
// start screen.
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/ActorIds.h"
#include "Common/SceneObjectNames.h"
#include "Support/GoldenImage.h"
#include "Support/ScreenPlaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int32_t DEMO_START = 62;
constexpr int32_t DEMO_END = 63;
constexpr int32_t HOUSE_EXTERIOR = 20;
constexpr int32_t LIVING_ROOM_A = 21;

using StartObject = NamedObject<SceneTableRows::s_aObjects_bg994_62>;
using EndObject = NamedObject<SceneTableRows::s_aObjects_bg995_63>;

// The flags of the house's chapter-5 story and its quests.
bool IsChapterFiveFlag(int32_t iVarId)
{
    const std::string name = Id::GetVarBoolName(iVarId);
    return name.find("_C05_") != std::string::npos || name.starts_with("VARBOOL_QUEST_C5_");
}

class DemoScreensTest : public SceneScriptTest {
protected:
    // The start screen entered from the end screen, with every flag as
    // given, and clicked.
    void ClickTheStartScreen(bool bEveryFlag, int32_t iChapter)
    {
        for (int32_t iVarId = 0; iVarId < VARBOOL_LAST; ++iVarId)
            g_VarManager.SetBool(iVarId, bEveryFlag ? 1 : 0);
        g_VarManager.SetInt(VARINT_DIEGO_MOOD, 3);
        EnterInChapter(DEMO_START, iChapter, DEMO_END);
        Run(Click(StartObject("clique")));
    }
};

TEST_F(DemoScreensTest, TheStartScreensClickSetsTheDemoUpWhateverTheStoryHeldBefore)
{
    for (const bool bEveryFlag : {true, false}) {
        for (const int32_t iChapter : {1, 5, 9}) {
            ClickTheStartScreen(bEveryFlag, iChapter);
            EXPECT_EQ(g_VarManager.GetInt(VARINT_CURRENT_CHAPTER), 5);
            EXPECT_EQ(g_VarManager.GetInt(VARINT_DIEGO_MOOD), 0);
            EXPECT_TRUE(Get(VARBOOL_BG994_DEMO));
            EXPECT_TRUE(Get(VARBOOL_BG002_C05_TALK_DIEGO_ABOUT_LOCKEDHOUSE));
            EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_DIEGO")});
            EXPECT_EQ(Taken(), (std::vector<int32_t> {Item("ITEM_CROSSBOW"), Item("ITEM_SMALL_BLANKET")}));
            EXPECT_EQ(NextScene(), HOUSE_EXTERIOR);
        }
    }
    // A replay clears the house's chapter-5 flags again, and nothing else.
    ClickTheStartScreen(true, 5);
    int iCleared = 0;
    for (int32_t iVarId = 0; iVarId < VARBOOL_LAST; ++iVarId) {
        if (Get(iVarId))
            continue;
        ++iCleared;
        EXPECT_TRUE(IsChapterFiveFlag(iVarId)) << Id::GetVarBoolName(iVarId);
    }
    EXPECT_EQ(iCleared, 23);
}

TEST_F(DemoScreensTest, TheWholeStartIsOneWalkBehindAThreeSecondFadeOut)
{
    EnterInChapter(DEMO_START, 5, DEMO_END);
    const std::vector<ActionDesc> fired = FiredBy(Click(StartObject("clique")));
    ASSERT_FALSE(fired.empty());
    EXPECT_EQ(fired.front().m_iActionType, ID_ACTION_TYPE_SCENE_FADE_OUT);
    EXPECT_EQ(fired.front().m_oParameter[0], 3000);
    // The walk holds nowhere before its last action, the change of scene.
    EXPECT_EQ(fired.back().m_iActionType, ID_ACTION_TYPE_GO_TO_SCENE);
    for (const ActionDesc& oAction : fired)
        EXPECT_NE(oAction.m_iActionType, ID_ACTION_TYPE_WAIT_FOR);

    Run(Click(StartObject("clique")));
    EXPECT_EQ(states.At(GlobalFade::OutToBlack).fxDuration, 3 * FX32_ONE);
    EXPECT_TRUE(states.At(GlobalFade::OutToBlack).bRunning);
}

TEST_F(DemoScreensTest, TheEndScreenWaitsForItsClickThenLeadsToTheStartScreen)
{
    Set(VARBOOL_BG994_DEMO);
    EnterInChapter(DEMO_END, 5, LIVING_ROOM_A);
    // A minute of nothing.
    for (int frame = 0; frame < 3750; ++frame)
        manager.Update(16);
    EXPECT_EQ(NextScene(), 0);
    EXPECT_FALSE(manager.IsBusy());
    Run(Click(EndObject("clique")));
    EXPECT_EQ(NextScene(), DEMO_START);
}

// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

// How much of the square of the given half side around the point shows the
// badge: its face or its brown.
double ShareOfBadge(const Platform::RgbaImage& picture, int32_t x, int32_t y, int32_t halfSide)
{
    constexpr uint32_t BADGE_COLOURS[] = {0xF4E8C8, 0x8A5A2A};
    const auto near = [](uint32_t rgba, uint32_t rgb) {
        for (int shift = 0; shift < 24; shift += 8) {
            const int a = static_cast<int>((rgba >> (shift + 8)) & 0xFF);
            const int b = static_cast<int>((rgb >> shift) & 0xFF);
            if (std::abs(a - b) > static_cast<int>(TOLERANCE))
                return false;
        }
        return true;
    };
    int iBadge = 0;
    int iAll = 0;
    for (int32_t row = y - halfSide; row <= y + halfSide; ++row) {
        for (int32_t column = x - halfSide; column <= x + halfSide; ++column, ++iAll) {
            if (column < 0 || row < 0 || column >= int32_t(picture.width) || row >= int32_t(picture.height))
                continue;
            const uint32_t pixel = picture.At(uint32_t(column), uint32_t(row));
            iBadge += std::ranges::any_of(BADGE_COLOURS, [&](uint32_t rgb) { return near(pixel, rgb); }) ? 1 : 0;
        }
    }
    return iAll == 0 ? 0.0 : double(iBadge) / iAll;
}

using DemoScreensGoldenImageTest = SampleSceneScriptTest;

TEST_F(DemoScreensGoldenImageTest, TheHouseByDayToStartAndByNightToPlayAgainWithTheBadgeWhereTheClickIsAnswered)
{
    for (const auto& [iScene, pName] : {std::pair {DEMO_START, "DemoStart"}, std::pair {DEMO_END, "DemoEnd"}}) {
        Enter(iScene, 5, Id::GetActorId("tavrine"));
        const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
        EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, std::string("Engine/Scripts/Common/") + pName, TOLERANCE));
        // A press opens the verb menu at the click region's marker and a
        // pointer far from it closes the menu again: the badge that invites
        // the click is painted around the marker (the picture is the virtual
        // screen, pixel for unit).
        const SceneObject* clique = TestSupport::FindObject(*m_scene, "clique");
        ASSERT_NE(clique, nullptr) << pName;
        const int32_t x = clique->m_oPulse.m_oPosition.x >> FX32_SHIFT;
        const int32_t y = clique->m_oPulse.m_oPosition.y >> FX32_SHIFT;
        EXPECT_GE(ShareOfBadge(picture, x, y, 12), 0.8) << pName << " at " << x << ", " << y;
    }
}

} // namespace
