#pragma once
#include "App/CoreApp.h"
#include "Renderer/CoreRenderer.h"

#include <cstdint>

// The black that full-screen sequences clear the frame to.
constexpr uint32_t OPAQUE_BLACK_CLEAR = 0xFF000000;

// The colour the game's renderer clears each frame to; nothing before the
// renderer exists.
inline void SetMiniGameClearColor(uint32_t uColor)
{
    if (g_pCoreApp != nullptr && g_pCoreApp->m_pRenderer != nullptr)
        g_pCoreApp->m_pRenderer->SetClearColor(uColor);
}
