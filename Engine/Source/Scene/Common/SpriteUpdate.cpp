#include "Scene/Common/Sprite.h"

#include "Log/CoreLog.h"

namespace {

// Scroll offsets stay within one thousand repeats either way.
constexpr fx32 SCROLL_OFFSET_WRAP = 1000 * FX32_ONE;

// Sums of values from the file wrap as the hardware's do instead of
// overflowing.
using CoreFx::Mul;
using CoreFx::WrapAdd;
using CoreFx::WrapSub;

} // namespace

void Sprite::ComputeBoundingBox()
{
    const fx32 sw = Mul(m_oScale.x, m_oSize.x);
    const fx32 pw = Mul(m_oPivot.x, m_oSize.x);
    m_oBox.xMin = WrapSub(WrapAdd(m_oPosition.x, pw), Mul(m_oPivot.x, sw));
    m_oBox.xMax = WrapAdd(WrapAdd(m_oPosition.x, pw), Mul(WrapSub(FX32_ONE, m_oPivot.x), sw));
    const fx32 sh = Mul(m_oScale.y, m_oSize.y);
    const fx32 ph = Mul(m_oPivot.y, m_oSize.y);
    m_oBox.yMin = WrapSub(WrapAdd(m_oPosition.y, ph), Mul(m_oPivot.y, sh));
    m_oBox.yMax = WrapAdd(WrapAdd(m_oPosition.y, ph), Mul(WrapSub(FX32_ONE, m_oPivot.y), sh));
}

void Sprite::Update(uint32_t milliseconds)
{
    UpdateHighlight(milliseconds);
    // A paused sprite keeps its frame, position, scroll and fade.
    if (!m_bAnimating)
        return;
    m_iFrameClock += milliseconds;
    if (m_pFrameAnimation)
        m_pFrameAnimation->GetValue(m_iFrameIndex, m_iFrameClock);
    if (m_pPositionAnimation) {
        fx32 position[3] = {m_oPosition.x, m_oPosition.y, 0};
        m_pPositionAnimation->GetValue_spline(position, m_iFrameClock);
        m_oPosition = {position[0], position[1]};
    }
    if (m_pScaleAnimation) {
        fx32 scale[2] = {m_oScale.x, m_oScale.y};
        m_pScaleAnimation->GetValue(scale, m_iFrameClock);
        m_oScale = {scale[0], scale[1]};
    }
    ComputeBoundingBox();
    if (m_pAlphaAnimation) {
        uint8_t bytes[4] = {static_cast<uint8_t>(m_iColour), 0, 0, 0};
        m_pAlphaAnimation->GetValue(bytes, m_iFrameClock);
        ApplyAlpha(bytes[0]);
    }

    if (m_vScrollUV.x != 0 || m_vScrollUV.y != 0) {
        const fx32 elapsed = static_cast<fx32>(uint64_t(milliseconds) * FX32_ONE);
        fx32* offsets[2] = {&m_oScrollOffset.x, &m_oScrollOffset.y};
        const fx32 speeds[2] = {m_vScrollUV.x, m_vScrollUV.y};
        for (int i = 0; i < 2; ++i) {
            fx32& offset = *offsets[i];
            offset = WrapAdd(offset, Mul(speeds[i], elapsed));
            if (offset >= SCROLL_OFFSET_WRAP)
                offset -= SCROLL_OFFSET_WRAP;
            else if (offset <= -SCROLL_OFFSET_WRAP)
                offset += SCROLL_OFFSET_WRAP;
        }
    }

    if (m_bFading) {
        m_iFadeElapsed += milliseconds;
        if (m_iFadeElapsed >= m_iFadeDuration) {
            m_iFadeElapsed = m_iFadeDuration;
            m_bFading = 0;
        }
        // A fade without duration (set by hand) ends at once.
        uint64_t alpha = m_iFadeDuration ? uint64_t(m_iFadeElapsed) * 255 / m_iFadeDuration : 255;
        if (alpha > 255)
            alpha = 255;
        ApplyAlpha(static_cast<uint8_t>(m_bFadeIn ? alpha : 255 - alpha));
    }
}

bool Sprite::StartFade(bool fadeIn, uint32_t milliseconds)
{
    if (milliseconds == 0) {
        CorePrint(&g_oCoreLog, "Sprite::StartFade -- \"%.16s\": a fade of 0 ms is refused\n", m_sName);
        return false;
    }
    m_bFadeIn = fadeIn;
    m_iFadeDuration = milliseconds;
    m_iFadeElapsed = 0;
    m_bFading = 1;
    ApplyAlpha(fadeIn ? 0 : 255);
    return true;
}

bool Sprite::IsAnimationDone() const
{
    if (!m_pFrameAnimation || m_pFrameAnimation->GetFirstCtrlKeyCount() <= 1 || m_pFrameAnimation->Loops())
        return true;
    return m_iFrameClock >= m_pFrameAnimation->m_iLength;
}
