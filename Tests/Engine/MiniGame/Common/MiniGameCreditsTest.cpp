// The end credits on the recording renderer with the sample data: the
// script's composition, the pace, the pause, the picture slots (a fourth
// picture is refused), skip and the closing fade, and a whole run through the
// mini-game state back to the start menu.
#include "Common/VarIds.h"
#include "Effects/Common/Effect.h"
#include "Effects/Common/EffectList.h"
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Game/TwGame.h"
#include "Input/Common/InputSystem.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/SoundManager.h"
#include "Managers/Common/VarManager.h"
#include "MiniGame/Common/MiniGameCredits.h"
#include "MiniGame/Common/MiniGameFonts.h"
#include "States/Common/FiniteStateManager.h"
#include "States/Common/MiniGameState.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using namespace MiniGameTest;
using Entry = CreditsEntry;

constexpr uint32_t FRAME = 16;
constexpr uint32_t COMMON_SOUND_GROUP = 0x65EC7051;
constexpr const char* NO_SLOT_ASSERT = "iFreePictureId != INVALID_PICTURE_SLOT";

class MiniGameCreditsTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        world.SetUp();
        // The credits play their music.
        ASSERT_TRUE(SoundManager::Initialize() && SoundManager::LoadGroup(COMMON_SOUND_GROUP)) << log.Text();
        log.Take();
        g_oTwGame.m_bPaused = 0;
        g_oTwGame.InitializeEffects();
        MiniGameFonts::Load();
        MGSprite::ClearPoolCounts();
        InputSystem::EnableGameEvents(true);
    }
    void TearDown() override
    {
        InputSystem::EnableGameEvents(false);
        MGSprite::ShutdownPoolSystem();
        MiniGameFonts::Release();
        g_oTwGame.ResetFades();
        g_oTwGame.m_bPaused = 0;
        SoundManager::Terminate();
        world.TearDown();
        NullRendererTest::TearDown();
    }
    // A frame of the main loop for the game alone: its update, then the
    // effects and the input.
    bool Step(MiniGameCredits& game, uint32_t dt = FRAME)
    {
        const bool bFinished = game.Update(dt);
        Effect::UpdateAll(dt);
        world.Frame();
        return bFinished;
    }
    // A frame in which the primary button goes down (the skip).
    bool ClickStep(MiniGameCredits& game)
    {
        world.Frame(128 * U, 96 * U, true);
        const bool bFinished = game.Update(FRAME);
        Effect::UpdateAll(FRAME);
        world.Frame(128 * U, 96 * U, false);
        return bFinished;
    }
    static Effect* SceneFade() { return g_oEffectList.Get(g_oTwGame.GetFadeSlot(GlobalFade::OutToBlack)); }
    static int SlotsShowing(const MiniGameCredits& game, int32_t iPicture)
    {
        int count = 0;
        for (int32_t i = 0; i < MiniGameCredits::PICTURE_SLOT_COUNT; ++i)
            count += !game.IsSlotFree(i) && game.GetSlotPicture(i) == iPicture;
        return count;
    }

    TestSupport::LogCapture log;
    MiniGameWorld world;
};

TEST(CreditsScriptTest, TheScriptHasItsCompositionAndEveryTextIdHasAText)
{
    std::map<std::string, int> counts;
    std::vector<int32_t> pictures;
    const Entry* rows = CreditsScript::ROWS;
    for (int32_t i = 0; i < CreditsScript::ROW_COUNT; ++i) {
        const Entry& row = rows[i];
        switch (row.m_uKind) {
        case Entry::KIND_TEXT: {
            const bool heading = row.m_uColor == Entry::HEADING_COLOR;
            EXPECT_TRUE(heading || row.m_uColor == Entry::WHITE) << i;
            EXPECT_NE(row.m_sText == nullptr, row.m_uTextId == Entry::NO_TEXT_ID) << i;
            ++counts[std::string(heading ? "heading " : "white ") + (row.m_sText ? "literal" : "id")];
            // A heading by id opens a section: a big gap above, a small one below.
            if (heading && row.m_sText == nullptr) {
                EXPECT_EQ(rows[i - 1].m_uKind, Entry::KIND_BIG_GAP) << i;
                EXPECT_EQ(rows[i + 1].m_uKind, Entry::KIND_SMALL_GAP) << i;
            }
            break;
        }
        case Entry::KIND_PICTURE:
            pictures.push_back(row.m_iPicture);
            EXPECT_EQ(rows[i - 1].m_uKind, Entry::KIND_BIG_GAP) << i;
            break;
        case Entry::KIND_SMALL_GAP: ++counts["small gap"]; break;
        case Entry::KIND_BIG_GAP: ++counts["big gap"]; break;
        default: ADD_FAILURE() << "row " << i << " has kind " << row.m_uKind; break;
        }
        if (row.m_uKind != Entry::KIND_PICTURE) {
            EXPECT_EQ(row.m_iPicture, Entry::NO_PICTURE) << i;
        }
        if (row.m_uKind != Entry::KIND_TEXT) {
            EXPECT_EQ(row.m_uColor, Entry::WHITE) << i;
        }
    }
    EXPECT_EQ(counts, (std::map<std::string, int>({{"heading id", 33},
                                                   {"heading literal", 4},
                                                   {"white literal", 93},
                                                   {"white id", 2},
                                                   {"small gap", 33},
                                                   {"big gap", 50}})));
    EXPECT_EQ(pictures, (std::vector<int32_t>({2, 3, 7, 4, 8, 9, 6, 4, 5, 10, 3})));
    for (int32_t i = 0; i < 4; ++i)
        EXPECT_EQ(rows[i].m_uKind, Entry::KIND_BIG_GAP);
    EXPECT_EQ(rows[4].m_uKind, Entry::KIND_PICTURE);
}

