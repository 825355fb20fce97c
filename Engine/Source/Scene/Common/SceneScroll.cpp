#include "Error/EngineAssert.h"
#include "Maths/CoreFxDivide.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneScreen.h"
#include "Screen/CoreVirtualScreen.h"

#include <algorithm>

namespace {

using CoreFx::Div;
using CoreFx::Mul;

constexpr fx32 FX = FX32_ONE;
constexpr fx32 SCREEN_CENTRE = 128 * FX;
// Push mode: a character beyond these edges pushes the view by a step.
constexpr fx32 PUSH_RIGHT_EDGE = 192 * FX;
constexpr fx32 PUSH_LEFT_EDGE = 64 * FX;
constexpr fx32 PUSH_STEP = 96 * FX;
// Follow mode: beyond these the view follows, faster the further out.
constexpr fx32 FOLLOW_RIGHT_EDGE = 160 * FX;
constexpr fx32 FOLLOW_LEFT_EDGE = 96 * FX;
// 2.5 units per 16 ms frame.
constexpr fx32 SCROLL_SPEED = 10240;
constexpr fx32 FRAME_TIME = 16 * FX;

// The frame's milliseconds as a share of a 16 ms frame.
fx32 Frames(uint32_t dtMs)
{
    return Div(static_cast<fx32>(dtMs * FX32_ONE), FRAME_TIME);
}

} // namespace

const SceneCharacter* Scene::SelectedForScroll() const
{
    if (m_iSelectedCharacter == -1)
        return nullptr;
    const SceneCharacter* character = GetSelectedCharacter();
    ENGINE_ASSERT(NULL != character);
    return character;
}

void Scene::ClampScroll()
{
    const SceneWindow window = SceneWindow::Current();
    const fx32 visible = window.VisibleWidth();
    const fx32 width = m_oMainLayerSize.x;
    if (width <= visible) {
        m_fScroll = (width - VIRTUAL_SCREEN_WIDTH) / 2;
        return;
    }
    const fx32 margin = window.Margin();
    m_fScroll = std::max(margin, std::min(m_fScroll, width - VIRTUAL_SCREEN_WIDTH - margin));
}

void Scene::UpdateScrollRatio()
{
    const fx32 visible = SceneWindow::Current().VisibleWidth();
    m_fScrollRatio = Div(2 * m_fScroll + VIRTUAL_SCREEN_WIDTH - m_oMainLayerSize.x, visible);
    m_oCamera.m_f3DShift = m_fScrollRatio;
}

void Scene::InitializeScroll()
{
    const SceneCharacter* character = SelectedForScroll();
    if (character)
        m_fScroll = character->GetScreenPosition().x - SCREEN_CENTRE;
    else
        m_fScroll = (m_oMainLayerSize.x - VIRTUAL_SCREEN_WIDTH) / 2;
    ClampScroll();
    m_fScrollTarget = m_fScroll;
    UpdateScrollRatio();
}

void Scene::UpdateScroll(uint32_t dtMs)
{
    if (const SceneCharacter* character = SelectedForScroll()) {
        const fx32 x = character->GetScreenPosition().x;
        const fx32 frames = Frames(dtMs);
        if (m_iScrollMode == SCROLL_PUSH) {
            if (x > PUSH_RIGHT_EDGE)
                m_fScrollTarget = m_fScroll + PUSH_STEP;
            if (x < PUSH_LEFT_EDGE)
                m_fScrollTarget = m_fScroll - PUSH_STEP;
            if (m_bFollowOnSettle && m_fScrollTarget == m_fScroll) {
                m_iScrollMode = SCROLL_FOLLOW;
                m_bFollowOnSettle = 0;
            }
            const fx32 step = Mul(frames, SCROLL_SPEED);
            if (m_fScrollTarget > m_fScroll)
                m_fScroll = std::min(m_fScroll + step, m_fScrollTarget);
            else
                m_fScroll = std::max(m_fScroll - step, m_fScrollTarget);
        } else {
            if (x > FOLLOW_RIGHT_EDGE)
                m_fScroll += Mul(Mul(frames, Div(x - FOLLOW_RIGHT_EDGE, 16 * FX)), SCROLL_SPEED);
            if (x < FOLLOW_LEFT_EDGE)
                m_fScroll -= Mul(Mul(frames, Div(FOLLOW_LEFT_EDGE - x, 16 * FX)), SCROLL_SPEED);
        }
    }
    ClampScroll();
    UpdateScrollRatio();
}
