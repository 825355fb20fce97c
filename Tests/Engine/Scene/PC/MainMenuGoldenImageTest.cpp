// The sample start menu drawn on the OpenGL device as its main menu screen
// shows it: the painted background, the logo, the panel and the four
// buttons' captions in the menu font.
#include "Adventure/Common/Entity.h"
#include "Scene/Common/GameScene.h"
#include "Support/FakeSceneServices.h"
#include "Support/Files.h"
#include "Support/GoldenImage.h"
#include "Support/LogCapture.h"
#include "Support/OpenGlPictureTest.h"
#include "Utils/Common/DkLocalizer.h"

#include <gmock/gmock.h>

#include <set>
#include <vector>

namespace {

constexpr SceneId START_MENU = 3;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;
// The objects that the main menu screen shows: logo_01, the panel, start,
// options, exittowindows, credits, and the small logo that never hides.
const std::set<int32_t> MAIN_MENU = {16, 4, 0, 1, 2, 3, 34};

class MainMenuGoldenImageTest : public TestSupport::SampleScenePictureTest {
protected:
    void SetUp() override
    {
        SampleScenePictureTest::SetUp();
        if (HasFatalFailure())
            return;
        m_texts = TestSupport::ReadFileBytes("text/en-GBTextCommon.dat");
        g_oDkLocalizer.Initialize(m_banks);
        ASSERT_EQ(g_oDkLocalizer.AddBank("en-GBTextCommon.dat", m_texts.data(), uint32_t(m_texts.size())), 0);
    }
    void TearDown() override
    {
        m_scene.reset();
        g_oDkLocalizer.Release();
        SampleScenePictureTest::TearDown();
    }

    TestSupport::FakeSceneServices m_services;
    std::vector<uint8_t> m_texts;
    DkLocalizerBank m_banks[DkLocalizer::BANK_COUNT];
    std::unique_ptr<GameScene> m_scene;
};

TEST_F(MainMenuGoldenImageTest, TheMainMenuShowsItsButtonsOnThePanel)
{
    m_scene = std::make_unique<GameScene>();
    TestSupport::LogCapture capture;
    ASSERT_TRUE(m_scene->Initialize(START_MENU)) << capture.Take();
    ASSERT_TRUE(m_scene->Prepare());
    ASSERT_EQ(m_scene->m_iNumEntities, 37);
    for (int32_t iObject = 0; iObject < m_scene->m_iNumEntities; ++iObject)
        m_scene->m_vEntities[iObject].SetVisible(MAIN_MENU.count(iObject) != 0 ? 1 : 0);
    for (int frame = 0; frame < 4; ++frame)
        m_scene->Update(16);
    // The pointer rests in a corner, off the buttons.
    m_scene->m_oCursor.SetPosition(4 * FX32_ONE, 180 * FX32_ONE);
    capture.Take();

    const Platform::RgbaImage image = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(image, "Engine/Scene/PC/MainMenu", TOLERANCE));
    EXPECT_EQ(capture.Take(), "");
}

} // namespace
