#pragma once
#include "Maths/CoreFxVec.h"
#include "Maths/Fx32.h"

#include <cstdint>

// The options tab's four volume bars of ten steps: where they stand, which
// volume a click sets and how many steps a volume lights. The bars set and
// show the sound manager's master volumes.
namespace VolumeBars {

enum class Bar {
    Music,
    Ambient,
    Effects,
    Speech
};

constexpr int BAR_COUNT = 4;
constexpr int STEP_COUNT = 10;
constexpr fx32 BAR_WIDTH = 100 * FX32_ONE;
constexpr fx32 BAR_HEIGHT = 15 * FX32_ONE;
constexpr fx32 STEP_PITCH = 10 * FX32_ONE;
// The drawing order, which is also the order of the label positions.
constexpr Bar DRAW_ORDER[BAR_COUNT] = {Bar::Music, Bar::Ambient, Bar::Effects, Bar::Speech};
// The order in which a click looks for its bar.
constexpr Bar CLICK_ORDER[BAR_COUNT] = {Bar::Music, Bar::Effects, Bar::Ambient, Bar::Speech};

// The bar's top-left corner on the virtual screen.
CoreFxVec2 GetOrigin(Bar bar);
fx32 GetMasterVolume(Bar bar);
// Through the sound manager, which also mirrors it into the variables.
void SetMasterVolume(Bar bar, fx32 volume);

// The volume a point on the bar sets (the caller has checked that it lies
// right of the origin), or -1 when the point is off the bar: the first half
// of the first tenth mutes, any other point of tenth n sets n + 1 tenths.
fx32 VolumeFromPoint(const CoreFxVec2& origin, const CoreFxVec2& point);
// The steps a volume lights: its nearest tenth.
int32_t LitSteps(fx32 volume);

// A click: the first bar (in click order) that the point lies on sets its
// volume when it differs from the current one. True when a volume changed.
bool Click(const CoreFxVec2& point);

} // namespace VolumeBars
