#include "Interface/Common/InterfaceButton.h"

#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Maths/CoreFxDivide.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"

#include <cstdio>

namespace {

constexpr fx32 U = FX32_ONE;
// Interface art is authored at 1280 x 960: five pixels to a unit.
constexpr fx32 PIXELS_PER_UNIT = 5 * U;

InterfaceButtonDef s_aDefinitions[NB_BUTTON_DEFINITIONS] = {};

fx32 Abs(fx32 value)
{
    return value < 0 ? -value : value;
}

} // namespace

void InterfaceButton::FillDefinitionTable()
{
    struct Row {
        const char* name;
        int32_t x;
        int32_t y;
        int32_t pivot;
    };
    static constexpr Row ROWS[NB_BUTTON_DEFINITIONS] = {
        {"s_gen_but_invent_on", 10, 46, PIVOT_TOP_LEFT},
        {"s_gen_but_map_on", 11, 79, PIVOT_TOP_LEFT},
        {"s_gen_but_quest_on", 16, 111, PIVOT_TOP_LEFT},
        {"s_gen_but_optn_on", 20, 142, PIVOT_TOP_LEFT},
        {"s_gen_but_invent_off", 10, 46, PIVOT_TOP_LEFT},
        {"s_gen_but_map_off", 11, 79, PIVOT_TOP_LEFT},
        {"s_gen_but_quest_off", 16, 111, PIVOT_TOP_LEFT},
        {"s_gen_but_optn_off", 20, 142, PIVOT_TOP_LEFT},
        {"s_inv_arrow_left_off", 60, 81, PIVOT_MIDDLE_RIGHT},
        {"s_inv_arrow_left_on", 60, 81, PIVOT_MIDDLE_RIGHT},
        {"s_inv_arrow_right_off", 220, 81, PIVOT_MIDDLE_LEFT},
        {"s_inv_arrow_right_on", 220, 81, PIVOT_MIDDLE_LEFT},
        {"map_pin_off", 183, 97, PIVOT_TOP_LEFT},
        {"map_pin_on", 96, 48, PIVOT_TOP_LEFT},
        {"s_options_but_save_on", 88, 110, PIVOT_TOP_LEFT},
        {"s_options_but_save_off", 88, 110, PIVOT_TOP_LEFT},
        {"s_options_vol_on", 50, 122, PIVOT_TOP_LEFT},
        {"s_options_vol_off", 50, 122, PIVOT_TOP_LEFT},
        {"s_options_but_exit_on", 48, 110, PIVOT_TOP_LEFT},
        {"s_options_but_exit_off", 48, 110, PIVOT_TOP_LEFT},
        {"intquest_reservation_memory", 45, 46, PIVOT_TOP_LEFT},
        {"intquest_reservation_memory", 45, 106, PIVOT_TOP_LEFT},
        {"s_quest_but_up_on", 42, 27, PIVOT_TOP_LEFT},
        {"s_quest_but_up_off", 42, 27, PIVOT_TOP_LEFT},
        {"s_quest_but_down_on", 42, 125, PIVOT_TOP_LEFT},
        {"s_quest_but_down_off", 42, 125, PIVOT_TOP_LEFT},
    };
    for (int32_t row = 0; row < NB_BUTTON_DEFINITIONS; ++row)
        s_aDefinitions[row] = {ROWS[row].name, ROWS[row].x * U, ROWS[row].y * U, {}, ROWS[row].pivot};
}

const InterfaceButtonDef* InterfaceButton::GetDefinition(int32_t iRow)
{
    ENGINE_ASSERT(iRow >= 0 && iRow < NB_BUTTON_DEFINITIONS);
    if (iRow < 0 || iRow >= NB_BUTTON_DEFINITIONS)
        return nullptr;
    return &s_aDefinitions[iRow];
}

bool InterfaceButton::InitFromTable(int32_t iRow)
{
    const InterfaceButtonDef* row = GetDefinition(iRow);
    if (row == nullptr || row->m_pSpriteName == nullptr)
        return false;
    m_iDefinitionRow = iRow;
    m_bVisible = 1;
    m_fxX = row->m_fxX;
    m_fxY = row->m_fxY;
    m_iPivot = row->m_iPivot;
    char name[CORE_TEXTURE_NAME_SIZE];
    std::snprintf(name, sizeof name, "%s", row->m_pSpriteName);
    return SetTexture(name);
}

bool InterfaceButton::SetTexture(const char* name)
{
    m_hTexture = g_pTextureManager ? g_pTextureManager->GetTextureByName(name) : nullptr;
    const CoreTextureDescription* description =
        m_hTexture ? CoreTexture::GetTextureDescriptionFromHandle(m_hTexture) : nullptr;
    if (description == nullptr) {
        m_hTexture = nullptr;
        CorePrint(&g_oCoreLog, "couldn't find texture \"%s\"\n", name);
        return false;
    }
    m_fxWidth = CoreFx::Div(static_cast<fx32>(description->m_iWidth << FX32_SHIFT), PIXELS_PER_UNIT);
    m_fxHeight = CoreFx::Div(static_cast<fx32>(description->m_iHeight << FX32_SHIFT), PIXELS_PER_UNIT);
    return true;
}

void InterfaceButton::GetPivotShift(fx32& dx, fx32& dy) const
{
    const fx32 w = m_fxWidth;
    const fx32 h = m_fxHeight;
    dx = 0;
    dy = 0;
    if (m_iPivot < PIVOT_TOP_LEFT || m_iPivot > PIVOT_BOTTOM_RIGHT) {
        ENGINE_ASSERT(false);
        return;
    }
    switch (m_iPivot % 3) {
    case 1: dx = -w / 2; break;
    case 2: dx = -w; break;
    default: break;
    }
    switch (m_iPivot / 3) {
    case 1: dy = -h / 2; break;
    case 2: dy = -h; break;
    default: break;
    }
}

CoreFxVec2 InterfaceButton::GetCenter() const
{
    fx32 dx = 0;
    fx32 dy = 0;
    GetPivotShift(dx, dy);
    return {m_fxX + dx + m_fxWidth / 2, m_fxY + dy + m_fxHeight / 2};
}

bool InterfaceButton::HitTest(fx32 px, fx32 py, fx32 margin) const
{
    const CoreFxVec2 centre = GetCenter();
    return Abs(centre.x - px) <= Abs(m_fxWidth / 2) + margin / 2 &&
           Abs(centre.y - py) <= Abs(m_fxHeight / 2) + margin / 2;
}

void InterfaceButton::Draw() const
{
    if (m_hTexture == nullptr || g_pTextureManager == nullptr || g_pTextureManager->m_pRenderer == nullptr)
        return;
    fx32 dx = 0;
    fx32 dy = 0;
    GetPivotShift(dx, dy);
    g_pTextureManager->m_pRenderer->DrawTexturedQuad(m_hTexture, m_fxWidth, m_fxHeight, m_fxX + dx, m_fxY + dy, 0);
}
