// The kit's widgets one by one, on the recording renderer with the sample
// pack of the test game bound: the sprite pool and its counts, sprites,
// rectangles, meters, gauges, the controls displayer, the message box and the
// base's state stack.
#include "Common/GameLanguages.h"
#include "DataPack/DkDataPackBinding.h"
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Input/Common/InputSystem.h"
#include "Input/KeyCodes.h"
#include "Managers/Common/PackageResource.h"
#include "Managers/Common/ResourceManager.h"
#include "MiniGame/Common/MGControlsDisplayer.h"
#include "MiniGame/Common/MGGauge.h"
#include "MiniGame/Common/MGMessageBox.h"
#include "MiniGame/Common/MGMeter.h"
#include "MiniGame/Common/MGRectangle.h"
#include "MiniGame/Common/MiniGameFonts.h"
#include "MiniGame/Common/MiniGameWoodenSwordDuel.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Support/TestPaths.h"
#include "Utils/Common/DkLocalizer.h"
#include "fx32/fx_trig.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace MiniGameTest;

constexpr int32_t UNKNOWN_TEXTURE_ID = 77;
constexpr const char* LONG_TEXT =
    "The tide comes in twice a day, and twice a day the crabs run for the rocks. Catch the stars that fall from the "
    "mast before they reach the water. Each star you miss costs a life, and three lives lost end the round. Move "
    "with the arrow keys or the mouse; press Escape to pause. The faster you are, the more stars fall at once, so "
    "keep an eye on the gauge at the top of the screen: when it is full, the wind turns and the stars fall slower "
    "for a while. Good luck, and mind the gulls, who like stars as much as you do.";

uint16_t MemoryCount(int32_t iId)
{
    return MGSprite::GetPoolCount(MGSprite::CountTable::Memory, iId);
}

class MiniGameKitTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        world.SetUp();
        InputSystem::EnableGameEvents(true);
        MiniGameFonts::Load();
        pack = ResourceManager::GetInstance()->LoadPackage("MiniGame/MG_KitTest.twscene.dr");
        ASSERT_NE(pack, nullptr);
        ASSERT_TRUE(DkDataPackBinding::BindPack(dataPack, pack->Buffer(), pack->Size(), "MG_KitTest"));
        MGSprite::ClearPoolCounts();
        for (auto [iId, name] : {std::pair {LIFE_ID, "mg_kit_life"},
                                 {LIFE_LOST_ID, "mg_kit_life_lost"},
                                 {UNKNOWN_TEXTURE_ID, "no_such_texture"},
                                 {MGSprite::ID_POINTER, ":mg_interface_cursor"},
                                 {MGSprite::ID_DOWN_ARROW, ":mg_interface_next_button"},
                                 {MGSprite::ID_UP_ARROW, ":mg_interface_next_button"},
                                 {MGSprite::ID_MESSAGE_BOX, "masks_MG_MsgBox"}})
            ASSERT_TRUE(MGSprite::RegisterSpriteName(iId, "", name));
        // The first start of the heap reports the memory.
        log.Take();
    }
    void TearDown() override
    {
        MGSprite::ShutdownPoolSystem();
        DkDataPackBinding::UnbindPack(dataPack);
        MiniGameFonts::Release();
        world.TearDown();
        NullRendererTest::TearDown();
    }

    TestSupport::LogCapture log;
    MiniGameWorld world;
    PackageResource* pack = nullptr;
    DataPack dataPack;
};

TEST_F(MiniGameKitTest, SpriteNamesOutOfRangeOrTooLongAreRefused)
{
    struct Case {
        int32_t iId;
        std::string name;
        bool bAccepted;
    };
    const Case cases[] = {
        {0, "mg_kit_life", false},         {-1, "mg_kit_life", false},         {256, "mg_kit_life", false},
        {10, std::string(255, 'a'), true}, {11, std::string(256, 'a'), false}, {255, "masks_MG_MsgBox", true},
    };
    for (const Case& c : cases) {
        log.Take();
        EXPECT_EQ(MGSprite::RegisterSpriteName(c.iId, "", c.name.c_str()), c.bAccepted) << c.iId;
        EXPECT_EQ(log.Take().empty(), c.bAccepted) << c.iId;
    }
    // A refused name leaves the id as it was.
    EXPECT_STREQ(MGSprite::GetRegisteredName(11), "");
    EXPECT_FALSE(MGSprite::RegisterSpriteName(12, std::string(200, 'p').c_str(), std::string(56, 'n').c_str()));
}

