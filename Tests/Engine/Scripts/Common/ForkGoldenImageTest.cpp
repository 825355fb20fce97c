// The fork of chapter 1 drawn on the OpenGL device as its script leaves it:
// on coming back after the ambush (the kid at the crossroads, Arno before
// his gang's carts, Manuel asleep by his donkey, the rock and the dry grass),
// and once the kid has lit the grass on the rock with the flask bottom; and
// the flask left in sight while she talks to Manuel.
#include "Common/ActorIds.h"
#include "Common/IdHash.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Scripts/Common/ScriptEvents.h"
#include "Support/GoldenImage.h"
#include "Support/LogCapture.h"
#include "Support/StandingFigures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

constexpr SceneId FORK = 12;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

class ForkGoldenImageTest : public SampleSceneScriptTest {
protected:
    // Enters the fork of chapter 1 after the ambush, with the variables as
    // the test set them, and runs frames until the script is idle.
    void EnterAfterTheAmbush()
    {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 1);
        g_VarManager.SetBool(VARBOOL_BG104_C01_EVENT_AMBUSH, 1);
        g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, FORK);
        m_scene = std::make_unique<Scene>();
        ASSERT_TRUE(m_scene->Initialize(FORK)) << m_log.Take();
        m_scene->LoadActorSet("chapter_1");
        ASSERT_EQ(m_scene->m_iNumCharacters, 4);
        ASSERT_TRUE(m_scene->Prepare());
        CoreRandom::Init(7);
        m_manager.ChangeScene(FORK);
        RunUntilIdle();
    }
    void RunUntilIdle()
    {
        for (int frame = 0; frame < 10 || (m_manager.IsBusy() && frame < 1500); ++frame) {
            m_manager.Update(16);
            m_scene->Update(16);
        }
        EXPECT_FALSE(m_manager.IsBusy());
    }
    Platform::RgbaImage Picture()
    {
        return FramePicture([&] { m_scene->Render(m_renderer); });
    }
};

TEST_F(ForkGoldenImageTest, TheKidAtTheForkHeldUpByArnosGang)
{
    EnterAfterTheAmbush();
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(Picture(), "Engine/Scripts/Common/ForkChapter1", TOLERANCE));
}

TEST_F(ForkGoldenImageTest, TheKidWalksToTheRockAndTheGrassBurnsOnIt)
{
    g_VarManager.SetBool(VARBOOL_BG104_C01_DRY_GRASS_HERE, 1);
    g_VarManager.SetBool(VARBOOL_BG104_C01_MANUEL_IS_AWAKE, 1);
    EnterAfterTheAmbush();
    const int32_t iRock = SceneObjectId(FORK, "rock");
    ASSERT_TRUE(m_manager.FireEvent(ScriptEvent_ItemOnObject3(iRock, ItemIdOf("ITEM_BROKEN_FLASK_BOTTOM"))));
    RunUntilIdle();
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_BG104_C01_BURNING_GRASS_HERE), 1);
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(Picture(), "Engine/Scripts/Common/ForkGrassBurning", TOLERANCE));
}

// She stands by Manuel to look at him, the flask's picture beside her and not
// behind her.
TEST_F(ForkGoldenImageTest, TheKidLookingAtManuelLeavesTheFlaskInSight)
{
    EnterAfterTheAmbush();
    ASSERT_TRUE(m_manager.FireEvent(ScriptEvent_FlaggedId1(Id::GetActorId("manuel"))));
    RunUntilIdle();
    const uint32_t uKid = Id::GetActorId("tavrine_kid");
    int32_t iKid = 0;
    while (iKid < m_scene->m_iNumCharacters && m_scene->m_aCharacterIds[iKid] != uKid)
        ++iKid;
    ASSERT_LT(iKid, m_scene->m_iNumCharacters);
    const TestSupport::StandingFootprint kid =
        TestSupport::FootprintAt(*m_scene, uKid, m_scene->m_apCharacters[iKid]->GetFeetPosition());
    const Layer& main = *m_scene->GetMainLayer();
    int iFlasks = 0;
    for (int32_t i = 0; i < main.m_iNbSprites; ++i)
        if (std::strcmp(main.m_vSprites[i].m_sName, "flask") == 0) {
            ++iFlasks;
            EXPECT_FALSE(TestSupport::BoxesOverlap(kid.box, main.m_vSprites[i].m_oBox, 0));
        }
    EXPECT_EQ(iFlasks, 1);
}

} // namespace
