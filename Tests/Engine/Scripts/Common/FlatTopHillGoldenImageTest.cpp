// The flat-top hill of chapter 1 drawn on the OpenGL device as its script
// leaves it on coming back from the won duel: Arno out cold, the rope still
// on the broken ladder, Bobby and Nell in their places.
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId FLAT_TOP_HILL = 11;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using FlatTopHillGoldenImageTest = SampleSceneScriptTest;

TEST_F(FlatTopHillGoldenImageTest, TheChildrenOnTheHillAfterTheDuel)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 1);
    g_VarManager.SetBool(VARBOOL_BG103_C01_EVENT_FIRST_TIME, 1);
    g_VarManager.SetBool(VARBOOL_WIN_MINIGAME_01, 1);
    g_VarManager.SetBool(VARBOOL_BG103_C01_EVENT_AFTER_SABRE_DUEL, 1);
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, FLAT_TOP_HILL);
    m_scene = std::make_unique<Scene>();
    ASSERT_TRUE(m_scene->Initialize(FLAT_TOP_HILL)) << m_log.Take();
    m_sceneLink.m_pScene = m_scene.get();
    ASSERT_TRUE(m_scene->Prepare());
    CoreRandom::Init(7);

    m_manager.ChangeScene(FLAT_TOP_HILL);
    for (int frame = 0; frame < 200; ++frame) {
        m_manager.Update(16);
        m_scene->Update(16);
    }
    EXPECT_FALSE(m_manager.IsBusy());
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);

    const Platform::RgbaImage image = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(image, "Engine/Scripts/Common/FlatTopHillChapter1", TOLERANCE));
}

} // namespace