TEST_F(MiniGameKitTest, FramesCountTheirIdsAndGiveEveryCountBack)
{
    MGSprite first;
    MGSprite second;
    ASSERT_TRUE(first.InitializeFromId(LIFE_ID, false));
    ASSERT_TRUE(second.InitializeFromId(LIFE_ID, false));
    EXPECT_EQ(MemoryCount(LIFE_ID), 2);
    first.Shutdown();
    EXPECT_EQ(MemoryCount(LIFE_ID), 1);
    EXPECT_TRUE(second.IsInitialized());
    EXPECT_EQ(second.GetSize().x, 40 * 0x333);

    MGSprite blink;
    const int32_t ids[] = {LIFE_ID, LIFE_LOST_ID, LIFE_ID, LIFE_LOST_ID};
    const fx32 durations[] = {0x400, 0x400, 0x400, 0x400};
    ASSERT_TRUE(blink.Initialize(ids, 4, durations, nullptr));
    EXPECT_EQ(MemoryCount(LIFE_ID), 3);
    EXPECT_EQ(MemoryCount(LIFE_LOST_ID), 2);
    blink.Shutdown();
    second.Shutdown();
    // A second shutdown gives nothing back twice.
    blink.Shutdown();
    EXPECT_EQ(MemoryCount(LIFE_ID), 0);
    EXPECT_EQ(MemoryCount(LIFE_LOST_ID), 0);
    EXPECT_EQ(log.Text(), "");
}

TEST_F(MiniGameKitTest, AFailedInitializeLeavesNothingCounted)
{
    struct Case {
        int32_t aiIds[2];
        uint32_t auNext[2];
        const char* sLine;
    };
    const Case cases[] = {
        {{LIFE_ID, 0}, {1, 0}, "MGSprite::LoadTextureFromPool -- Invalid sprite ID : 0.\n"},
        {{LIFE_ID, 300}, {1, 0}, "MGSprite::LoadTextureFromPool -- Invalid sprite ID : 300.\n"},
        {{LIFE_ID, UNKNOWN_TEXTURE_ID}, {1, 0}, "No texture \"no_such_texture\" for sprite ID : 77."},
        {{LIFE_ID, LIFE_ID}, {1, 2}, "MGSprite::Initialize -- Next frame 2 of frame 1 out of range\n"},
    };
    const fx32 durations[] = {0x400, 0x400};
    for (const Case& c : cases) {
        MGSprite sprite;
        log.Take();
        EXPECT_FALSE(sprite.Initialize(c.aiIds, 2, durations, c.auNext));
        const std::string text = log.Take();
        EXPECT_NE(text.find(c.sLine), std::string::npos) << text;
        EXPECT_NE(text.find("MGSprite::Initialize -- Error in LoadTextureFromPool\n"), std::string::npos);
        EXPECT_FALSE(sprite.IsInitialized());
        sprite.Shutdown();
        EXPECT_EQ(MemoryCount(LIFE_ID), 0) << c.aiIds[1];
    }
}

TEST_F(MiniGameKitTest, TheEndOfARunWarnsOnceForEveryIdStillCounted)
{
    MGSprite sprite;
    const int32_t ids[] = {LIFE_ID, LIFE_LOST_ID, LIFE_ID};
    const fx32 durations[] = {0, 0, 0};
    ASSERT_TRUE(sprite.Initialize(ids, 3, durations, nullptr));
    MGSprite::ShutdownPoolSystem();
    EXPECT_EQ(log.Take(), "MGSprite::ShutdownPoolSystem (Memory references) -- Warning ! The minigame did not properly "
                          "shutdown the sprite number with ID : 1\n"
                          "MGSprite::ShutdownPoolSystem (Memory references) -- Warning ! The minigame did not properly "
                          "shutdown the sprite number with ID : 2\n");
    // The late shutdown of the sprite does not wrap the cleared counts.
    sprite.Shutdown();
    EXPECT_EQ(MemoryCount(LIFE_ID), 0);
    EXPECT_EQ(MemoryCount(LIFE_LOST_ID), 0);
}