TEST_F(MiniGameCreditsTest, EveryTextIdOfTheScriptHasASampleText)
{
    for (int32_t i = 0; i < CreditsScript::ROW_COUNT; ++i) {
        if (CreditsScript::ROWS[i].m_uTextId != Entry::NO_TEXT_ID)
            g_oDkLocalizer.GetText(CreditsScript::ROWS[i].m_uTextId);
    }
    EXPECT_EQ(log.Text().find("Invalid Textid"), std::string::npos) << log.Text();
}

TEST_F(MiniGameCreditsTest, TheScrollFallsHalfAUnitPerUpdateWhateverTheFrameLengthAndStopsWhilePaused)
{
    MiniGameCredits game;
    ASSERT_TRUE(game.Initialize()) << log.Text();
    // The picture rows take the height of picture 3; text rows the main
    // font's line.
    fx32 total = 0;
    for (int32_t i = 0; i < CreditsScript::ROW_COUNT; ++i)
        total += game.GetRowHeight(CreditsScript::ROWS[i]);
    EXPECT_EQ(game.GetTotalHeight(), total);
    EXPECT_GT(total, 226 * 8 * U);

    // 16 ms frames, 33 ms frames, the auto-test's sixteen-fold frames and a
    // one-second stall all move the same half unit: 62.5 updates a second
    // scroll 31.25 units.
    for (uint32_t dt : {16u, 33u, 256u, 1000u}) {
        const fx32 before = game.GetScrollPosition();
        Step(game, dt);
        EXPECT_EQ(before - game.GetScrollPosition(), 0x800) << dt << " ms";
    }
    const fx32 start = game.GetScrollPosition();
    for (int frame = 0; frame < 125; ++frame)
        Step(game);
    EXPECT_EQ(start - game.GetScrollPosition(), 62 * U + U / 2);

    // Paused: nothing moves, and the slots stay as they are.
    int32_t slots[3] = {game.GetSlotPicture(0), game.GetSlotPicture(1), game.GetSlotPicture(2)};
    const fx32 paused = game.GetScrollPosition();
    g_oTwGame.m_bPaused = 1;
    game.SetScrollPosition(-400 * U);
    for (int frame = 0; frame < 50; ++frame)
        EXPECT_FALSE(Step(game, 100));
    EXPECT_EQ(game.GetScrollPosition(), -400 * U);
    for (int32_t i = 0; i < 3; ++i)
        EXPECT_EQ(game.GetSlotPicture(i), slots[i]);
    g_oTwGame.m_bPaused = 0;
    game.SetScrollPosition(paused);
    game.Shutdown();
}

TEST_F(MiniGameCreditsTest, APictureKeepsItsSlotWhileOnScreenAndTheShippedScriptNeverNeedsAFourth)
{
    MiniGameCredits game;
    ASSERT_TRUE(game.Initialize()) << log.Text();
    int32_t shown = 0;
    int32_t slotOfFirst = -1;
    int maxOnScreen = 0;
    // The first picture (2) enters after the four big gaps.
    while (!game.IsEnding()) {
        ASSERT_FALSE(Step(game));
        int busy = 0;
        for (int32_t i = 0; i < 3; ++i)
            busy += !game.IsSlotFree(i);
        maxOnScreen = std::max(maxOnScreen, busy);
        if (SlotsShowing(game, 2) == 1) {
            int32_t slot = 0;
            while (game.GetSlotPicture(slot) != 2)
                ++slot;
            if (slotOfFirst == -1)
                slotOfFirst = slot;
            EXPECT_EQ(slot, slotOfFirst);
            ++shown;
        }
        EXPECT_LE(SlotsShowing(game, 3), 1);
    }
    // 48 units of picture plus the screen's 192, at half a unit a frame.
    EXPECT_GE(shown, 2 * (192 + 48) - 2);
    EXPECT_GE(maxOnScreen, 1);
    EXPECT_LE(maxOnScreen, 3);
    // The last row has left the top when the fade starts.
    EXPECT_LT(game.GetScrollPosition() + game.GetTotalHeight(), 0);
    EXPECT_EQ(log.Text().find("ASSERT"), std::string::npos) << log.Text();
    game.Shutdown();
}

