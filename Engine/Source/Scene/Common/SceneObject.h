#pragma once
#include "Maths/CoreFxVec.h"
#include "Maths/Fx32.h"

#include <cstdint>

class Scriptable;
class SerialStream;

// Names of scene objects: 16 bytes, NUL-padded; a name that fills all 16 has
// no terminator (print it with "%.16s").
constexpr uint32_t SCENE_OBJECT_NAME_SIZE = 16;
// The exit direction of an object that is no exit.
constexpr uint32_t DIR_NONE = 0;

// A screen rectangle in fx32 units of the virtual screen; both edges belong
// to it.
struct SceneRect {
    fx32 xMin;
    fx32 yMin;
    fx32 xMax;
    fx32 yMax;
};

// The breathing, turning marker that the scene draws on a hotspot the player
// may use: a loop of 4915 fx32 units (1.2 s) through a fixed table of keys.
struct HighlightPulse {
    // Where the marker is drawn (x, y); z is kept.
    CoreFxVec m_oPosition {-1, -1, 0};
    fx32 m_iClock = 0;
    fx32 m_iAngle = 0;
    fx32 m_iAlpha = 0;
    fx32 m_iScaleX = FX32_ONE;
    fx32 m_iScaleY = FX32_ONE;
    uint8_t m_bActive = 0;
};

// The base of everything that stands in a scene and can be drawn, hit by the
// pointer or highlighted: sprites, regions, characters and attachments.
class SceneObject {
public:
    SceneObject() = default;
    virtual ~SceneObject() = default;

    // Advances the highlight pulse.
    virtual void Update(uint32_t milliseconds);
    // Whether the point (fx32 screen units) lies in the box, edges included.
    // The tolerance is not used: the test is exact.
    virtual bool Contains(fx32 x, fx32 y, fx32 tolerance) const;
    virtual bool IsVisible() const { return false; }
    // The exit direction; DIR_NONE for anything but an exit region.
    virtual uint32_t GetDirection() const { return DIR_NONE; }

    // One step of the pulse while it is active.
    void UpdateHighlight(uint32_t milliseconds);
    // Off stops the pulse; on starts a stopped one at a random point of its
    // loop, so that markers do not pulse in step, and leaves a running one.
    void SetHighlight(bool on);
    // The marker position: three words.
    void ReadHighlightParams(SerialStream& stream);

    char m_sName[SCENE_OBJECT_NAME_SIZE] = {};
    int32_t m_iId = -1;
    SceneRect m_oBox {};
    // The owner (an entity or an actor), linked by the scene after loading
    // from the entity index of the file (-1 for none).
    Scriptable* m_pScriptable = nullptr;
    int32_t m_iEntityIndex = -1;
    // Larger is nearer the viewer.
    fx32 m_iDepth = 0;
    uint8_t m_bHighlighted = 0;
    HighlightPulse m_oPulse;
};
