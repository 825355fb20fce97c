// The living room of chapter 1 drawn on the OpenGL device as its script
// leaves it on entering: the kid and her mother in their places, the
// chapter-5 things hidden.
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr SceneId LIVING_ROOM = 9;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using LivingRoomGoldenImageTest = SampleSceneScriptTest;

TEST_F(LivingRoomGoldenImageTest, TheKidAndHerMotherInTheRoomOfChapterOne)
{
    // Past the first visit: the room is entered as it is on coming back.
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 1);
    g_VarManager.SetBool(VARBOOL_BG101_C01_EVENT_FIRST_TIME, 1);
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, LIVING_ROOM);
    m_scene = std::make_unique<Scene>();
    ASSERT_TRUE(m_scene->Initialize(LIVING_ROOM)) << m_log.Take();
    m_scene->LoadActorSet("chapter_1");
    ASSERT_EQ(m_scene->m_iNumCharacters, 2);
    ASSERT_TRUE(m_scene->Prepare());
    CoreRandom::Init(7);

    m_manager.ChangeScene(LIVING_ROOM);
    for (int frame = 0; frame < 200; ++frame) {
        m_manager.Update(16);
        m_scene->Update(16);
    }
    EXPECT_FALSE(m_manager.IsBusy());
    const std::vector<std::string> calls = m_sceneLink.Take();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "actor set chapter_1"), calls.end());

    const Platform::RgbaImage image = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(image, "Engine/Scripts/Common/LivingRoomChapter1", TOLERANCE));
}

} // namespace
