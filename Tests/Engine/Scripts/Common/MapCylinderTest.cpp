// The map cylinder close-up (scene 53): the rings start at 1 and 4 on every
// visit, a turn past either end comes round, the cylinder opens at six and
// six and stays open, and only the end of the dialog leads out, back to the
// graveyard. The dialog's callbacks run on a context of their own while the
// entry waits on the dialog, as the talk screen runs them.
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/ActorIds.h"
#include "Common/SceneObjectNames.h"
#include "Random/CoreRandom.h"
#include "ScriptEngine/common/ScriptTreeContext.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int32_t CYLINDER = 53;
constexpr int32_t GRAVEYARD = 24;
constexpr int32_t MINIGAME_MENU = 2;

using Object = NamedObject<SceneTableRows::s_aObjects_bg804_53>;

// The dialog's callbacks: the pincers' grip, and a turn of a ring.
constexpr uint32_t GRIP_INNER = 0xd2e8f56a;
constexpr uint32_t INNER_UP = 0x6712d53b;
constexpr uint32_t INNER_DOWN = 0x7ddb20a0;
constexpr uint32_t GRIP_OUTER = 0xef8734ba;
constexpr uint32_t OUTER_UP = 0x0975e7a2;
constexpr uint32_t OUTER_DOWN = 0xf4666c72;

// The pincers on the inner and on the outer ring.
constexpr int32_t ON_INNER = static_cast<int32_t>(0xaaf45206);
constexpr int32_t ON_OUTER = static_cast<int32_t>(0x51fd16d3);

// What the first segment of each ring, the one in the reading window, shows
// at positions 1, 4 and 6.
constexpr int32_t INNER_AT_1 = static_cast<int32_t>(0xfaa8efd3);
constexpr int32_t INNER_AT_6 = static_cast<int32_t>(0x64cc7a70);
constexpr int32_t OUTER_AT_1 = static_cast<int32_t>(0x62ca4d8a);
constexpr int32_t OUTER_AT_4 = static_cast<int32_t>(0x12a0b905);
constexpr int32_t OUTER_AT_6 = static_cast<int32_t>(0xfcaed829);

class MapCylinderTest : public SceneScriptWithLogicActorsTest {
protected:
    // Enters the close-up from the scene and runs its entry up to its
    // dialog, which stays open until Close().
    void Enter(int32_t iFrom = GRAVEYARD)
    {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 3);
        // A first entry registers the scene's objects; the second is the one
        // tested, with the dialog held open.
        game.m_bDialogActive = false;
        EnterScene(CYLINDER);
        manager.TermScene();
        scene.m_bHasScene = false;
        states.At(GlobalFade::OutToBlack) = FakeStateLink::Fade {};
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, iFrom);
        g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, CYLINDER);
        game.m_bDialogActive = true;
        actionLog.clear();
        manager.ChangeScene(CYLINDER);
        for (int frame = 0; frame < 60; ++frame)
            manager.Update(16);
    }
    void Close()
    {
        game.m_bDialogActive = false;
        for (int frame = 0; frame < 10; ++frame)
            manager.Update(16);
    }

    // The dialog sends the callback: its handler runs to its end, frame by
    // frame, on the dialog's own context.
    void Send(uint32_t uCallback)
    {
        ScriptTreeContext context;
        context.SetValue(CYLINDER);
        context.SetGameInterface(GameInterface::GetGameInterface());
        context.SetDispatch(&manager);
        context.SetTree(manager.GetScriptTree());
        context.Start(Callback(uCallback));
        int iFrames = 0;
        while (!context.Step() && iFrames++ < 500)
            manager.Update(16);
        ASSERT_LT(iFrames, 500) << std::hex << uCallback;
    }
    // A turn as the dialog offers it: the grip, then the turn.
    void Turn(uint32_t uGrip, uint32_t uTurn)
    {
        Send(uGrip);
        Send(uTurn);
    }

    int32_t Inner() const { return g_VarManager.GetInt(VARINT_IN_CIRCLE); }
    int32_t Outer() const { return g_VarManager.GetInt(VARINT_OUT_CIRCLE); }
    bool Open() const { return g_VarManager.GetBool(VARBOOL_BG203_C03_MAP_CYLINDER_IS_OPEN) != 0; }
    int32_t Shown(int32_t iObject) { return At(iObject).ValuesOf(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION).back(); }
    // Where the first action of the type on the object stands in the log.
    size_t IndexOf(int32_t iActionType, int32_t iObject, int32_t iFirstValue) const
    {
        const auto found = std::find_if(actionLog.begin(), actionLog.end(), [&](const ActionDesc& oAction) {
            return oAction.m_iActionType == iActionType && oAction.m_iTargetId == iObject &&
                   oAction.m_oParameter[0] == iFirstValue;
        });
        return static_cast<size_t>(found - actionLog.begin());
    }
};

