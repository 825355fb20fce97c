#include "Scene/Common/SceneObject.h"

#include "Random/CoreRandom.h"
#include "Scene/Common/SerialStream.h"
#include "Scene/Common/TwLerp.h"

namespace {

struct PulseKey {
    fx32 time;
    fx32 angle;
    fx32 scale;
    fx32 alpha;
};

// Times in fx32 seconds, the angle in fx32 radians: 0 to pi in 1.2 s while
// the scale and the alpha breathe from 0.5 to 1.0 and back.
constexpr PulseKey PULSE_KEYS[] = {
    {0, 0, 2048, 2048},       {1229, 3217, 2048, 4096}, {1966, 5146, 4096, 4096},
    {2949, 7722, 4096, 4096}, {3686, 9651, 2048, 4096}, {4915, 12868, 2048, 2048},
};
constexpr int32_t PULSE_KEY_COUNT = 6;
constexpr fx32 PULSE_LOOP = 4915;

} // namespace

void SceneObject::Update(uint32_t milliseconds)
{
    UpdateHighlight(milliseconds);
}

bool SceneObject::Contains(fx32 x, fx32 y, fx32) const
{
    return x >= m_oBox.xMin && x <= m_oBox.xMax && y >= m_oBox.yMin && y <= m_oBox.yMax;
}

void SceneObject::UpdateHighlight(uint32_t milliseconds)
{
    HighlightPulse& pulse = m_oPulse;
    if (!pulse.m_bActive)
        return;
    pulse.m_iClock = CoreFx::WrapAdd(pulse.m_iClock, static_cast<fx32>(uint64_t(milliseconds) * FX32_ONE / 1000));
    if (pulse.m_iClock <= 0)
        return;

    int32_t lo = 0;
    int32_t hi = PULSE_KEY_COUNT;
    int32_t mid = PULSE_KEY_COUNT / 2;
    while (mid != lo) {
        if (pulse.m_iClock > PULSE_KEYS[mid].time)
            lo = mid;
        else
            hi = mid;
        mid = (lo + hi) / 2;
    }
    const int32_t key = mid + 1;
    if (key == PULSE_KEY_COUNT) {
        // Past the last key: wrap into 1..4915, and keep this frame's values.
        pulse.m_iClock = (pulse.m_iClock - 1) % PULSE_LOOP + 1;
        return;
    }
    const PulseKey& from = PULSE_KEYS[key - 1];
    const PulseKey& to = PULSE_KEYS[key];
    const fx32 ratio = (pulse.m_iClock - from.time) * FX32_ONE / (to.time - from.time);
    pulse.m_iAngle = Lerp(from.angle, to.angle, ratio);
    pulse.m_iAlpha = Lerp(from.alpha, to.alpha, ratio);
    pulse.m_iScaleX = Lerp(from.scale, to.scale, ratio);
    pulse.m_iScaleY = pulse.m_iScaleX;
}

void SceneObject::SetHighlight(bool on)
{
    HighlightPulse& pulse = m_oPulse;
    if (!on) {
        pulse.m_bActive = 0;
        return;
    }
    if (pulse.m_bActive)
        return;
    pulse.m_iClock = static_cast<fx32>(CoreRandom::Next() >> 20);
    pulse.m_iAngle = 0;
    pulse.m_iScaleX = FX32_HALF;
    pulse.m_iScaleY = FX32_HALF;
    pulse.m_iAlpha = FX32_HALF;
    pulse.m_bActive = 1;
}

void SceneObject::ReadHighlightParams(SerialStream& stream)
{
    m_oPulse.m_oPosition.x = stream.ReadS32();
    m_oPulse.m_oPosition.y = stream.ReadS32();
    m_oPulse.m_oPosition.z = stream.ReadS32();
}
