#include "Scene/Common/TwLerp.h"

#include "Error/EngineAssert.h"

fx32 CheckLerpRatio(int64_t ratio)
{
    ENGINE_ASSERT(ratio>=0);
    ENGINE_ASSERT(ratio<=FX32_ONE);
    return static_cast<fx32>(ratio < 0 ? 0 : ratio > FX32_ONE ? FX32_ONE : ratio);
}

// The products are formed in 64 bits: values far from the screen's range
// must not overflow.
fx32 Lerp(fx32 a, fx32 b, fx32 ratio)
{
    const int64_t r = CheckLerpRatio(ratio);
    return static_cast<fx32>((((FX32_ONE - r) * a) >> FX32_SHIFT) + ((b * r) >> FX32_SHIFT));
}

void Lerp(fx32 (&out)[2], const fx32 (&a)[2], const fx32 (&b)[2], fx32 ratio)
{
    const fx32 r = CheckLerpRatio(ratio);
    for (int i = 0; i < 2; ++i)
        out[i] = CoreFx::WrapAdd(CoreFx::Mul(FX32_ONE - r, a[i]), CoreFx::Mul(b[i], r));
}

void Lerp(uint8_t (&out)[4], const uint8_t (&a)[4], const uint8_t (&b)[4], fx32 ratio)
{
    const int32_t r = CheckLerpRatio(ratio);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<uint8_t>(((a[i] * (FX32_ONE - r)) >> FX32_SHIFT) + ((b[i] * r) >> FX32_SHIFT));
}