TEST_F(MiniGameKitTest, AnimationsLoopHoldSkipAndPlayOnce)
{
    struct Case {
        const char* sWhat;
        fx32 afxDurations[3];
        const uint32_t* puNext;
        uint32_t uMilliseconds;
        int32_t iFrame;
    };
    static const uint32_t ONCE[] = {1, 2, 2};
    const Case cases[] = {
        {"one step", {0x400, 0x400, 0x400}, nullptr, 300, 1},
        {"several frames in one update", {0x400, 0x400, 0x400}, nullptr, 600, 2},
        {"a loop back to the start", {0x400, 0x400, 0x400}, nullptr, 800, 0},
        {"a frame of no duration holds", {0x400, 0, 0x400}, nullptr, 5000, 1},
        {"played once, holding the last", {0x400, 0x400, 0x400}, ONCE, 5000, 2},
    };
    const int32_t ids[] = {LIFE_ID, LIFE_LOST_ID, LIFE_ID};
    for (const Case& c : cases) {
        MGSprite sprite;
        ASSERT_TRUE(sprite.Initialize(ids, 3, c.afxDurations, c.puNext));
        sprite.Update(c.uMilliseconds);
        EXPECT_EQ(sprite.GetCurrentFrame(), c.iFrame) << c.sWhat;
        sprite.Update(0);
        EXPECT_EQ(sprite.GetCurrentFrame(), c.iFrame) << c.sWhat;
        sprite.Shutdown();
    }
}

TEST_F(MiniGameKitTest, AFrameOutOfRangeIsRefused)
{
    MGSprite sprite;
    const int32_t ids[] = {LIFE_ID, LIFE_LOST_ID};
    const fx32 durations[] = {0x400, 0x400};
    ASSERT_TRUE(sprite.Initialize(ids, 2, durations, nullptr));
    sprite.SetCurrentFrame(1);
    for (int32_t iFrame : {-1, 2, 100}) {
        log.Take();
        sprite.SetCurrentFrame(iFrame);
        EXPECT_NE(log.Take().find("iFrame >= 0 && iFrame < m_iNbFrames"), std::string::npos);
        EXPECT_EQ(sprite.GetCurrentFrame(), 1);
    }
    sprite.Shutdown();
}

TEST_F(MiniGameKitTest, PointsOnTheSpriteEdgesAreInsideAndAlphaAndTurnShowInTheVertices)
{
    MGSprite sprite;
    ASSERT_TRUE(sprite.InitializeFromId(LIFE_ID, false));
    const fx32 width = 40 * 0x333;
    sprite.SetPosition(100 * U, 50 * U, 0);
    struct Point {
        fx32 x;
        fx32 y;
        bool bInside;
    };
    for (const Point& p : {Point {100 * U, 50 * U, true}, Point {100 * U + width, 50 * U + width, true},
                           Point {100 * U - 1, 60 * U, false}, Point {110 * U, 50 * U + width + 1, false}})
        EXPECT_EQ(sprite.IsPointInside(p.x, p.y), p.bInside) << p.x << ", " << p.y;
    // Centred on its position, the same box lies half a width further left.
    sprite.SetPivotCentered();
    EXPECT_TRUE(sprite.IsPointInside(100 * U - width / 2, 50 * U));
    EXPECT_FALSE(sprite.IsPointInside(100 * U + width / 2 + 1, 50 * U));

    EXPECT_EQ(sprite.GetVertexColor(), 0xFFFFFFFFu);
    sprite.SetAlpha(FX32_HALF);
    EXPECT_EQ(sprite.GetVertexColor(), 0xFFFFFF7Fu);
    sprite.SetAlpha(0);
    EXPECT_EQ(sprite.GetVertexColor(), 0xFFFFFF00u);

    sprite.SetRotation(0x3244);
    const CoreFxMtx33& m = sprite.GetRotationMatrix();
    EXPECT_EQ(m.m[0], FX_CosIdx(32768));
    EXPECT_EQ(m.m[0], -FX32_ONE);
    EXPECT_EQ(m.m[1], FX_SinIdx(32768));
    EXPECT_EQ(m.m[3], -FX_SinIdx(32768));
    EXPECT_EQ(m.m[8], FX32_ONE);
    sprite.Shutdown();
}

TEST_F(MiniGameKitTest, NamesAreFoundByCrcInASortedTable)
{
    const ResourceNameEntry table[] = {{0x10, "a"}, {0x20, "b"}, {0x30, "c"}, {0x80000000u, "d"}, {0xFFFFFFF0u, "e"}};
    for (const ResourceNameEntry& entry : table)
        EXPECT_STREQ(MiniGame::GetResourceNameFromCRC(entry.m_uCrc, table, 5), entry.m_sName);
    for (uint32_t crc : {0x0u, 0x25u, 0xFFFFFFFFu}) {
        log.Take();
        EXPECT_EQ(MiniGame::GetResourceNameFromCRC(crc, table, 5), nullptr);
        EXPECT_NE(log.Take().find("ASSERT"), std::string::npos);
    }
}

