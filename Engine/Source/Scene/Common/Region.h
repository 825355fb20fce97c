#pragma once
#include "Scene/Common/SceneObject.h"

#include <cstdint>
#include <vector>

class Scene;

// The most characters a scene holds, and so the touch slots of a region.
constexpr uint32_t MAX_ACTORS = 5;

// A triangle in whole units of the virtual screen. Its interior lies on the
// left of each edge taken in order (one winding only).
struct RegionTriangle {
    int16_t x0;
    int16_t y0;
    int16_t x1;
    int16_t y1;
    int16_t x2;
    int16_t y2;
};

// A character as touch tracking sees it: its actor and the screen position
// of its feet.
struct TouchCharacter {
    Scriptable* m_pActor = nullptr;
    fx32 m_iScreenX = 0;
    fx32 m_iScreenY = 0;
};

// What touch tracking needs of its scene: the name for the log, the
// horizontal scroll that takes screen positions to layer positions, and the
// characters in the scene's order.
struct TouchScene {
    const char* m_sName = "";
    fx32 m_iScrollX = 0;
    const TouchCharacter* m_pCharacters = nullptr;
    uint32_t m_iNbCharacters = 0;
};

// An invisible hotspot or walk-in area of a layer: a box refined by
// triangles. Owned by an entity, it fires "Touch" once when a character's
// feet enter it and "UnTouch" once when they leave; an exit region carries
// the direction of its arrow.
class Region : public SceneObject {
public:
    // Reads the record; false when the stream failed.
    bool Initialize(SerialStream& stream);

    // Inside the box (edges included) and inside one of the triangles (edges
    // included), in whole screen units.
    bool Contains(fx32 x, fx32 y, fx32 tolerance) const override;
    bool IsVisible() const override { return true; }
    uint32_t GetDirection() const override { return m_iDirection; }

    // Once per frame after Update: who left and who entered. Without an
    // owning entity nothing is tracked; while the entity is inactive the
    // slots follow the characters but no events fire.
    void UpdateTouches(const TouchScene& scene);
    // Forgets the owner and frees the triangles.
    void Release();
    // Draws the scene's arrow turned to the exit direction at the marker.
    void RenderDirection(Scene& scene) const;

    // The actors whose characters stand in the region.
    Scriptable* m_vTouchingActors[MAX_ACTORS] = {};
    uint32_t m_iNbTriangles = 0;
    std::vector<RegionTriangle> m_vTriangles;
    uint32_t m_iDirection = DIR_NONE;
};
