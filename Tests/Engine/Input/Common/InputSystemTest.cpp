#include "Input/Common/DefaultInputTriggers.h"
#include "Input/CoreInput.h"
#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputSystem.h"
#include "Input/InputEventHandler.h"
#include "Input/InputPointer.h"
#include "Input/KeyCodes.h"
#include "Support/ScopedInputSystem.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// The events the scene's normal play state switches on, then the ones every
// scene state keeps on.
constexpr uint16_t NORMAL_PLAY_EVENTS[] = {0, 1, 3, 2, 4, 6, 14, 15, 16, 17, 18, 5, 27, 24, 25, 26, 32, 33};

class InputSystemTest : public testing::Test {
protected:
    void SetUp() override { m_input.Devices().SetClientSize(1280, 720); }

    static InputEventHandler& Handler() { return *InputEventHandler::m_pSingleton; }

    static bool Active(uint16_t eventId) { return Handler().IsEventActive(eventId, nullptr, nullptr); }

    static std::set<uint16_t> ActiveEvents()
    {
        std::set<uint16_t> events;
        for (uint32_t index = 0; index < Handler().GetActiveTriggerCount(); ++index)
            events.insert(Handler().GetActiveTrigger(index)->GetEventId());
        return events;
    }

    static void EnableNormalPlay()
    {
        for (uint16_t eventId : NORMAL_PLAY_EVENTS)
            Handler().EnableEventTrigger(eventId, true);
    }

    TestSupport::ScopedInputSystem m_input;
};

TEST_F(InputSystemTest, RegistersTheBoundRecordsInTheirOrder)
{
    ASSERT_EQ(Handler().GetEventTriggerCount(), 52u);
    // Every record but 51 is registered; enabling every id finds them all.
    for (int id = 0; id <= 0xFFFF; ++id)
        Handler().EnableEventTrigger(static_cast<uint16_t>(id), true);
    for (int record = 0; record < INPUT_DEFAULT_TRIGGER_COUNT; ++record)
        EXPECT_EQ(g_aoDefaultInputTriggers[record].IsEnabled(), record != 51) << "record " << record;

    // Esc is registered first, so the quit event comes before the mini-game's
    // pause in the active list.
    m_input.Devices().SetKey(Platform::KEY_ESCAPE, true);
    m_input.Frame();
    ASSERT_GE(Handler().GetActiveTriggerCount(), 2u);
    EXPECT_EQ(Handler().GetActiveTrigger(0)->GetEventId(), InputEventId_Quit);
}

TEST_F(InputSystemTest, NothingIsActiveUntilItsUserEnablesIt)
{
    m_input.Devices().SetKey(Platform::KEY_ESCAPE, true);
    m_input.Devices().SetKey(Platform::KEY_SPACE, true);
    m_input.Devices().SetPointer(640, 360);
    m_input.Devices().SetMouseButton(0, true);
    m_input.Devices().SetMouseButton(1, true);
    m_input.Frame();
    EXPECT_EQ(Handler().GetActiveTriggerCount(), 0u);
    EXPECT_FALSE(Active(InputEventId_Quit));
}

TEST_F(InputSystemTest, EscapeAnswersTheQuitEventAndThePauseDuringAMiniGame)
{
    Handler().EnableEventTrigger(InputEventId_Quit, true);
    m_input.Devices().SetKey(Platform::KEY_ESCAPE, true);
    m_input.Frame();
    EXPECT_EQ(ActiveEvents(), (std::set<uint16_t> {InputEventId_Quit}));
    // A press, not a hold: the next frame has nothing.
    m_input.Frame();
    EXPECT_FALSE(Active(InputEventId_Quit));

    InputSystem::EnableGameEvents(true);
    m_input.Devices().SetKey(Platform::KEY_ESCAPE, false);
    m_input.Frame();
    m_input.Devices().SetKey(Platform::KEY_ESCAPE, true);
    m_input.Frame();
    EXPECT_EQ(ActiveEvents(), (std::set<uint16_t> {InputEventId_Quit, InputEventId_GamePause}));
}

