// The fork of chapter 1 drawn on the OpenGL device as its script leaves it
// on coming back after the ambush: the kid at the crossroads, Arno before his
// gang's carts, Manuel asleep by his donkey, the rock and the dry grass.
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr SceneId FORK = 12;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using ForkGoldenImageTest = SampleSceneScriptTest;

TEST_F(ForkGoldenImageTest, TheKidAtTheForkHeldUpByArnosGang)
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
    for (int frame = 0; frame < 200; ++frame) {
        m_manager.Update(16);
        m_scene->Update(16);
    }
    EXPECT_FALSE(m_manager.IsBusy());

    const Platform::RgbaImage image = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(image, "Engine/Scripts/Common/ForkChapter1", TOLERANCE));
}

} // namespace
