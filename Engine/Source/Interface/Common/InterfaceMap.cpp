#include "Interface/Common/InterfaceMap.h"

#include "Common/VarIds.h"
#include "Error/EngineAssert.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Managers/Common/VarManager.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"
#include "Utils/Common/DkLocalizer.h"
#include "Utils/Common/Font/Common/TextRenderer.h"

namespace {

// By map id: the islands' pictures.
constexpr const char* MAP_TEXTURES[InterfaceMap::MAP_LAST + 1] = {"s_map_bounty", "s_map_crab", "s_map_hollow",
                                                                  "s_map_tanner", "s_map_turtle"};
// Interface art is authored at five pixels to a virtual-screen unit.
constexpr uint32_t PIXELS_PER_UNIT = 5;
constexpr uint32_t NAME_COLOUR = 0xFFFFFFFF;

} // namespace

bool InterfaceMap::Init()
{
    MapThumb::InitThumbDescs();
    m_iCurrentMap = MAP_FIRST;
    return true;
}

bool InterfaceMap::Load()
{
    InterfacePanel::Load();
    for (int32_t iMap = MAP_FIRST; iMap <= MAP_LAST; ++iMap)
        m_ahMaps[iMap] = g_pTextureManager ? g_pTextureManager->GetTextureByName(MAP_TEXTURES[iMap]) : nullptr;
    const std::span<const MapThumbDesc> descs = MapThumb::GetThumbDescs();
    for (int32_t iLocation = 0; iLocation < NB_MAP_THUMBS; ++iLocation) {
        InterfaceButton& pin = m_aPins[iLocation];
        pin.InitFromTable(BUTTON_MAP_PIN);
        pin.m_fxX = descs[iLocation].m_fxX;
        pin.m_fxY = descs[iLocation].m_fxY;
    }
    m_oHoverPin.InitFromTable(BUTTON_MAP_PIN_LIT);
    return true;
}

void InterfaceMap::Unload()
{
    m_oHoverPin.DropTexture();
    for (InterfaceButton& pin : m_aPins)
        pin.DropTexture();
    // The pictures belong to the common pack, which may go before the menu
    // loads again.
    for (CoreTexture*& hMap : m_ahMaps)
        hMap = nullptr;
}

bool InterfaceMap::UpdateMap()
{
    const int32_t value = g_VarManager.GetInt(VARINT_LOCAL_ISLAND_MAP);
    const int32_t iMapId = value < 1 ? MAP_FIRST : value;
    ENGINE_ASSERT(iMapId >= MAP_FIRST && iMapId <= MAP_LAST);
    if (iMapId > MAP_LAST) {
        m_iCurrentMap = NO_MAP;
        return false;
    }
    m_iCurrentMap = iMapId;
    return true;
}

bool InterfaceMap::IsOpen(const MapThumbDesc& desc)
{
    return MapThumb::GetCommonCondition().EvalCondition(g_VarManager) && MapThumb::IsVisible(desc) &&
           MapThumb::IsActive(desc);
}

void InterfaceMap::Draw()
{
    InterfacePanel::Draw();
    CoreRenderer* pRenderer = g_pTextureManager ? g_pTextureManager->m_pRenderer : nullptr;
    if (pRenderer == nullptr)
        return;
    if (m_iCurrentMap >= MAP_FIRST && m_iCurrentMap <= MAP_LAST && m_ahMaps[m_iCurrentMap] != nullptr) {
        CoreTexture* hMap = m_ahMaps[m_iCurrentMap];
        const fx32 width = static_cast<fx32>(hMap->m_oDescription.m_iWidth << FX32_SHIFT) / PIXELS_PER_UNIT;
        const fx32 height = static_cast<fx32>(hMap->m_oDescription.m_iHeight << FX32_SHIFT) / PIXELS_PER_UNIT;
        pRenderer->DrawTexturedQuad(hMap, width, height, MAP_CENTRE_X - width / 2, MAP_CENTRE_Y - height / 2, 0);
    }
    for (int32_t iLocation = 0; iLocation < NB_MAP_THUMBS; ++iLocation) {
        const InterfaceButton& pin = iLocation == m_iHovered ? m_oHoverPin : m_aPins[iLocation];
        if (pin.m_bVisible)
            pin.Draw();
    }
}

void InterfaceMap::DrawText()
{
    Tw::TextRenderer* pText = m_pMenu ? m_pMenu->GetMainTextRenderer() : nullptr;
    if (m_iHovered == NO_LOCATION || pText == nullptr)
        return;
    const MapThumbDesc& desc = MapThumb::GetThumbDescs()[m_iHovered];
    pText->Print(g_oDkLocalizer.GetText(desc.m_uNameTextId), NAME_X, NAME_Y, NAME_COLOUR, Tw::PRINT_CENTER_X);
}

void InterfaceMap::ClearSelection()
{
    m_iHovered = NO_LOCATION;
    m_iHoveredAtFrameStart = NO_LOCATION;
}

int32_t InterfaceMap::GetCursorTargets(CoreFxVec2* pTargets, int32_t iMax)
{
    int32_t count = 0;
    for (const InterfaceButton& pin : m_aPins) {
        if (pin.m_bVisible && count < iMax)
            pTargets[count++] = pin.GetCenter();
    }
    return count;
}