TEST_F(MiniGameCreditsTest, AFourthPictureOnScreenIsRefusedAndNotDrawn)
{
    const Entry pictures[] = {
        {Entry::KIND_PICTURE, Entry::WHITE, Entry::NO_TEXT_ID, nullptr, 2},
        {Entry::KIND_PICTURE, Entry::WHITE, Entry::NO_TEXT_ID, nullptr, 4},
        {Entry::KIND_PICTURE, Entry::WHITE, Entry::NO_TEXT_ID, nullptr, 5},
        {Entry::KIND_PICTURE, Entry::WHITE, Entry::NO_TEXT_ID, nullptr, 6},
    };
    MiniGameCredits game;
    game.SetScript(pictures, 4);
    ASSERT_TRUE(game.Initialize()) << log.Text();
    Step(game);
    // Slot 0 kept picture 3 at first; the three slots now hold 2, 4 and 5.
    EXPECT_EQ(SlotsShowing(game, 2) + SlotsShowing(game, 4) + SlotsShowing(game, 5), 3);
    EXPECT_EQ(SlotsShowing(game, 6), 0);
    EXPECT_NE(log.Text().find(NO_SLOT_ASSERT), std::string::npos) << log.Text();

    const size_t before = m_graphics.Recorder().Named("DrawPrimitiveUP").size();
    log.Take();
    game.Render();
    EXPECT_EQ(m_graphics.Recorder().Named("DrawPrimitiveUP").size() - before, 3u);
    EXPECT_NE(log.Text().find("iPictureId != INVALID_PICTURE_SLOT"), std::string::npos) << log.Text();
    EXPECT_NE(log.Text().find("MiniGameCredits::Render"), std::string::npos) << log.Text();
    game.Shutdown();
}

TEST_F(MiniGameCreditsTest, ASkipStartsTheSceneFadeOnceAndTheCreditsEndWhenItHasFinished)
{
    MiniGameCredits game;
    ASSERT_TRUE(game.Initialize()) << log.Text();
    Step(game);
    EXPECT_FALSE(ClickStep(game));
    ASSERT_TRUE(game.IsEnding());
    ASSERT_NE(SceneFade(), nullptr);
    EXPECT_TRUE(SceneFade()->IsRunning());
    // A second press during the fade does not start it again.
    for (int frame = 0; frame < 10; ++frame)
        Step(game);
    const fx32 elapsed = SceneFade()->GetElapsed();
    EXPECT_GT(elapsed, 0);
    ClickStep(game);
    EXPECT_GT(SceneFade()->GetElapsed(), elapsed);
    // The scroll goes on during the fade, which lasts 0.7 s.
    int frames = 12;
    const fx32 scroll = game.GetScrollPosition();
    while (!Step(game))
        ASSERT_LT(++frames, 60);
    EXPECT_GE(frames, 0xB33 * 1000 / FX32_ONE / 16);
    EXPECT_LT(game.GetScrollPosition(), scroll);
    game.Shutdown();
}

TEST_F(MiniGameCreditsTest, TheCreditsRunToTheirEndInTheMiniGameStateAndHandOverToTheStartMenu)
{
    FiniteStateManager states;
    states.AddState(std::make_unique<IdleState>(&states, STATE_ID_MAIN));
    states.AddState(std::make_unique<MiniGameState>(&states));
    states.GetStateQueue().Push({STATE_ID_MINIGAME, 1, 0});
    states.SetState(STATE_ID_MINIGAME);
    auto* pState = static_cast<MiniGameState*>(states.GetState(STATE_ID_MINIGAME));
    ASSERT_NE(dynamic_cast<MiniGameCredits*>(pState->GetMiniGame()), nullptr) << log.Text();
    const fx32 total = static_cast<MiniGameCredits*>(pState->GetMiniGame())->GetTotalHeight();
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, 12);

    int frames = 0;
    while (states.GetCurrentState()->GetId() == STATE_ID_MINIGAME) {
        states.ManageStates(FRAME);
        Effect::UpdateAll(FRAME);
        world.Frame();
        ASSERT_LT(++frames, 40000);
    }
    // Every row scrolled by at half a unit an update, then the 0.7 s fade.
    EXPECT_GT(frames, total / 0x800);
    EXPECT_LT(frames, total / 0x800 + 60);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE), MiniGameState::START_MENU_SCENE);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), 12);
    EXPECT_EQ(g_oScriptManager.GetNextSceneId(), MiniGameState::START_MENU_SCENE);
    EXPECT_TRUE(g_oScriptManager.IsChangePending());
    EXPECT_EQ(log.Text().find("ASSERT"), std::string::npos) << log.Text();
    states.ReleaseStates();
}

} // namespace
