#include "Graphics/DeviceWindow.h"
#include "Window/EventListeners.h"
#include "Window/HeadlessWindow.h"
#include "Window/SdlWindow.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Platform::WindowMessage;

// Records the messages and answers with a fixed choice.
class RecordingProcedure : public Platform::WindowProcedure {
public:
    bool WindowProc(WindowMessage message, uint32_t parameter) override
    {
        messages.emplace_back(message, parameter);
        return passOn;
    }

    std::vector<std::pair<WindowMessage, uint32_t>> messages;
    bool passOn = true;
};

class RecordingListener : public Platform::EventListener {
public:
    RecordingListener() { Platform::AddEventListener(this); }
    ~RecordingListener() override { Platform::RemoveEventListener(this); }
    void OnEvent(const SDL_Event& event) override { types.push_back(event.type); }

    std::vector<uint32_t> types;
};

SDL_Event KeyDown(SDL_Keycode key, uint16_t modifiers, uint32_t windowId = Platform::HeadlessWindow::WINDOW_ID)
{
    SDL_Event event {};
    event.type = SDL_KEYDOWN;
    event.key.windowID = windowId;
    event.key.keysym.sym = key;
    event.key.keysym.mod = modifiers;
    return event;
}

SDL_Event WindowEvent(SDL_WindowEventID id, uint32_t windowId)
{
    SDL_Event event {};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = windowId;
    event.window.event = id;
    return event;
}

TEST(WindowTest, SystemKeysAreAltF10AndKeysHeldWithAlt)
{
    Platform::HeadlessWindow window;
    RecordingProcedure procedure;
    ASSERT_TRUE(window.Create("t", false, &procedure));
    window.PostEvent(KeyDown(SDLK_LALT, KMOD_LALT));
    window.PostEvent(KeyDown(SDLK_RALT, KMOD_NONE));
    window.PostEvent(KeyDown(SDLK_F10, KMOD_NONE));
    window.PostEvent(KeyDown(SDLK_y, KMOD_LALT)); // 'y' has F10's key value: must not pass for it
    window.PostEvent(KeyDown(SDLK_y, KMOD_NONE));
    window.PumpMessages();
    const std::vector<std::pair<WindowMessage, uint32_t>> expected = {
        {WindowMessage::SystemKeyDown, Platform::VirtualKeyMenu},
        {WindowMessage::SystemKeyDown, Platform::VirtualKeyMenu},
        {WindowMessage::SystemKeyDown, Platform::VirtualKeyF10},
        {WindowMessage::SystemKeyDown, 0},
    };
    EXPECT_EQ(procedure.messages, expected);
}

TEST(WindowTest, EveryEventReachesTheListenersOnlyOwnEventsTheProcedure)
{
    Platform::HeadlessWindow window;
    RecordingProcedure procedure;
    RecordingListener listener;
    ASSERT_TRUE(window.Create("t", false, &procedure));
    window.PostEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST, 99));
    window.PostEvent(KeyDown(SDLK_F10, KMOD_NONE, 99));
    window.PostEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST, Platform::HeadlessWindow::WINDOW_ID));
    window.PostEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED, Platform::HeadlessWindow::WINDOW_ID));
    window.PumpMessages();
    EXPECT_EQ(listener.types.size(), 4u);
    const std::vector<std::pair<WindowMessage, uint32_t>> expected = {
        {WindowMessage::ActivateApp, 0},
        {WindowMessage::ActivateApp, 1},
    };
    EXPECT_EQ(procedure.messages, expected);
}

