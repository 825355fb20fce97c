// The lock of the safe in Drake's office (scene 54): each visit starts with
// no digit chosen, a click sets its line and turns its switch, the
// combination opens in any order on the click that completes it and never
// before, and the button leads back to the office at any time.
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/ActorIds.h"
#include "Common/SceneObjectNames.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int32_t SAFE_LOCK = 54;
constexpr int32_t OFFICE = 26;
constexpr int32_t MINI_GAME_MENU = 2;

using Object = NamedObject<SceneTableRows::s_aObjects_bg806_54>;

int32_t Digit(int32_t iLine, int32_t iDigit)
{
    return Object("1_0") + (iLine - 1) * 10 + iDigit;
}

class DrakesSafeTest : public SceneScriptTest {
protected:
    void Enter(int32_t iFrom = OFFICE) { EnterInChapter(SAFE_LOCK, 8, iFrom); }
    int32_t Line(int32_t iLine) { return g_VarManager.GetInt(VARINT_LINE_1 + iLine - 1); }
    bool AnyDigitOpen()
    {
        for (int32_t iObject = Digit(1, 0); iObject <= Digit(3, 9); ++iObject)
            if (Open(iObject))
                return true;
        return false;
    }
    bool EveryDigitOpen()
    {
        for (int32_t iObject = Digit(1, 0); iObject <= Digit(3, 9); ++iObject)
            if (!Open(iObject))
                return false;
        return true;
    }
};

TEST_F(DrakesSafeTest, EachVisitStartsWithNoDigitChosenAndTheSwitchesAndButtonHidden)
{
    g_VarManager.SetBool(VARBOOL_ACTIVE_MAP, 1);
    Enter();
    for (int32_t iLine = 1; iLine <= 3; ++iLine)
        EXPECT_EQ(Line(iLine), 10);
    for (const int32_t iPicture : {Object("1_switch"), Object("2_switch"), Object("3_switch"), Object("button_ro")})
        EXPECT_FALSE(Visible(iPicture)) << iPicture;
    EXPECT_TRUE(EveryDigitOpen());
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_ACTIVE_MAP), 0);
}

TEST_F(DrakesSafeTest, AClickSetsItsLineAndTurnsItsSwitchAnotherReplacesIt)
{
    Enter();
    Run(Click(Digit(2, 3)));
    EXPECT_EQ(Line(2), 3);
    EXPECT_TRUE(Visible(Object("2_switch")));
    EXPECT_EQ(Values(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, Object("2_switch")), Ids({0xecda5b53}));
    Run(Click(Digit(2, 9)));
    EXPECT_EQ(Line(2), 9);
    EXPECT_EQ(Line(1), 10);
    EXPECT_EQ(Line(3), 10);
}

TEST_F(DrakesSafeTest, TheCombinationOpensInAnyOrderOnTheClickThatCompletesItAndNeverBefore)
{
    const std::vector<std::vector<int32_t>> orders = {{1, 2, 3}, {3, 1, 2}, {2, 3, 1}};
    const int32_t combination[] = {4, 1, 7};
    for (const std::vector<int32_t>& order : orders) {
        Set(VARBOOL_BG205_C08_SAFE_RIGHT_CONBINATION, false);
        Enter();
        // A wrong digit first on the last line of the order: two right
        // lines are not enough.
        Run(Click(Digit(order[2], (combination[order[2] - 1] + 1) % 10)));
        Run(Click(Digit(order[0], combination[order[0] - 1])));
        Run(Click(Digit(order[1], combination[order[1] - 1])));
        EXPECT_FALSE(Get(VARBOOL_BG205_C08_SAFE_RIGHT_CONBINATION));
        EXPECT_TRUE(EveryDigitOpen());
        Run(Click(Digit(order[2], combination[order[2] - 1])));
        EXPECT_TRUE(Get(VARBOOL_BG205_C08_SAFE_RIGHT_CONBINATION));
        EXPECT_FALSE(AnyDigitOpen());
        // It does not leave by itself.
        EXPECT_EQ(NextScene(), 0);
    }
}

TEST_F(DrakesSafeTest, BackAgainTheLockStartsAfreshAndTheOpenedSafeStaysOpen)
{
    Set(VARBOOL_BG205_C08_SAFE_RIGHT_CONBINATION);
    Enter();
    EXPECT_TRUE(EveryDigitOpen());
    EXPECT_EQ(Line(1), 10);
    EXPECT_TRUE(Get(VARBOOL_BG205_C08_SAFE_RIGHT_CONBINATION));
    for (const auto& [iLine, iDigit] : {std::pair {1, 4}, {2, 1}, {3, 7}})
        Run(Click(Digit(iLine, iDigit)));
    EXPECT_TRUE(Get(VARBOOL_BG205_C08_SAFE_RIGHT_CONBINATION));
    EXPECT_FALSE(AnyDigitOpen());
}

TEST_F(DrakesSafeTest, TheButtonLeadsBackToTheOfficeAtAnyTime)
{
    // From the office before any click, after the combination, and from the
    // mini-game menu.
    for (const int32_t iFrom : {OFFICE, MINI_GAME_MENU}) {
        Enter(iFrom);
        Run(Click(Object("exit")));
        EXPECT_TRUE(Visible(Object("button_ro")));
        EXPECT_EQ(NextScene(), OFFICE);
    }
    Enter();
    for (const auto& [iLine, iDigit] : {std::pair {1, 4}, {2, 1}, {3, 7}})
        Run(Click(Digit(iLine, iDigit)));
    ASSERT_TRUE(Open(Object("exit")));
    Run(Click(Object("exit")));
    EXPECT_EQ(NextScene(), OFFICE);
}

// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using DrakesSafeGoldenImageTest = SampleSceneScriptTest;

TEST_F(DrakesSafeGoldenImageTest, TheLockWithItsThreeLinesOfDigits)
{
    Enter(SAFE_LOCK, 8, Id::GetActorId("tavrine"));
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/DrakesSafe", TOLERANCE));
}

} // namespace
