#include "MiniGame/Common/MGControlsDisplayer.h"

#include "Error/EngineAssert.h"
#include "MiniGame/Common/MiniGameTime.h"

namespace {

struct ControlsIcon {
    int8_t m_iIcon; // -1: no icon
    bool m_bBlink;
};

constexpr ControlsIcon NO_ICON = {-1, false};

// The icons of each controls id.
constexpr ControlsIcon CONTROLS_ICONS[MGControlsDisplayer::CONTROLS_COUNT][MGControlsDisplayer::ICONS_PER_CONTROLS] = {
    {{9, false}, {10, true}, {14, false}, NO_ICON},   {{9, false}, {14, false}, NO_ICON, NO_ICON},
    {{18, false}, {19, false}, NO_ICON, NO_ICON},     {{16, false}, {17, false}, NO_ICON, NO_ICON},
    {{4, false}, {7, false}, {8, false}, NO_ICON},    {{4, false}, {6, false}, NO_ICON, NO_ICON},
    {{4, false}, {7, false}, {8, false}, {6, false}}, {{9, false}, {11, true}, NO_ICON, NO_ICON},
    {{9, false}, {15, false}, {0, false}, NO_ICON},   {{9, false}, {0, false}, {3, false}, NO_ICON},
    {{9, false}, {12, true}, {0, false}, {1, false}}, {{9, false}, {13, false}, {0, false}, {2, false}},
    {{9, false}, {10, false}, {11, true}, NO_ICON},
};

// A blink period of 0.6 seconds, lit in its second half.
constexpr fx32 BLINK_PERIOD = 0x99A;
constexpr fx32 BLINK_HALF = 0x4CD;

} // namespace

void MGControlsDisplayer::SetSteps(const Step* pSteps, int32_t iCount)
{
    m_oCommandsSteps = pSteps;
    m_iCommandsStepsNb = pSteps != nullptr && iCount > 0 ? iCount : 0;
    m_iCurrentStep = 0;
    m_fxTimer = 0;
}

bool MGControlsDisplayer::HasSteps() const
{
    ENGINE_ASSERT(m_oCommandsSteps != NULL);
    ENGINE_ASSERT(m_iCommandsStepsNb > 0);
    return m_oCommandsSteps != nullptr && m_iCommandsStepsNb > 0;
}

bool MGControlsDisplayer::IsBlinkOn(fx32 timer)
{
    return (timer % BLINK_PERIOD) / BLINK_HALF != 0;
}

void MGControlsDisplayer::ShowStep(int32_t iStep, bool bVisible)
{
    if (!HasSteps() || iStep < 0 || iStep >= m_iCommandsStepsNb)
        return;
    const int32_t iControls = m_oCommandsSteps[iStep].m_iControlsId;
    if (iControls < 0 || iControls >= CONTROLS_COUNT)
        return;
    for (const ControlsIcon& icon : CONTROLS_ICONS[iControls]) {
        if (icon.m_iIcon >= 0 && m_aoIcons[icon.m_iIcon].IsInitialized())
            m_aoIcons[icon.m_iIcon].SetVisible(bVisible);
    }
}

void MGControlsDisplayer::Reset()
{
    if (!HasSteps())
        return;
    m_iCurrentStep = 0;
    m_fxTimer = 0;
    for (int32_t iStep = 0; iStep < m_iCommandsStepsNb; ++iStep)
        ShowStep(iStep, false);
    ShowStep(0, true);
}

void MGControlsDisplayer::Update(uint32_t dtMs)
{
    if (!HasSteps())
        return;
    const int32_t iPrevious = m_iCurrentStep;
    m_fxTimer += MiniGameSeconds(dtMs);
    // A step of no duration would never let the loop end: it holds instead.
    while (m_oCommandsSteps[m_iCurrentStep].m_fxDuration > 0 &&
           m_fxTimer >= m_oCommandsSteps[m_iCurrentStep].m_fxDuration) {
        m_fxTimer -= m_oCommandsSteps[m_iCurrentStep].m_fxDuration;
        m_iCurrentStep = (m_iCurrentStep + 1) % m_iCommandsStepsNb;
    }
    if (m_iCurrentStep != iPrevious) {
        ShowStep(iPrevious, false);
        ShowStep(m_iCurrentStep, true);
    }
    const int32_t iControls = m_oCommandsSteps[m_iCurrentStep].m_iControlsId;
    if (iControls < 0 || iControls >= CONTROLS_COUNT)
        return;
    for (const ControlsIcon& icon : CONTROLS_ICONS[iControls]) {
        if (icon.m_iIcon >= 0 && m_aoIcons[icon.m_iIcon].IsInitialized())
            m_aoIcons[icon.m_iIcon].Update(dtMs);
    }
}

void MGControlsDisplayer::Render() const
{
    if (!HasSteps())
        return;
    const int32_t iControls = m_oCommandsSteps[m_iCurrentStep].m_iControlsId;
    if (iControls < 0 || iControls >= CONTROLS_COUNT)
        return;
    for (const ControlsIcon& icon : CONTROLS_ICONS[iControls]) {
        if (icon.m_iIcon < 0 || !m_aoIcons[icon.m_iIcon].IsInitialized())
            continue;
        if (icon.m_bBlink && !IsBlinkOn(m_fxTimer))
            continue;
        const MGSprite& sprite = m_aoIcons[icon.m_iIcon];
        sprite.RenderWithPosition(sprite.GetPosition());
    }
}
