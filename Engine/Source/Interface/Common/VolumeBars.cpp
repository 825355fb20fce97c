#include "Interface/Common/VolumeBars.h"

#include "Managers/Common/SoundManager.h"
#include "Maths/CoreFxDivide.h"

namespace VolumeBars {

CoreFxVec2 GetOrigin(Bar bar)
{
    const fx32 x = 132 * FX32_ONE;
    switch (bar) {
    case Bar::Music: return {x, 45 * FX32_ONE};
    case Bar::Ambient: return {x, 65 * FX32_ONE};
    case Bar::Effects: return {x, 85 * FX32_ONE};
    case Bar::Speech: return {x, 105 * FX32_ONE};
    }
    return {x, 45 * FX32_ONE};
}

fx32 GetMasterVolume(Bar bar)
{
    switch (bar) {
    case Bar::Music: return SoundManager::m_fxMasterMusicVolume;
    case Bar::Ambient: return SoundManager::m_fxMasterAmbientVolume;
    case Bar::Effects: return SoundManager::m_fxMasterEffectsVolume;
    case Bar::Speech: return SoundManager::m_fxMasterSpeechVolume;
    }
    return 0;
}

void SetMasterVolume(Bar bar, fx32 volume)
{
    switch (bar) {
    case Bar::Music: SoundManager::SetMusicVolume(volume); return;
    case Bar::Ambient: SoundManager::SetAmbientVolume(volume); return;
    case Bar::Effects: SoundManager::SetEffectsVolume(volume); return;
    case Bar::Speech: SoundManager::SetSpeechVolume(volume); return;
    }
}

fx32 VolumeFromPoint(const CoreFxVec2& origin, const CoreFxVec2& point)
{
    if (!(point.x < origin.x + BAR_WIDTH && origin.y < point.y && point.y < origin.y + BAR_HEIGHT))
        return -1;
    // In tenths of the bar.
    const fx32 tenths = CoreFx::Div((point.x - origin.x) * STEP_COUNT, BAR_WIDTH);
    if (tenths < FX32_HALF)
        return 0;
    return ((tenths >> FX32_SHIFT) + 1) * FX32_ONE / STEP_COUNT;
}

int32_t LitSteps(fx32 volume)
{
    return (volume * STEP_COUNT + FX32_HALF) >> FX32_SHIFT;
}

bool Click(const CoreFxVec2& point)
{
    for (const Bar bar : CLICK_ORDER) {
        const CoreFxVec2 origin = GetOrigin(bar);
        if (point.x <= origin.x)
            continue;
        const fx32 volume = VolumeFromPoint(origin, point);
        if (volume == -1)
            continue;
        if (volume == GetMasterVolume(bar))
            return false;
        SetMasterVolume(bar, volume);
        return true;
    }
    return false;
}

} // namespace VolumeBars