TEST_F(MiniGameKitTest, RectanglesExcludeTheirEdgesAndTouchingOnesIntersect)
{
    MGRectangle box;
    box.m_fxX = 10 * U;
    box.m_fxY = 20 * U;
    box.SetSize(30 * U, 40 * U);
    struct Point {
        fx32 x;
        fx32 y;
        bool bInside;
    };
    for (const Point& p : {Point {11 * U, 21 * U, true}, Point {10 * U, 30 * U, false}, Point {40 * U, 30 * U, false},
                           Point {20 * U, 60 * U, false}, Point {20 * U, 60 * U - 1, true}})
        EXPECT_EQ(box.IsPointInside(p.x, p.y), p.bInside) << p.x << ", " << p.y;

    MGRectangle right;
    right.m_fxX = 40 * U;
    right.m_fxY = 20 * U;
    right.SetSize(5 * U, 5 * U);
    EXPECT_TRUE(box.Intersects(right));
    right.m_fxX += 1;
    EXPECT_FALSE(box.Intersects(right));

    MGRectangle empty;
    empty.m_fxX = 10 * U;
    empty.m_fxY = 10 * U;
    EXPECT_FALSE(empty.IsPointInside(10 * U, 10 * U));
    empty.SetSize(-U, U);
    EXPECT_EQ(empty.m_fxWidth, 0);
}

TEST_F(MiniGameKitTest, LostLivesBlinkOutAndHoldTheLostPicture)
{
    MGMeter meter;
    EXPECT_EQ(meter.GetSize(), MGMeter::NOT_INITIALIZED);
    ASSERT_TRUE(meter.Initialize(LIFE_LOST_ID, LIFE_ID));
    EXPECT_EQ(meter.GetValue(), 3);
    EXPECT_EQ(meter.Remove(), 2);
    EXPECT_EQ(meter.Remove(), 1);
    EXPECT_EQ(meter.Remove(), 0);
    EXPECT_EQ(meter.Remove(), 0);
    for (int i = 0; i < 120; ++i)
        meter.Update(16);
    for (int32_t i = 0; i < 3; ++i)
        EXPECT_EQ(meter.GetUnit(i)->GetCurrentFrame(), 7) << i;
    EXPECT_EQ(meter.Reset(), 3);
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(meter.GetUnit(i)->GetCurrentFrame(), 0) << i;
        EXPECT_FALSE(meter.GetUnit(i)->IsAnimating());
    }
    meter.Shutdown();
    EXPECT_EQ(MemoryCount(LIFE_ID), 0);

    // A meter whose pictures are missing is not made at all.
    MGMeter broken;
    EXPECT_FALSE(broken.Initialize(UNKNOWN_TEXTURE_ID, LIFE_ID));
    EXPECT_EQ(broken.GetUnit(0), nullptr);
    EXPECT_EQ(MemoryCount(LIFE_ID), 0);
    broken.Shutdown();
    log.Take();
    broken.Render(0, 0, 0, 0);
    EXPECT_NE(log.Take().find("m_pSprite != NULL"), std::string::npos);
}

TEST_F(MiniGameKitTest, GaugesClampTheirValueAndBlendTheirFill)
{
    MGGauge gauge;
    gauge.SetMax(10 * U);
    struct Case {
        fx32 value;
        fx32 stored;
    };
    for (const Case& c : {Case {5 * U, 5 * U}, Case {11 * U, 10 * U}, Case {-1, 0}, Case {10 * U, 10 * U}})
        EXPECT_EQ(gauge.SetValue(c.value), c.stored) << c.value;
    gauge.SetMax(4 * U);
    EXPECT_EQ(gauge.GetValue(), 4 * U);
    EXPECT_EQ(gauge.ComputeFillColor(), 0x00FF00FFu);
    gauge.SetValue(0);
    EXPECT_EQ(gauge.ComputeFillColor(), 0xFF0000FFu);
    gauge.SetValue(2 * U);
    EXPECT_EQ(gauge.ComputeFillColor(), 0x7F7F00FFu);
    EXPECT_EQ(gauge.ComputeFillEnd(), 128 * U);
    log.Take();
    gauge.SetMax(0);
    EXPECT_EQ(gauge.GetMax(), 4 * U);
    EXPECT_NE(log.Take().find("fMax > 0"), std::string::npos);
}

