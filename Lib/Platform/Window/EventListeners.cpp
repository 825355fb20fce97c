#include "Window/EventListeners.h"

#include <algorithm>
#include <vector>

namespace Platform {
namespace {

std::vector<EventListener*>& Listeners()
{
    static std::vector<EventListener*> listeners;
    return listeners;
}

} // namespace

void AddEventListener(EventListener* listener)
{
    auto& listeners = Listeners();
    if (std::find(listeners.begin(), listeners.end(), listener) == listeners.end())
        listeners.push_back(listener);
}

void RemoveEventListener(EventListener* listener)
{
    auto& listeners = Listeners();
    listeners.erase(std::remove(listeners.begin(), listeners.end(), listener), listeners.end());
}

void DispatchEvent(const SDL_Event& event)
{
    // A copy, so that a listener may register or leave while it is called.
    const std::vector<EventListener*> listeners = Listeners();
    for (EventListener* listener : listeners)
        listener->OnEvent(event);
}

} // namespace Platform
