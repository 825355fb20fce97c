// The view through the telescope (scene 52): the statue's light shows only
// with the firefly in its mouth, hidden before the player could see it; the
// dialog comes a second after the view opens and holds the game until it
// ends; the picture leads back to the graveyard.
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/ActorIds.h"
#include "Common/SceneObjectNames.h"
#include "Random/CoreRandom.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int32_t TELESCOPE = 52;
constexpr int32_t GRAVEYARD = 24;

using Object = NamedObject<SceneTableRows::s_aObjects_bg803_52>;

constexpr int32_t LOGIC_DIALOG = ActorScriptableId(LOGIC_DIALOG_ACTOR_ID);
constexpr int32_t THE_VIEW_DIALOG = static_cast<int32_t>(0x23019ed1);

class TelescopeTest : public SceneScriptWithLogicActorsTest {
protected:
    TelescopeTest()
    {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 3);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, GRAVEYARD);
    }

    // Enters the view again, its objects registered by a first entry, with
    // the dialog held open once it starts; runs the first frame.
    void EnterHeld()
    {
        EnterScene(TELESCOPE);
        manager.TermScene();
        scene.m_bHasScene = false;
        game.m_bDialogActive = true;
        actionLog.clear();
        manager.ChangeScene(TELESCOPE);
        manager.Update(16);
    }
    bool DialogStarted() const
    {
        for (const ActionDesc& oAction : actionLog)
            if (oAction.m_iActionType == ID_ACTION_TYPE_START_DIALOG && oAction.m_iTargetId == LOGIC_DIALOG)
                return oAction.m_oParameter[0] == THE_VIEW_DIALOG;
        return false;
    }
    bool StatueLit()
    {
        return At(Object("m_light")).IsVisible() && At(Object("m_glow")).IsVisible() &&
               At(Object("fx_fire_fly")).IsVisible();
    }
};

TEST_F(TelescopeTest, TheStatuesLightIsHiddenFromTheFirstFrameUntilTheFireflyIsInItsMouth)
{
    EnterHeld();
    for (const int32_t iObject : {Object("m_light"), Object("m_glow"), Object("fx_fire_fly")})
        EXPECT_FALSE(At(iObject).IsVisible()) << iObject;
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_ACTIVE_MAP), 0);

    g_VarManager.SetBool(VARBOOL_BG203_C03_FIREFLY_IS_IN_MOUTH_OF_STATUE, 1);
    game.m_bDialogActive = false;
    EnterScene(TELESCOPE);
    EXPECT_TRUE(StatueLit());
}

TEST_F(TelescopeTest, TheDialogComesASecondAfterTheViewOpensAndTheGameWaitsForItsEnd)
{
    EnterHeld();
    int iFrames = 1;
    while (!DialogStarted() && iFrames < 200) {
        manager.Update(16);
        ++iFrames;
    }
    // A second is 62.5 frames of 16 ms.
    EXPECT_GE(iFrames, 62);
    EXPECT_LE(iFrames, 66);

    // The picture cannot be clicked while she speaks.
    for (int frame = 0; frame < 120; ++frame)
        manager.Update(16);
    EXPECT_TRUE(manager.IsBusy());
    EXPECT_FALSE(manager.FireEvent(Click(Object("clique"))));

    game.m_bDialogActive = false;
    RunWalk();
    EXPECT_FALSE(manager.IsBusy());
    EXPECT_EQ(NextScene(), 0);
}

TEST_F(TelescopeTest, TheViewAlwaysLeadsBackToTheGraveyard)
{
    for (const int32_t iChapter : {3, 7}) {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        EnterScene(TELESCOPE);
        Activate(Object("clique"));
        EXPECT_EQ(NextScene(), GRAVEYARD) << iChapter;
    }
}

// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using TelescopeGoldenImageTest = SampleSceneScriptTest;

TEST_F(TelescopeGoldenImageTest, TheFireflysLightOnTheSixthSignOfBothRings)
{
    g_VarManager.SetBool(VARBOOL_BG203_C03_FIREFLY_IS_IN_MOUTH_OF_STATUE, 1);
    CoreRandom::Init(7);
    Enter(TELESCOPE, 3, Id::GetActorId("tavrine"));
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/TelescopeSixAndSix", TOLERANCE));
}

} // namespace