TEST_F(MapCylinderTest, EveryVisitStartsAtOneAndFourAndOnlyTheDialogsEndLeadsBackToTheGraveyard)
{
    for (const int32_t iFrom : {GRAVEYARD, MINIGAME_MENU}) {
        SCOPED_TRACE(iFrom);
        g_VarManager.SetInt(VARINT_IN_CIRCLE, 3);
        g_VarManager.SetInt(VARINT_OUT_CIRCLE, 2);
        g_VarManager.SetBool(VARBOOL_BG203_C03_MAP_CYLINDER_IS_OPEN, iFrom == GRAVEYARD ? 1 : 0);
        Enter(iFrom);
        EXPECT_EQ(Inner(), 1);
        EXPECT_EQ(Outer(), 4);
        EXPECT_EQ(Shown(Object("1_int")), INNER_AT_1);
        EXPECT_EQ(Shown(Object("1_ext")), OUTER_AT_4);
        EXPECT_EQ(Shown(Object("pince")), ON_OUTER);
        for (const int32_t iBlur :
             {Object("inter_01_blured"), Object("inter_06_blured"), Object("motion_blur_01"), Object("motion_blur_06")})
            EXPECT_FALSE(At(iBlur).IsVisible()) << iBlur;
        // The entry neither reads nor clears the open flag.
        EXPECT_EQ(Open(), iFrom == GRAVEYARD);
        EXPECT_EQ(g_VarManager.GetBool(VARBOOL_ACTIVE_MAP), 0);

        // While the dialog runs the player can do nothing else and nothing
        // leads out.
        EXPECT_TRUE(manager.IsBusy());
        EXPECT_FALSE(manager.FireEvent(Click(Object("pince"))));
        EXPECT_EQ(NextScene(), 0);
        Close();
        EXPECT_EQ(NextScene(), GRAVEYARD);
    }
}

TEST_F(MapCylinderTest, ARingTurnedPastEitherEndComesRoundToTheOtherAndShowsItsFaces)
{
    Enter();
    Turn(GRIP_INNER, INNER_DOWN);
    EXPECT_EQ(Inner(), 6);
    EXPECT_EQ(Shown(Object("1_int")), INNER_AT_6);
    EXPECT_EQ(Shown(Object("pince")), ON_INNER);
    Turn(GRIP_INNER, INNER_UP);
    EXPECT_EQ(Inner(), 1);
    EXPECT_EQ(Shown(Object("1_int")), INNER_AT_1);

    Turn(GRIP_OUTER, OUTER_UP);
    Turn(GRIP_OUTER, OUTER_UP);
    EXPECT_EQ(Outer(), 6);
    EXPECT_EQ(Shown(Object("1_ext")), OUTER_AT_6);
    Turn(GRIP_OUTER, OUTER_UP);
    EXPECT_EQ(Outer(), 1);
    EXPECT_EQ(Shown(Object("1_ext")), OUTER_AT_1);
    EXPECT_EQ(Shown(Object("pince")), ON_OUTER);
    Turn(GRIP_OUTER, OUTER_DOWN);
    EXPECT_EQ(Outer(), 6);
    EXPECT_EQ(Shown(Object("1_ext")), OUTER_AT_6);
    // Every segment of a ring takes its new face, the outer ones shown again.
    for (int32_t iSegment = Object("1_ext"); iSegment <= Object("6_ext"); ++iSegment)
        EXPECT_TRUE(At(iSegment).IsVisible()) << iSegment;
    EXPECT_FALSE(Open());
}

