#pragma once
#include "Maths/CoreFxVec.h"
#include "Maths/Fx32.h"

#include <cstdint>

class CoreRenderer;
struct CoreMatrix;

// The fixed viewpoint from which a 3D scene's background was painted. It
// gives the renderer its view and projection, projects world points onto the
// virtual screen and turns a screen point back into a world segment. The
// 3D shift (in normalised device units, from the scene's scroll) moves the
// projected picture sideways.
struct Camera {
    // The defaults: a 90-degree vertical field on a 4:3 window, looking down
    // from (0, 1, 0) at the origin.
    bool Initialize();
    void SetLookAt(const CoreFxVec& eye, const CoreFxVec& target, const CoreFxVec& up);
    // The aspect and the virtual width of a window of that many pixels.
    void SetWindowSize(uint32_t width, uint32_t height);

    // The view, and the perspective projection followed by the 3D shift.
    void BuildMatrices(CoreMatrix& view, CoreMatrix& projection) const;
    void ApplyToDevice(CoreRenderer& renderer) const;
    // x and y on the virtual screen, z the projected depth.
    CoreFxVec ProjectToScreen(const CoreFxVec& world) const;
    // The world points on the near and the far clip planes under the screen
    // point; -1 (points untouched) when the camera cannot be inverted.
    int32_t UnprojectScreenPoint(fx32 x, fx32 y, CoreFxVec& nearPoint, CoreFxVec& farPoint) const;

    // The sine of half the vertical field of view.
    fx32 m_fFovSin = 0;
    // The scene file's second field-of-view term, used by nothing.
    fx32 m_fFovCos = 0;
    fx32 m_fAspect = 0;
    fx32 m_fNear = 0;
    fx32 m_fFar = 0;
    CoreFxVec m_vEye = {};
    CoreFxVec m_vTarget = {};
    CoreFxVec m_vUp = {};
    // The window the picture fills, in pixels.
    uint32_t m_uWindowWidth = 0;
    uint32_t m_uWindowHeight = 0;
    fx32 m_f3DShift = 0;
};
