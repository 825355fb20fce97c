#include "Effects/Common/ScreenColorEffect.h"

#include "Effects/Common/ScreenQuad.h"

void ScreenColorEffect::Reset()
{
    Effect::Reset();
    m_uStart = 0;
    m_uEnd = 0;
    m_uCurrent = 0;
}

void ScreenColorEffect::SetColors(uint32_t uStart, uint32_t uEnd)
{
    m_uStart = uStart;
    m_uEnd = uEnd;
}

void ScreenColorEffect::Start()
{
    m_fxElapsed = 0;
    m_bRunning = 1;
    m_bFinished = 0;
    m_uCurrent = m_uStart;
}

void ScreenColorEffect::Stop()
{
    m_fxElapsed = 0;
    m_bRunning = 0;
    m_bFinished = 1;
}

void ScreenColorEffect::Update(uint32_t dt)
{
    if (m_bRunning == 0)
        return;
    if (m_bFinished != 0) {
        Stop();
        return;
    }
    m_fxElapsed += MillisecondsToSeconds(dt);
    if (m_fxElapsed >= m_fxDuration) {
        m_uCurrent = m_uEnd;
        m_bFinished = 1;
        return;
    }
    const int64_t iRatio = Ratio();
    uint32_t uColour = 0;
    for (int iShift = 0; iShift < 32; iShift += 8) {
        const int64_t iStart = (m_uStart >> iShift) & 0xFF;
        const int64_t iEnd = (m_uEnd >> iShift) & 0xFF;
        const int64_t iByte = iStart + (((iEnd - iStart) * iRatio + FX32_HALF) >> FX32_SHIFT);
        uColour |= (static_cast<uint32_t>(iByte) & 0xFFu) << iShift;
    }
    m_uCurrent = uColour;
}

void ScreenColorEffect::Render()
{
    if (m_bRunning != 0 && (m_uCurrent & 0xFFu) != 0)
        DrawScreenQuad(m_uCurrent);
}