TEST_F(MiniGameKitTest, TheControlsDisplayerWrapsItsStepsAndHoldsOnAStepOfNoDuration)
{
    MGControlsDisplayer displayer;
    const MGControlsDisplayer::Step steps[] = {{0, 0x1000}, {1, 0x800}, {2, 0x1000}};
    displayer.SetSteps(steps, 3);
    displayer.Reset();
    // A round lasts 2.5 s: 5.5 s is two rounds and half a second of step 0.
    displayer.Update(5500);
    EXPECT_EQ(displayer.GetCurrentStep(), 0);
    EXPECT_EQ(displayer.GetTimer(), 0x800);
    displayer.Update(600);
    EXPECT_EQ(displayer.GetCurrentStep(), 1);

    const MGControlsDisplayer::Step stuck[] = {{0, 0x800}, {1, 0}};
    displayer.SetSteps(stuck, 2);
    displayer.Reset();
    displayer.Update(10000);
    EXPECT_EQ(displayer.GetCurrentStep(), 1);

    EXPECT_FALSE(MGControlsDisplayer::IsBlinkOn(0));
    EXPECT_TRUE(MGControlsDisplayer::IsBlinkOn(0x4CD));
    EXPECT_FALSE(MGControlsDisplayer::IsBlinkOn(0x99A));
}

class MessageBoxTest : public MiniGameKitTest {
protected:
    void SetUp() override
    {
        MiniGameKitTest::SetUp();
        ASSERT_TRUE(box.Initialize());
    }
    void TearDown() override
    {
        box.Shutdown();
        MiniGameKitTest::TearDown();
    }
    fx32 ArrowWidth() const { return box.GetDownArrow().GetSize().x; }

    MGMessageBox box;
};

TEST_F(MessageBoxTest, ALongTextIsWrappedNarrowerAndShowsTheDownArrow)
{
    box.Show("Catch the stars.", "Title", "Go on", nullptr, 0);
    EXPECT_EQ(box.GetLineCount(), 1);
    EXPECT_FALSE(box.GetDownArrow().IsVisible());
    EXPECT_FALSE(box.GetUpArrow().IsVisible());
    EXPECT_EQ(box.GetTextArea().m_fxWidth, MGMessageBox::TEXT_WIDTH);
    box.Hide();

    box.Show(LONG_TEXT, "Title", "Go on", nullptr, 0);
    EXPECT_GT(box.GetLineCount(), box.GetLinesPerPage());
    EXPECT_TRUE(box.GetDownArrow().IsVisible());
    EXPECT_EQ(box.GetTextArea().m_fxWidth, MGMessageBox::TEXT_WIDTH - ArrowWidth());
}

TEST_F(MessageBoxTest, TheDuelsInstructionsEndALineAboveItsButtonsInEveryLanguage)
{
    for (int32_t language = 0; language < GAME_LANGUAGE_COUNT; ++language) {
        const std::string code = GetLanguageCode(language);
        std::vector<uint8_t> table =
            TestSupport::ReadFileBytes(TestSupport::DataDir() / "text" / (code + "TextCommon.dat"));
        const int32_t bank = g_oDkLocalizer.AddBank(code.c_str(), table.data(), uint32_t(table.size()));
        ASSERT_NE(bank, -1) << code;
        box.Show(g_oDkLocalizer.GetText(MiniGameWoodenSwordDuel::TEXT_INSTRUCTIONS), "Title", "Go on", nullptr, 0);
        // All of it on one page, its last line clear of the buttons by a line.
        const fx32 bottom = MGMessageBox::TEXT_Y + box.GetLineCount() * MiniGameFonts::MainFont.GetLineHeight();
        EXPECT_LE(box.GetLineCount(), box.GetLinesPerPage()) << code;
        EXPECT_LE(bottom + MiniGameFonts::MainFont.GetLineHeight(), MGMessageBox::BUTTONS_Y) << code;
        box.Hide();
        g_oDkLocalizer.RemoveBank(bank);
    }
}

TEST_F(MessageBoxTest, HoldingDownScrollsOncePerPressAndStopsAtTheLastPage)
{
    box.Show(LONG_TEXT, "Title", "Go on", nullptr, 0);
    const int32_t page = box.GetLinesPerPage();
    world.Frame();
    for (int i = 0; i < 5; ++i) {
        world.PressKey(Platform::KEY_DOWN);
        box.Update(16);
        EXPECT_EQ(box.GetFirstVisibleLine(), page) << "frame " << i;
    }
    for (int i = 0; i < 50; ++i)
        box.ScrollDown();
    EXPECT_LE(box.GetFirstVisibleLine(), box.GetLineCount() - 1);
    EXPECT_GE(box.GetFirstVisibleLine(), box.GetLineCount() - page);
    box.UpdateScrollButtons();
    EXPECT_FALSE(box.GetDownArrow().IsVisible());
    EXPECT_TRUE(box.GetUpArrow().IsVisible());
}