TEST(WindowTest, CloseHidesTheWindowUnlessTheProcedureKeepsIt)
{
    Platform::HeadlessWindow window;
    RecordingProcedure procedure;
    ASSERT_TRUE(window.Create("t", false, &procedure));
    procedure.passOn = false;
    window.PostEvent(WindowEvent(SDL_WINDOWEVENT_CLOSE, Platform::HeadlessWindow::WINDOW_ID));
    window.PumpMessages();
    EXPECT_TRUE(window.IsVisible());

    procedure.passOn = true;
    SDL_Event quit {};
    quit.type = SDL_QUIT;
    window.PostEvent(quit);
    window.PumpMessages();
    EXPECT_FALSE(window.IsVisible());
    ASSERT_EQ(procedure.messages.size(), 2u);
    EXPECT_EQ(procedure.messages[1].first, WindowMessage::Close);
}

TEST(SdlWindowTest, OpensAnOpenGlWindowOfTheAskedClientSizeAndPumpsItsEvents)
{
    Platform::SdlWindow window;
    RecordingProcedure procedure;
    RecordingListener listener;
    ASSERT_TRUE(window.RegisterClass("APPATOM"));
    ASSERT_TRUE(window.Create("Velmarsh", false, &procedure)) << SDL_GetError();
    ASSERT_NE(window.GetSdlWindow(), nullptr);
    EXPECT_TRUE(SDL_GetWindowFlags(window.GetSdlWindow()) & SDL_WINDOW_OPENGL);
    EXPECT_STREQ(SDL_GetWindowTitle(window.GetSdlWindow()), "Velmarsh");

    window.SetClientSize(640, 480);
    int width = 0;
    int height = 0;
    window.GetClientSize(width, height);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);

    window.PumpMessages();
    listener.types.clear();
    procedure.messages.clear();
    SDL_Event user {};
    user.type = SDL_USEREVENT;
    SDL_PushEvent(&user);
    SDL_Event close = WindowEvent(SDL_WINDOWEVENT_CLOSE, SDL_GetWindowID(window.GetSdlWindow()));
    SDL_PushEvent(&close);
    window.PumpMessages();
    EXPECT_EQ(listener.types, (std::vector<uint32_t> {SDL_USEREVENT, SDL_WINDOWEVENT}));
    ASSERT_EQ(procedure.messages.size(), 1u);
    EXPECT_EQ(procedure.messages[0].first, WindowMessage::Close);
    EXPECT_FALSE(SDL_GetWindowFlags(window.GetSdlWindow()) & SDL_WINDOW_SHOWN);
}

TEST(SdlWindowTest, AResizedWindowIsCentredOnItsDisplayAndNeverReachesOffIt)
{
    Platform::SdlWindow window;
    ASSERT_TRUE(window.RegisterClass("APPATOM"));
    ASSERT_TRUE(window.Create("Velmarsh", false, nullptr)) << SDL_GetError();
    SDL_Rect usable {};
    ASSERT_EQ(SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window.GetSdlWindow()), &usable), 0);

    // Smaller than the display: as much room on either side.
    window.SetClientSize(usable.w / 2 + 101, usable.h / 2 + 51);
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(window.GetSdlWindow(), &x, &y);
    const int rightGap = usable.x + usable.w - (x + usable.w / 2 + 101);
    const int bottomGap = usable.y + usable.h - (y + usable.h / 2 + 51);
    EXPECT_NEAR(x - usable.x, rightGap, 1);
    EXPECT_NEAR(y - usable.y, bottomGap, 1);

    // Larger than the display, and sized by the graphics device: its top
    // left corner stays in reach.
    Platform::SetWindowClientSize(window.GetSdlWindow(), usable.w + 200, usable.h + 100);
    SDL_GetWindowPosition(window.GetSdlWindow(), &x, &y);
    EXPECT_EQ(x, usable.x);
    EXPECT_EQ(y, usable.y);

    // Where the user put it, it stays while its size does not change.
    SDL_SetWindowPosition(window.GetSdlWindow(), usable.x + 7, usable.y + 9);
    Platform::SetWindowClientSize(window.GetSdlWindow(), usable.w + 200, usable.h + 100);
    SDL_GetWindowPosition(window.GetSdlWindow(), &x, &y);
    EXPECT_EQ(x, usable.x + 7);
    EXPECT_EQ(y, usable.y + 9);
}

} // namespace
