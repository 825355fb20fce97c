// The menu scenes' pointer: the cursor follows it, hovers what lies under
// it, forgets it when the pointer leaves the window, and a click fires the
// hotspot's action.
#include "Adventure/Common/Scriptable.h"
#include "Input/Common/DefaultInputTriggers.h"
#include "Input/Common/InputSystem.h"
#include "Input/InputEventHandler.h"
#include "Scene/Common/GameScene.h"
#include "Support/HandMadeScene.h"
#include "Support/HeadlessInput.h"
#include "Support/LogCapture.h"
#include "Support/RecordingEventSink.h"

#include <gmock/gmock.h>

namespace {

using TestSupport::BuildMainLayer;
using TestSupport::HandMadeRegion;

constexpr fx32 FX = FX32_ONE;

class GameSceneTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_input.Devices().SetClientSize(1280, 960);
        InputSystem::CreateSingleton();
        InputSystem::GetInstance()->Init();
        InputSystem::GetInstance()->SetInputEnabled(true);
        BuildMainLayer(m_scene, 256 * FX, {}, {HandMadeRegion {-10 * FX, {0, 0, 100 * FX, 100 * FX}}});
        m_scene.m_vLayers[0].m_vRegions[0].m_pScriptable = &m_button;
        m_button.SetId(2);
        m_scene.m_iInputState = INPUT_STATE_IDLE;
        m_scene.ApplyStateInputs();
    }
    void TearDown() override
    {
        InputSystem::GetInstance()->SetInputEnabled(false);
        InputEventHandler::DestroySingleton();
        InputSystem::DestroySingleton();
        for (InputEventTrigger& trigger : g_aoDefaultInputTriggers) {
            trigger.SetEnabled(false);
            trigger.Reset();
        }
    }

    // One frame with the pointer at that pixel of the 1280 x 960 window.
    void Frame(int32_t x, int32_t y, bool pressed = false)
    {
        m_input.Devices().SetPointer(x, y);
        m_input.Devices().SetMouseButton(0, pressed);
        m_input.Frame();
        m_scene.Update(16);
    }

    const Region* Button() const { return &m_scene.m_vLayers[0].m_vRegions[0]; }

    TestSupport::ScopedHeadlessInput m_input;
    TestSupport::ScopedWindowSize m_window {1280, 960};
    TestSupport::RecordingEventSink m_sink;
    Scriptable m_button;
    GameScene m_scene;
};

TEST_F(GameSceneTest, TheCursorFollowsThePointerAndHoversWhatLiesUnderIt)
{
    Frame(250, 300);
    EXPECT_EQ(m_scene.m_oCursor.m_vPosition.x, 50 * FX);
    EXPECT_EQ(m_scene.m_oCursor.m_vPosition.y, 60 * FX);
    EXPECT_EQ(m_scene.m_pHoveredObject, Button());
    Frame(900, 300);
    EXPECT_EQ(m_scene.m_pHoveredObject, nullptr);
    Frame(250, 300);
    EXPECT_EQ(m_scene.m_pHoveredObject, Button());
    // Out of the window: nothing is hovered and the cursor hides.
    Frame(-50, 300);
    EXPECT_EQ(m_scene.m_pHoveredObject, nullptr);
    EXPECT_EQ(m_scene.m_oCursor.m_bShown, 0);
    Frame(250, 300);
    EXPECT_EQ(m_scene.m_oCursor.m_bShown, 1);
    // The scene's clock runs.
    EXPECT_EQ(m_scene.m_fSceneTime, 5 * 65);
}

TEST_F(GameSceneTest, AClickOnAHotspotFiresItsActivateAndAMovedPointerClosesAVerbMenu)
{
    Frame(250, 300);
    m_scene.m_oCursor.m_vVerbPosition = {50 * FX, 50 * FX};
    m_scene.m_oCursor.OpenVerbs(CURSOR_LOOK, CURSOR_NONE);
    Frame(260, 300);
    EXPECT_FALSE(m_scene.m_oCursor.HasVerbMenu());
    EXPECT_EQ(m_scene.m_oCursor.GetMode(), CURSOR_POINTER);

    TestSupport::LogCapture capture;
    Frame(260, 300, true);
    ASSERT_EQ(m_sink.m_events.size(), 1u);
    EXPECT_EQ(m_sink.m_events[0].m_eType, TwEventType_Activate);
    EXPECT_EQ(m_sink.m_events[0].m_oParameter[0], 2);
    EXPECT_THAT(capture.Take(), testing::HasSubstr("Action \"Activate\" on"));
    // Holding the button fires nothing more; a click beside the hotspot
    // nothing at all.
    Frame(260, 300, true);
    Frame(900, 300, false);
    Frame(900, 300, true);
    EXPECT_EQ(m_sink.m_events.size(), 1u);
    // Only the idle state takes clicks.
    m_scene.m_iInputState = INPUT_STATE_POINTER_ONLY;
    Frame(260, 300, false);
    Frame(260, 300, true);
    EXPECT_EQ(m_sink.m_events.size(), 1u);
}

TEST_F(GameSceneTest, EachInputStateListensToItsOwnEvents)
{
    struct Case {
        int32_t state;
        uint16_t on;
        uint16_t off;
    };
    const Case cases[] = {
        {INPUT_STATE_IDLE, 14, 7}, {INPUT_STATE_MENU, 7, 12},       {INPUT_STATE_ITEM_DRAG, 13, 0},
        {INPUT_STATE_TALK, 0, 14}, {INPUT_STATE_PAD_POINTER, 0, 1}, {INPUT_STATE_NONE, 33, 0},
    };
    for (const Case& c : cases) {
        m_scene.m_iInputState = c.state;
        m_scene.ApplyStateInputs();
        bool on = false;
        bool off = false;
        for (const InputEventTrigger& trigger : g_aoDefaultInputTriggers) {
            on = on || (trigger.GetEventId() == c.on && trigger.IsEnabled());
            off = off || (trigger.GetEventId() == c.off && trigger.IsEnabled());
        }
        EXPECT_TRUE(on) << c.state;
        EXPECT_FALSE(off) << c.state;
    }
}

} // namespace
