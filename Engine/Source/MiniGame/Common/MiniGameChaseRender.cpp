#include "MiniGame/Common/MiniGameChase.h"

#include "App/CoreApp.h"
#include "Renderer/CoreRenderer.h"

namespace {

constexpr fx32 METER_X = 15 * FX32_ONE;
constexpr fx32 METER_Y = 15 * FX32_ONE;
constexpr fx32 METER_DEPTH = -8 * FX32_ONE;
// The life icons overlap.
constexpr fx32 METER_SPACING = -10 * FX32_ONE;

} // namespace

void MiniGameChase::RenderGround() const
{
    // The ground fills the whole window: a window wider than 4:3 shows more
    // of it at both sides.
    const CoreRenderer* pRenderer = g_pCoreApp != nullptr ? g_pCoreApp->m_pRenderer : nullptr;
    const fx32 margin = pRenderer != nullptr ? CoreRenderer::ScreenMargin(pRenderer->GetSettings().m_uWidth,
                                                                          pRenderer->GetSettings().m_uHeight)
                                             : 0;
    MGRectangle ground;
    ground.m_fxX = -margin;
    ground.m_fxY = 0;
    ground.m_fxWidth = SCREEN_WIDTH + 2 * margin;
    ground.m_fxHeight = SCREEN_HEIGHT;
    ground.m_uColor = GROUND_COLOR;
    ground.m_bFilled = true;
    ground.Render();
}

void MiniGameChase::RenderWallTiles() const
{
    const fx32 height = m_oLeftWall.GetSize().y;
    // A tile without height would never fill the wall.
    if (height <= 0)
        return;
    for (fx32 y = m_fxScrollOffset + SCREEN_HEIGHT; y >= 0; y -= height) {
        m_oLeftWall.RenderWithPosition({LEFT_WALL_X, y, WALL_DEPTH});
        m_oRightWall.RenderWithPosition({RIGHT_WALL_X, y, WALL_DEPTH});
    }
}

void MiniGameChase::Render()
{
    RenderGround();
    RenderWallTiles();
    if (m_bRaceReady)
        m_oRace.Render();
    if (m_iPhase == PHASE_HIT) {
        m_oImpact.SetVisible(m_oPlayer.IsVisible());
        m_oImpact.RenderWithPosition(m_oPlayer.GetPosition());
    } else {
        m_oPlayer.RenderWithPosition(m_oPlayer.GetPosition());
    }
    m_oCursor.RenderWithPosition(m_oCursor.GetPosition());
    m_oMeter.Render(METER_X, METER_Y, METER_DEPTH, METER_SPACING);
    MiniGame::Render();
}
