#pragma once
#include "Window/Window.h"

#include <SDL.h>

namespace Platform {

// The real window, made with SDL for OpenGL drawing.
class SdlWindow final : public Window {
public:
    SdlWindow() = default;
    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    bool RegisterClass(const char* className) override;
    bool Create(const char* title, bool fullScreen, WindowProcedure* procedure) override;
    void Destroy() override;
    bool Exists() const override { return m_pWindow != nullptr; }
    void PumpMessages() override;
    void GetClientSize(int& width, int& height) const override;
    void SetClientSize(int width, int height) override;
    void SetCursorShape(CursorShape shape) override;
    SDL_Window* GetSdlWindow() const override { return m_pWindow; }

private:
    void DefaultClose() override;

    bool m_bRegistered = false;
    bool m_bFullScreen = false;
    SDL_Window* m_pWindow = nullptr;
    SDL_Cursor* m_pArrowCursor = nullptr;
};

} // namespace Platform
