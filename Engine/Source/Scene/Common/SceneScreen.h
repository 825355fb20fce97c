#pragma once
#include "Maths/Fx32.h"

#include <cstdint>

// The window a scene is shown in: the display settings' size, or 1280 x 960
// while they name none.
struct SceneWindow {
    uint32_t m_uWidth;
    uint32_t m_uHeight;

    static SceneWindow Current();
    // The virtual width the window shows: width · 192.0 / height.
    fx32 VisibleWidth() const;
    // How far the visible width reaches beyond each side of the 256 units:
    // (visible width - 256.0) / 2, negative for a window narrower than 4:3.
    fx32 Margin() const;
};
