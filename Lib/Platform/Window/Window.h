#pragma once
#include <cstdint>
#include <memory>

struct SDL_Window;
union SDL_Event;

namespace Platform {

// What the window system tells the application about its window.
enum class WindowMessage {
    Close,         // the user asked to close the window (close button, Alt+F4, SIGINT/SIGTERM)
    ActivateApp,   // parameter: 1 when the application gains activation, 0 when it loses it
    SetCursor,     // the pointer moved over the window: the application chooses the cursor
    SystemKeyDown, // parameter: VirtualKeyMenu, VirtualKeyF10, or 0 for any other key held with Alt
};

// Key codes of the system keys the application may swallow.
constexpr uint32_t VirtualKeyMenu = 0x12;
constexpr uint32_t VirtualKeyF10 = 0x79;

enum class CursorShape {
    None,
    Arrow
};

// The application's window procedure. It returns true when the message must
// also get the window's default handling (a close hides the window).
class WindowProcedure {
public:
    virtual ~WindowProcedure() = default;
    virtual bool WindowProc(WindowMessage message, uint32_t parameter) = 0;
};

// The application window. The pump hands every event it takes to the event
// listeners (Window/EventListeners.h) and the ones the application answers to
// its window procedure.
class Window {
public:
    virtual ~Window() = default;

    // Starts the window system for windows of this class; false when it cannot.
    virtual bool RegisterClass(const char* className) = 0;
    // Creates the window at a default size and shows it; full screen covers
    // the display. False when the window cannot be made.
    virtual bool Create(const char* title, bool fullScreen, WindowProcedure* procedure) = 0;
    virtual void Destroy() = 0;
    virtual bool Exists() const = 0;

    // Takes every waiting event off the queue and dispatches it.
    virtual void PumpMessages() = 0;

    virtual void GetClientSize(int& width, int& height) const = 0;
    // Resizes the window so that its client area is width x height, placed
    // as Window/WindowPlacement.h says (in full screen the display mode
    // follows).
    virtual void SetClientSize(int width, int height) = 0;
    virtual void SetCursorShape(CursorShape shape) = 0;

    // The pointer position in client coordinates, as last reported by the
    // window system.
    void GetCursorPosition(int& x, int& y) const;

    // The SDL window the graphics device draws into; null without one.
    virtual SDL_Window* GetSdlWindow() const = 0;

protected:
    // Dispatches one event: to the listeners first, then, when it concerns
    // this window (SDL window id windowId), to the procedure as a message.
    void HandleEvent(const SDL_Event& event, uint32_t windowId);
    // Delivers a close request coming from a signal, if one arrived.
    void HandleCloseSignal();
    // The default handling of a close message.
    virtual void DefaultClose() = 0;

    WindowProcedure* m_pProcedure = nullptr;
    int m_iPointerX = -1;
    int m_iPointerY = -1;

private:
    void Deliver(WindowMessage message, uint32_t parameter);
};

// Makes the window the application uses: SDL unless a test installed another
// maker with SetWindowFactory (nullptr restores SDL).
using WindowFactory = std::unique_ptr<Window> (*)();
std::unique_ptr<Window> CreatePlatformWindow();
void SetWindowFactory(WindowFactory factory);

} // namespace Platform
