#include "Adventure/Common/Scriptable.h"
#include "Maths/CoreFxDivide.h"
#include "Scene/Common/Scene.h"

namespace {

constexpr fx32 PI = 0x3244;
constexpr uint32_t LAST_STRAIGHT_DIRECTION = 4;

// Visible hotspots whose scriptable the player may use pulse when asked to;
// every other object is still.
void SwitchHighlight(SceneObject& object, bool bHighlightAll)
{
    if (object.IsVisible() && object.m_pScriptable && object.m_pScriptable->IsInteractive())
        object.SetHighlight(bHighlightAll || object.m_bHighlighted);
    else
        object.m_oPulse.m_bActive = 0;
}

} // namespace

bool Scene::s_bHighlightAll = false;

void Scene::UpdateHighlights(bool bHighlightAll)
{
    if (const Layer* main = GetMainLayer()) {
        for (int32_t i = 0; i < main->m_iNbRegions; ++i)
            SwitchHighlight(main->m_vRegions[i], bHighlightAll);
        for (int32_t i = 0; i < main->m_iNbSprites; ++i)
            SwitchHighlight(main->m_vSprites[i], bHighlightAll);
    }
    for (int32_t i = 0; i < m_iNumCharacters; ++i)
        if (i != m_iActiveCharacter)
            SwitchHighlight(*m_apCharacters[i], bHighlightAll);
}

InterfaceSprite& Scene::SetArrowDirection(uint32_t uCode)
{
    // Codes 1..4 point right, down, left and up; 5..8 the diagonals between.
    const fx32 turns = static_cast<fx32>(uCode << 11) - (uCode <= LAST_STRAIGHT_DIRECTION ? 0x800 : 0x2400);
    m_oArrow.m_fxAngle = CoreFx::Mul(turns, PI);
    m_oArrow.ComputeHalfSize();
    return m_oArrow;
}
