#pragma once
#include "Window/Window.h"

#include <SDL.h>

#include <deque>
#include <string>

namespace Platform {

// A window without a window system, for tests: events are posted by hand and
// go through the same dispatch as the real window's.
class HeadlessWindow final : public Window {
public:
    static constexpr uint32_t WINDOW_ID = 1;

    bool RegisterClass(const char* className) override;
    bool Create(const char* title, bool fullScreen, WindowProcedure* procedure) override;
    void Destroy() override;
    bool Exists() const override { return m_bExists; }
    void PumpMessages() override;
    void GetClientSize(int& width, int& height) const override;
    void SetClientSize(int width, int height) override;
    void SetCursorShape(CursorShape shape) override { m_eCursor = shape; }
    SDL_Window* GetSdlWindow() const override { return nullptr; }

    // Queues an event for the next pump (window events of this window carry
    // WINDOW_ID).
    void PostEvent(const SDL_Event& event) { m_events.push_back(event); }

    const std::string& ClassName() const { return m_className; }
    const std::string& Title() const { return m_title; }
    bool IsFullScreen() const { return m_bFullScreen; }
    bool IsVisible() const { return m_bVisible; }
    CursorShape Cursor() const { return m_eCursor; }
    int PumpCount() const { return m_iPumpCount; }

private:
    void DefaultClose() override { m_bVisible = false; }

    std::deque<SDL_Event> m_events;
    std::string m_className;
    std::string m_title;
    bool m_bExists = false;
    bool m_bFullScreen = false;
    bool m_bVisible = false;
    int m_iWidth = 640;
    int m_iHeight = 480;
    CursorShape m_eCursor = CursorShape::Arrow;
    int m_iPumpCount = 0;
};

} // namespace Platform