TEST_F(InputSystemTest, PointerEventsOfNormalPlayFrameByFrame)
{
    EnableNormalPlay();
    auto& devices = m_input.Devices();
    devices.SetPointer(1119, 360);

    // Hovering.
    m_input.Frame();
    EXPECT_EQ(ActiveEvents(), (std::set<uint16_t> {InputEventId_PointerMoved, InputEventId_PointerInside}));
    uint32_t value = 0;
    ASSERT_TRUE(Handler().IsEventActive(InputEventId_PointerMoved, &value, nullptr));
    EXPECT_EQ(value, InputPackPointer(4091, 2048));

    // Press, hold, release.
    devices.SetMouseButton(0, true);
    m_input.Frame();
    EXPECT_EQ(ActiveEvents(),
              (std::set<uint16_t> {InputEventId_PointerPressed, InputEventId_PointerHeld, InputEventId_PointerInside}));
    m_input.Frame();
    EXPECT_EQ(ActiveEvents(), (std::set<uint16_t> {InputEventId_PointerHeld, InputEventId_PointerInside}));
    devices.SetPointer(160, 0);
    devices.SetMouseButton(0, false);
    m_input.Frame();
    EXPECT_EQ(ActiveEvents(), (std::set<uint16_t> {InputEventId_PointerReleased, InputEventId_PointerMoved,
                                                   InputEventId_PointerInside}));
    ASSERT_TRUE(Handler().IsEventActive(InputEventId_PointerReleased, &value, nullptr));
    EXPECT_EQ(value, 0u);

    // The secondary button opens the menu; Space and Home have their events.
    devices.SetMouseButton(1, true);
    devices.SetKey(Platform::KEY_SPACE, true);
    devices.SetKey(Platform::KEY_HOME, true);
    m_input.Frame();
    EXPECT_TRUE(Active(InputEventId_OpenMenu));
    EXPECT_TRUE(Active(InputEventId_HighlightAll));
    EXPECT_TRUE(Active(InputEventId_Home));

    // Leaving the window.
    devices.SetPointer(-1, -1);
    m_input.Frame();
    EXPECT_EQ(ActiveEvents(), (std::set<uint16_t> {InputEventId_PointerOutside}));
}

TEST_F(InputSystemTest, SwappedButtonsMakeTheRightButtonPrimary)
{
    g_bSwapMouseButtons = 1;
    EnableNormalPlay();
    m_input.Devices().SetPointer(640, 360);
    m_input.Devices().SetMouseButton(1, true);
    m_input.Frame();
    EXPECT_TRUE(Active(InputEventId_PointerPressed));
    EXPECT_FALSE(Active(InputEventId_OpenMenu));
    m_input.Devices().SetMouseButton(0, true);
    m_input.Frame();
    EXPECT_TRUE(Active(InputEventId_OpenMenu));
}

TEST_F(InputSystemTest, MiniGameControlsFollowEnableGameEvents)
{
    auto& devices = m_input.Devices();
    InputSystem::EnableGameEvents(true);
    devices.SetPointer(640, 360);
    devices.SetMouseButton(0, true);
    devices.SetKey(Platform::KEY_RIGHT, true);
    devices.SetKey(Platform::KEY_LEFTCONTROL, true);
    m_input.Frame();
    EXPECT_EQ(ActiveEvents(), (std::set<uint16_t> {InputEventId_GameSkip, InputEventId_GamePointerPressed,
                                                   InputEventId_GamePointerHeld, InputEventId_GamePointerDown,
                                                   InputEventId_GameCtrlPressed, InputEventId_GameCtrlHeld,
                                                   InputEventId_GameRightHeld, InputEventId_GameRightPressed}));

    devices.SetKey(Platform::KEY_LEFTCONTROL, false);
    devices.SetKey(Platform::KEY_LEFTALT, true);
    devices.SetMouseButton(0, false);
    m_input.Frame();
    EXPECT_EQ(ActiveEvents(), (std::set<uint16_t> {InputEventId_GamePointerReleased, InputEventId_GamePointerUp,
                                                   InputEventId_GameCtrlReleased, InputEventId_GameAltPressed,
                                                   InputEventId_GameAltHeld, InputEventId_GameRightHeld}));

    InputSystem::EnableGameEvents(false);
    m_input.Frame();
    EXPECT_EQ(Handler().GetActiveTriggerCount(), 0u);
}

TEST_F(InputSystemTest, PadButtonsNeverMakeAnEventActive)
{
    EnableNormalPlay();
    InputSystem::EnableGameEvents(true);
    Platform::PadState pad {};
    pad.buttons = Platform::XINPUT_GAMEPAD_X | Platform::XINPUT_GAMEPAD_Y | Platform::XINPUT_GAMEPAD_A;
    pad.thumbLeftX = 32767;
    m_input.Devices().SetPad(0, pad);
    m_input.Devices().SetPointer(-1, -1);
    m_input.Frame();
    EXPECT_EQ(ActiveEvents(), (std::set<uint16_t> {InputEventId_PointerOutside}));
}

} // namespace
