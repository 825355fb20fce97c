#pragma once
#include <cstdint>

struct SDL_Window;

namespace TestSupport {

// A hidden window ready for an OpenGL device (SDL_VIDEODRIVER=offscreen in
// the test runs), destroyed with the object.
class OpenGlTestWindow {
public:
    OpenGlTestWindow(uint32_t width, uint32_t height);
    ~OpenGlTestWindow();
    OpenGlTestWindow(const OpenGlTestWindow&) = delete;
    OpenGlTestWindow& operator=(const OpenGlTestWindow&) = delete;

    // Null when no window could be made.
    SDL_Window* Get() const { return m_pWindow; }

private:
    bool m_bVideo = false;
    SDL_Window* m_pWindow = nullptr;
};

} // namespace TestSupport
