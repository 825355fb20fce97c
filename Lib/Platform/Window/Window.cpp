#include "Window/Window.h"

#include "Window/CloseSignals.h"
#include "Window/EventListeners.h"

#include <SDL.h>

namespace Platform {

void Window::GetCursorPosition(int& x, int& y) const
{
    x = m_iPointerX;
    y = m_iPointerY;
}

void Window::HandleCloseSignal()
{
    if (TakeCloseSignal())
        Deliver(WindowMessage::Close, 0);
}

void Window::HandleEvent(const SDL_Event& event, uint32_t windowId)
{
    DispatchEvent(event);

    switch (event.type) {
    case SDL_QUIT: Deliver(WindowMessage::Close, 0); break;
    case SDL_WINDOWEVENT:
        if (event.window.windowID != windowId)
            break;
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE: Deliver(WindowMessage::Close, 0); break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: Deliver(WindowMessage::ActivateApp, 1); break;
        case SDL_WINDOWEVENT_FOCUS_LOST: Deliver(WindowMessage::ActivateApp, 0); break;
        case SDL_WINDOWEVENT_ENTER: Deliver(WindowMessage::SetCursor, 0); break;
        default: break;
        }
        break;
    case SDL_MOUSEMOTION:
        if (event.motion.windowID != windowId)
            break;
        m_iPointerX = event.motion.x;
        m_iPointerY = event.motion.y;
        Deliver(WindowMessage::SetCursor, 0);
        break;
    case SDL_KEYDOWN: {
        if (event.key.windowID != windowId)
            break;
        // The keys that reach a window as system keys: Alt and F10 themselves,
        // and any key pressed while Alt is held.
        const SDL_Keycode key = event.key.keysym.sym;
        if (key == SDLK_LALT || key == SDLK_RALT)
            Deliver(WindowMessage::SystemKeyDown, VirtualKeyMenu);
        else if (key == SDLK_F10)
            Deliver(WindowMessage::SystemKeyDown, VirtualKeyF10);
        else if (event.key.keysym.mod & KMOD_ALT)
            Deliver(WindowMessage::SystemKeyDown, 0);
        break;
    }
    default: break;
    }
}

void Window::Deliver(WindowMessage message, uint32_t parameter)
{
    const bool passOn = m_pProcedure ? m_pProcedure->WindowProc(message, parameter) : true;
    if (passOn && message == WindowMessage::Close)
        DefaultClose();
}

} // namespace Platform
