#include "Common/GameLink.h"
#include "Maths/CoreFxDivide.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCursor.h"

namespace {

using CoreFx::Mul;

constexpr fx32 FX = FX32_ONE;
constexpr fx32 IMAGE_SIZE = 16 * FX;
constexpr int32_t SHEET_COLUMNS = 8;
constexpr int32_t SHEET_ROWS = 4;
constexpr fx32 HELD_ITEM_SIZE = 32 * FX;
constexpr fx32 OPENING_TIME = 1229;
constexpr CoreFxVec2 UNSCALED {FX, FX};

constexpr uint32_t OPAQUE_WHITE = 0xFFFFFFFFu;
constexpr uint32_t DIMMED_WHITE = 0xFFFFFFC0u;
// While an item is dragged over the scene.
constexpr uint32_t FAINT_WHITE = 0xFFFFFF60u;

} // namespace

void SceneCursor::DrawImage(CoreRenderer& renderer, const CoreFxVec2& scale, const CoreFxVec2& position, int32_t iImage,
                            uint32_t uColour) const
{
    const fx32 width = Mul(IMAGE_SIZE, scale.x);
    const fx32 height = Mul(IMAGE_SIZE, scale.y);
    Scene::DrawTextureQuadUV(renderer, SHEET_COLUMNS, SHEET_ROWS, iImage, m_hSheet, position.x - width / 2,
                             position.y - height / 2, width, height, uColour);
}

void SceneCursor::Render(CoreRenderer& renderer, int32_t iInputState, CoreTexture* pHeldItem) const
{
    if (GetGameLink().IsPaused() || !m_bShown)
        return;
    uint32_t colour = OPAQUE_WHITE;
    if (m_bDimmed)
        colour = iInputState == INPUT_STATE_ITEM_DRAG ? FAINT_WHITE : DIMMED_WHITE;

    if ((m_bDimmed || iInputState != INPUT_STATE_NONE) && pHeldItem) {
        Scene::DrawTextureQuadUV(renderer, 1, 1, 0, pHeldItem, m_vPosition.x - HELD_ITEM_SIZE / 2,
                                 m_vPosition.y - HELD_ITEM_SIZE / 2, HELD_ITEM_SIZE, HELD_ITEM_SIZE, colour);
        return;
    }

    const bool menu = HasVerbMenu();
    // While the verb menu is open the pointer is the plain arrow; otherwise
    // slot 0 animates the cursor's mode.
    const int32_t pointer = menu ? 0 : static_cast<int32_t>(m_aSlots[0].m_uFrame);
    if (!menu && m_vPosition.x == m_vVerbPosition.x && m_vPosition.y == m_vVerbPosition.y)
        return;
    // The icons show also while the pointer rests where the menu opened: a
    // click on a hotspot's marker must show the verbs it opened.
    if (menu) {
        const fx32 opening = m_fOpeningTime < OPENING_TIME ? CoreFx::Div(m_fOpeningTime, OPENING_TIME) : FX;
        for (int32_t i = 0; i < 2; ++i) {
            if (m_aSlots[i].m_iVerb == CURSOR_NONE)
                continue;
            const CoreFxVec2 place = GetVerbPlace(i);
            const CoreFxVec2 at {m_vVerbPosition.x + Mul(place.x - m_vVerbPosition.x, opening),
                                 m_vVerbPosition.y + Mul(place.y - m_vVerbPosition.y, opening)};
            DrawImage(renderer, UNSCALED, at, static_cast<int32_t>(m_aSlots[i].m_uFrame), colour);
        }
    }
    DrawImage(renderer, UNSCALED, m_vPosition, pointer, colour);
}
