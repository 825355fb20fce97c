#pragma once
#include <cstdint>

struct SDL_Window;

// The display settings the game hands to CoreRenderer::Initialize, copied
// whole. The window handle is the first word; it is a pointer-sized field
// here.
struct CoreRendererSettings {
    SDL_Window* m_hWindow = nullptr;     // the application window (focus and device window)
    uint32_t m_uReserved1 = 2;           // carried, never consulted
    uint32_t m_uReserved2 = 1;           // carried, never consulted
    uint32_t m_uWidth = 0xFFFFFFFF;      // back-buffer width in pixels
    uint32_t m_uHeight = 0xFFFFFFFF;     // back-buffer height in pixels
    uint32_t m_uFullScreen = 0;          // only the low byte counts; 0 = windowed
    uint32_t m_uMultiSample = 0;         // samples asked for in full screen (2..16; 0 or 1 = none)
    uint32_t m_uPrimitiveBufferSize = 0; // vertices of the primitive buffer
};
