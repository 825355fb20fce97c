// The turtle door puzzle's board drawn on the real OpenGL device from its
// sample pack: the door, the three posts with their turtles, the medium
// turtle dragged over the others and the clock at a quarter.
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Input/Common/InputSystem.h"
#include "MiniGame/Common/MiniGameFonts.h"
#include "MiniGame/Common/MiniGameTurtleDoorPuzzle.h"
#include "Renderer/CoreRenderer.h"
#include "Support/GoldenImage.h"
#include "Support/LogCapture.h"
#include "Support/OpenGlPictureTest.h"
#include "Support/ScopedSoundManager.h"

#include <gtest/gtest.h>

namespace {

using namespace MiniGameTest;

class TurtleDoorPuzzleGoldenImageTest : public TestSupport::OpenGlPictureTest {
protected:
    TurtleDoorPuzzleGoldenImageTest() : OpenGlPictureTest(320, 240) { }
};

TEST_F(TurtleDoorPuzzleGoldenImageTest, TheBoardShowsPostsTurtlesSymbolsAndClock)
{
    TestSupport::LogCapture log;
    TestSupport::ScopedSoundManager sound;
    MiniGameWorld world;
    world.SetUp();
    InputSystem::EnableGameEvents(true);
    MiniGameFonts::Load();
    MGSprite::ClearPoolCounts();
    {
        MiniGameTurtleDoorPuzzle game;
        ASSERT_TRUE(game.Initialize()) << log.Text();
        game.GetMessageBox().Hide();
        game.SetState(MiniGame::STATE_STARTING);
        game.Update(16);
        ASSERT_EQ(game.GetState(), MiniGame::STATE_PLAYING);
        // The medium turtle dragged up from the earth's post towards the sky.
        const CoreFxVec medium = game.GetTurtle(MiniGameTurtleDoorPuzzle::Turtle_Medium).GetPosition();
        world.Frame(medium.x, medium.y, true);
        game.Update(16);
        world.Frame(170 * U, 110 * U, true);
        game.Update(16);
        ASSERT_EQ(game.GetPickedTurtle(), MiniGameTurtleDoorPuzzle::Turtle_Medium);
        game.SetTimeLeft(MiniGameTurtleDoorPuzzle::PLAY_TIME / 4);
        game.Update(16);

        const Platform::RgbaImage picture = FramePicture([&] {
            m_renderer.SetScreenCamera();
            game.Render();
        });
        EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/MiniGame/Common/TurtleDoorPuzzle", 8));
        game.Shutdown();
    }
    MGSprite::ShutdownPoolSystem();
    MiniGameFonts::Release();
    world.TearDown();
    EXPECT_EQ(log.Text().find("Warning"), std::string::npos) << log.Text();
}

} // namespace