TEST_F(MapCylinderTest, TheCylinderOpensAtSixAndSixOnlyAfterATurnAndStaysOpen)
{
    Enter();
    // The grips never test: the rings may stand at six and six unturned.
    g_VarManager.SetInt(VARINT_IN_CIRCLE, 6);
    g_VarManager.SetInt(VARINT_OUT_CIRCLE, 6);
    Send(GRIP_INNER);
    Send(GRIP_OUTER);
    EXPECT_FALSE(Open());

    Enter();
    Turn(GRIP_INNER, INNER_DOWN);
    Turn(GRIP_OUTER, OUTER_UP);
    EXPECT_FALSE(Open());
    Turn(GRIP_OUTER, OUTER_UP);
    EXPECT_TRUE(Open());
    // Turned away again, it stays open.
    Turn(GRIP_INNER, INNER_UP);
    EXPECT_EQ(Inner(), 1);
    EXPECT_TRUE(Open());
}

TEST_F(MapCylinderTest, TheInnerRingPausesBlurredBeforeItsFacesAndTheOuterTakesThemHidden)
{
    Enter();
    actionLog.clear();
    Send(INNER_UP);
    const int32_t iFirst = Object("1_int");
    const size_t turning = IndexOf(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, iFirst, static_cast<int32_t>(0x57f78cec));
    const size_t blurred = IndexOf(ID_ACTION_TYPE_SET_VISIBLE, Object("inter_01_blured"), 1);
    const size_t pause = IndexOf(ID_ACTION_TYPE_WAIT, iFirst, 250);
    const size_t face = IndexOf(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, iFirst, Shown(iFirst));
    const size_t clear = IndexOf(ID_ACTION_TYPE_SET_VISIBLE, Object("inter_01_blured"), 0);
    EXPECT_LT(turning, blurred);
    EXPECT_LT(blurred, pause);
    EXPECT_LT(pause, face);
    EXPECT_LT(face, clear);
    EXPECT_LT(clear, actionLog.size());

    actionLog.clear();
    Send(OUTER_DOWN);
    const int32_t iOuter = Object("1_ext");
    const size_t hidden = IndexOf(ID_ACTION_TYPE_SET_VISIBLE, iOuter, 0);
    const size_t outerFace = IndexOf(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, iOuter, Shown(iOuter));
    const size_t outerPause = IndexOf(ID_ACTION_TYPE_WAIT, iOuter, 250);
    const size_t shown = IndexOf(ID_ACTION_TYPE_SET_VISIBLE, iOuter, 1);
    EXPECT_LT(hidden, outerFace);
    EXPECT_LT(outerFace, outerPause);
    EXPECT_LT(outerPause, IndexOf(ID_ACTION_TYPE_SET_VISIBLE, Object("motion_blur_01"), 0));
    EXPECT_LT(outerPause, shown);
    EXPECT_LT(shown, actionLog.size());
}

// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using MapCylinderGoldenImageTest = SampleSceneScriptTest;

TEST_F(MapCylinderGoldenImageTest, TheRingsAtOneAndFourWithThePincersOnTheOuterRing)
{
    CoreRandom::Init(7);
    Enter(CYLINDER, 3, Id::GetActorId("tavrine"));
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/MapCylinderAtOneAndFour", TOLERANCE));
}

} // namespace
