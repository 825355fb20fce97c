#pragma once
#include "Maths/CoreFxVec.h"
#include "Maths/Fx32.h"

#include <cstdint>

// How a scene keeps a light (the 3D file numbers the two kinds the other way
// round).
enum SceneLightType : int32_t {
    SCENE_LIGHT_OMNI = 0,
    SCENE_LIGHT_DIRECTIONAL = 1,
};

// A light of a 3D scene: eleven words. The ambient light is kept the same
// way, its colour in the colour words.
struct SceneLight {
    int32_t m_iType = SCENE_LIGHT_DIRECTIONAL;
    // The direction of a directional light, the position of an omni light.
    CoreFxVec m_vVector {};
    fx32 m_aColour[3] = {};
    fx32 m_aShadowColour[3] = {};
    fx32 m_fShadowDensity = 0;
};

// The scene holds this many lights.
constexpr int32_t MAX_SCENE_LIGHTS = 4;