TEST_F(MessageBoxTest, ButtonsSitAtThirdsOrCentredOrAtBothEdges)
{
    constexpr fx32 X = MGMessageBox::TEXT_X;
    constexpr fx32 W = MGMessageBox::TEXT_WIDTH;
    box.Show("Text", nullptr, "Quit", nullptr, 1);
    const MGRectangle& first = box.GetButton(0).m_oRect;
    const MGRectangle& second = box.GetButton(1).m_oRect;
    EXPECT_EQ(first.m_fxX, X + W / 3 - first.m_fxWidth / 2 + W / 6);
    EXPECT_EQ(first.m_fxY, MGMessageBox::BUTTONS_Y);
    box.Hide();

    box.Show("Text", nullptr, "Quit", "Retry", 1);
    EXPECT_EQ(first.m_fxX, X + W / 3 - first.m_fxWidth / 2);
    EXPECT_EQ(second.m_fxX, X + 2 * W / 3 - second.m_fxWidth / 2);
    box.Hide();

    const std::string wide(12, 'W');
    box.Show("Text", nullptr, wide.c_str(), wide.c_str(), 1);
    EXPECT_LE(first.m_fxX, X);
    EXPECT_GE(second.m_fxX + second.m_fxWidth, X + W);
}

TEST_F(MessageBoxTest, AClickOnTheTextPagesDownAndAButtonAnswersFromTheNextFrame)
{
    box.Show(LONG_TEXT, "Title", "Go on", "Skip", 0);
    world.Click(100 * U, 100 * U);
    EXPECT_FALSE(box.Update(16));
    EXPECT_EQ(box.GetFirstVisibleLine(), box.GetLinesPerPage());
    EXPECT_EQ(box.GetResult(), MGMessageBox::RESULT_NONE);

    const MGRectangle& skip = box.GetButton(1).m_oRect;
    world.Click(skip.m_fxX + skip.m_fxWidth / 2, skip.m_fxY + skip.m_fxHeight / 2);
    EXPECT_FALSE(box.Update(16));
    EXPECT_EQ(box.GetResult(), MGMessageBox::RESULT_SECOND);
    EXPECT_FALSE(box.GetPointer().IsVisible());
    world.Frame();
    EXPECT_TRUE(box.Update(16));
    EXPECT_TRUE(box.Update(16));

    log.Take();
    box.Show("Again", nullptr, "Go on", nullptr, 0);
    EXPECT_NE(log.Take().find("false == m_bShown"), std::string::npos);
    EXPECT_FALSE(box.IsDone());
}

TEST(MiniGameStackTest, TheStackRefusesAPushWhenFullAndAPopWhenEmpty)
{
    TestSupport::LogCapture log;
    KitTestMiniGame game;
    EXPECT_EQ(game.PopState(), -1);
    EXPECT_EQ(game.GetStackLevel(), 0);
    game.SetState(MiniGame::STATE_PAUSE_BOX);
    EXPECT_TRUE(game.PushState());
    EXPECT_EQ(game.GetState(), MiniGame::STATE_SUSPENDED);
    EXPECT_TRUE(game.PushState());
    EXPECT_FALSE(game.PushState());
    EXPECT_EQ(game.GetStackLevel(), MiniGame::STACK_LEVEL - 1);
    EXPECT_EQ(game.PopState(), MiniGame::STATE_SUSPENDED);
    EXPECT_EQ(game.PopState(), MiniGame::STATE_SUSPENDED);
    EXPECT_EQ(game.GetState(), MiniGame::STATE_PAUSE_BOX);
    EXPECT_NE(log.Text().find("m_iMGStackLevel > 0"), std::string::npos);
    EXPECT_NE(log.Text().find("m_iMGStackLevel < static_cast<int32_t>(STACK_LEVEL) - 1"), std::string::npos);

    // Without its effect a transition does not start and does not hold.
    log.Take();
    EXPECT_FALSE(game.StartTransition(-1));
    EXPECT_EQ(log.Take(), "MiniGame::StartTransition -- No effect at index -1\n");
    EXPECT_TRUE(game.IsTransitionDone());
}

} // namespace
