#include "MiniGame/Common/MiniGameBirdsAttack.h"

#include "Maths/CoreFxDivide.h"

namespace {

void Draw(const MGSprite& oSprite)
{
    if (oSprite.IsInitialized())
        oSprite.RenderWithPosition(oSprite.GetPosition());
}

} // namespace

void MiniGameBirdsAttack::RenderPlatforms()
{
    for (int32_t iIdx = 0; iIdx < MG_BA_LEVEL_PLATFORM_NB; ++iIdx) {
        Platform& oPlatform = m_aoPlatforms[m_iScreen][iIdx];
        if (!oPlatform.m_oSprite.IsInitialized())
            continue;
        switch (oPlatform.m_eKind) {
        case PlatformKind::Breaking: Draw(oPlatform.m_oBreaking); break;
        case PlatformKind::Broken:
            // The plank under repair shows through as the presses add up.
            if (m_oHeroine.m_eState == HeroineState::Mending && m_oHeroine.m_iPlatform == iIdx - 1 &&
                m_oHeroine.m_iMendCount > 0) {
                oPlatform.m_oSprite.SetAlpha(
                    CoreFx::Div(m_oHeroine.m_iMendCount * FX32_ONE, MENDING_PRESSES * FX32_ONE));
                Draw(oPlatform.m_oSprite);
            }
            break;
        default:
            oPlatform.m_oSprite.SetAlpha(FX32_ONE);
            Draw(oPlatform.m_oSprite);
            break;
        }
    }
}

void MiniGameBirdsAttack::Render()
{
    Draw(m_oSky);
    for (const MGSprite& oCloud : m_aoClouds)
        Draw(oCloud);
    RenderPlatforms();
    if (m_oBird.m_eDropKind == DropKind::Stone)
        Draw(m_oBird.m_oStone);
    for (int32_t k = 0; k < MG_BA_LEVEL_PLATFORM_NB; ++k) {
        Draw(m_aoDroppings[k].m_oSprite);
        Draw(m_aoStones[k].m_oSprite);
    }
    Draw(m_oBird.m_oSprite);
    Draw(m_oHeroine.m_oSprite);
    for (const MGSprite& oRope : m_aoRopes)
        Draw(oRope);
    for (const MGSprite& oFog : m_aoFogs)
        Draw(oFog);
    if (m_oMeter.GetUnit(0) != nullptr)
        m_oMeter.Render(METER_X, METER_Y, METER_Z, 0);
    MiniGame::Render();
}
