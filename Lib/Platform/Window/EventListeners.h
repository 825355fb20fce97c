#pragma once
#include <SDL.h>

namespace Platform {

// Services that react to window-system events (input devices, the
// application window) register here; the window's message pump hands every
// event it takes from SDL to each listener in registration order.
class EventListener {
public:
    virtual ~EventListener() = default;
    virtual void OnEvent(const SDL_Event& event) = 0;
};

void AddEventListener(EventListener* listener);
void RemoveEventListener(EventListener* listener);
void DispatchEvent(const SDL_Event& event);

} // namespace Platform
