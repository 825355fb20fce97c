// The birds attack drawn on the real OpenGL device from its sample pack: the
// first screen with the heroine on the cliff, the planks, and the gap where
// the broken plank lets the sea show through; a plank under repair shows
// faintly.
#include "App/CoreApp.h"
#include "Effects/Common/Effect.h"
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "MiniGame/Common/MiniGameBirdsAttack.h"
#include "MiniGame/Common/MiniGameFonts.h"
#include "Renderer/CoreRenderer.h"
#include "Support/GoldenImage.h"
#include "Support/LogCapture.h"
#include "Support/OpenGlPictureTest.h"

#include <gtest/gtest.h>

namespace {

using namespace MiniGameTest;
using Game = MiniGameBirdsAttack;

struct Pixel {
    int r, g, b;
};

// The pixel at a point of the virtual screen: 2.5 pixels a unit.
Pixel At(const Platform::RgbaImage& image, fx32 x, fx32 y)
{
    const uint32_t px = static_cast<uint32_t>(x * 5 / 2 / FX32_ONE);
    const uint32_t py = static_cast<uint32_t>(y * 5 / 2 / FX32_ONE);
    const uint8_t* p = &image.pixels[(py * image.width + px) * 4];
    return {p[0], p[1], p[2]};
}

class MiniGameBirdsAttackPixelTest : public TestSupport::OpenGlPictureTest {
protected:
    void SetUp() override
    {
        OpenGlPictureTest::SetUp();
        if (HasFatalFailure())
            return;
        g_pCoreApp = new CoreApp();
        g_pCoreApp->m_pRenderer = &m_renderer;
        m_world.SetUp();
        MiniGameFonts::Load();
        MGSprite::ClearPoolCounts();
    }
    void TearDown() override
    {
        MGSprite::ShutdownPoolSystem();
        MiniGameFonts::Release();
        m_world.TearDown();
        g_pCoreApp->m_pRenderer = nullptr;
        delete g_pCoreApp;
        g_pCoreApp = nullptr;
        OpenGlPictureTest::TearDown();
    }
    Platform::RgbaImage Draw(MiniGame& game)
    {
        return FramePicture([&] {
            m_renderer.SetScreenCamera();
            game.Render();
        });
    }

    TestSupport::LogCapture m_log;
    MiniGameWorld m_world;
};

TEST_F(MiniGameBirdsAttackPixelTest, TheFirstScreenShowsTheHeroineThePlanksAndTheGap)
{
    Game game;
    ASSERT_TRUE(game.Initialize()) << m_log.Text();
    game.SetState(MiniGame::STATE_PLAYING);
    Platform::RgbaImage picture = Draw(game);
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/MiniGame/Common/BirdsAttackFirstScreen", 8));

    // Planks 2 and 4 are brown wood, centred on their platforms; plank 3 is
    // broken: the sea shows where it would be.
    const auto& places = BirdsAttackData::PLATFORM_POSITIONS;
    const auto plankAt = [&](int32_t i) { return At(picture, places[i].m_fxX, places[i].m_fxY - 2 * FX32_ONE); };
    for (int32_t i : {2, 4}) {
        const Pixel wood = plankAt(i);
        EXPECT_GT(wood.r, wood.b + 40) << i;
    }
    const Pixel gap = plankAt(3);
    EXPECT_GT(gap.b, gap.r + 40);
    // The heroine stands with her feet on the first platform: her dress just
    // above them, the sky above her head.
    const Pixel dress = At(picture, places[0].m_fxX, places[0].m_fxY - 30 * FX32_ONE);
    EXPECT_GT(dress.g, dress.r + 40);
    const Pixel sky = At(picture, places[0].m_fxX, places[0].m_fxY - 70 * FX32_ONE);
    EXPECT_GT(sky.b, sky.r + 60);

    // One mending press from plank 2: the broken plank shows a third of its
    // wood over the sea.
    game.GetHeroine().m_iPlatform = 2;
    game.GetHeroine().m_eState = Game::HeroineState::Mending;
    game.GetHeroine().m_iMendCount = 1;
    picture = Draw(game);
    const Pixel faint = plankAt(3);
    EXPECT_GT(faint.r, gap.r + 20);
    EXPECT_LT(faint.r, plankAt(4).r);
    game.Shutdown();
    EXPECT_EQ(m_log.Text().find("function:  MiniGameBirdsAttack"), std::string::npos) << m_log.Text();
}

} // namespace
