#pragma once
// What the mini-game kit's tests share: the world a mini-game runs in (the
// sample data folder as working directory, the common pack bound, the sample
// texts, the save slots, headless input), and a small mini-game that drives
// the kit through a whole run as a real game would.
#include "Hash/CoreCrc32.h"
#include "MiniGame/Common/MiniGame.h"
#include "States/Common/GameState.h"
#include "Support/LogCapture.h"
#include "Support/OpenGlPictureTest.h"
#include "Support/ScopedInputSystem.h"
#include "Support/TestPaths.h"
#include "Utils/Common/DkLocalizer.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace MiniGameTest {

constexpr fx32 U = FX32_ONE;
// The test game's texts.
constexpr uint32_t TITLE_TEXT = CoreCrc32Of("KIT_TEST_TITLE");
constexpr uint32_t INSTRUCTIONS_TEXT = CoreCrc32Of("KIT_TEST_INSTRUCTIONS");
// The test pack's two unit pictures.
constexpr int32_t LIFE_ID = 1;
constexpr int32_t LIFE_LOST_ID = 2;

// A state that stays as it is: the one a mini-game or the splash hands over
// to.
class IdleState final : public GameState {
public:
    IdleState(FiniteStateManager* pOwner, uint16_t uId) : GameState(pOwner, uId), m_uId(uId) { }
    uint16_t Update(uint32_t) override { return m_uId; }
    void Render() override { }

protected:
    void OnInit() override { }
    void OnShutdown() override { }

private:
    uint16_t m_uId;
};

// The sample world of a mini-game. The renderer (and so the texture manager)
// is the test's.
class MiniGameWorld {
public:
    void SetUp();
    void TearDown();
    // A frame of input with the pointer at the point (virtual units) and the
    // left button as given.
    void Frame(fx32 x, fx32 y, bool bButton);
    // A click: the button pressed in one frame and released in the next.
    void Click(fx32 x, fx32 y);
    // A click on the middle of the box's button.
    void ClickButton(const MGMessageBox& box, int32_t i);
    void PressKey(uint8_t code);
    // A key held down or let go from the next frame's poll on.
    void HoldKey(uint8_t code, bool bDown);
    // A frame without any change of input.
    void Frame() { m_pInput->Frame(); }

private:
    std::unique_ptr<TestSupport::ScopedWorkingDirectory> m_pDirectory;
    std::unique_ptr<TestSupport::ScopedInputSystem> m_pInput;
    DkLocalizerBank m_aBanks[DkLocalizer::BANK_COUNT];
    std::vector<std::vector<uint8_t>> m_aTables;
};

// The script's start-mini-game action for the game, as a scene script
// would run it: the game is queued for the adventure to hand over to.
void StartFromScriptAction(int32_t iMiniGameId);
// The adventure's entry: the current save slot, where a mini-game leaves
// its result, restored into the variables the scripts read.
void RestoreCurrentSaveSlot();

// A mini-game of the kit's widgets: it plays until the test ends the play
// with a win or a loss.
class KitTestMiniGame final : public MiniGame {
public:
    explicit KitTestMiniGame(const char* packName = "MG_KitTest") : m_sPackName(packName) { }

    bool Initialize() override;
    void ResetGame(bool won) override;
    void Shutdown() override;
    bool Update(uint32_t dtMs) override;
    void Render() override;

    // The play's end in its next update.
    void EndPlay(bool won) { m_oPendingEnd = won; }
    const MGMeter& GetMeter() const { return m_oMeter; }
    int32_t GetResetCount() const { return m_iResets; }

private:
    const char* m_sPackName;
    std::optional<bool> m_oPendingEnd;
    int32_t m_iResets = 0;
};

// A mini-game drawn on the real OpenGL device in its sample world, with the
// mini-game fonts loaded. With the app renderer the test's renderer is the
// app's (games that set the clear colour reach it there); with the effects
// each picture also shows the running effects.
class MiniGamePictureTest : public TestSupport::OpenGlPictureTest {
protected:
    explicit MiniGamePictureTest(bool bAppRenderer, bool bEffects = false)
        : m_bAppRenderer(bAppRenderer), m_bEffects(bEffects)
    {
    }
    void SetUp() override;
    void TearDown() override;
    Platform::RgbaImage Draw(MiniGame& game);

    TestSupport::LogCapture m_log;
    MiniGameWorld m_world;

private:
    bool m_bAppRenderer;
    bool m_bEffects;
};

} // namespace MiniGameTest
