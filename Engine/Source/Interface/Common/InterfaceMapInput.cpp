// The map tab's frame: which pins show, lighting one and travelling.
#include "Common/GameLink.h"
#include "Common/VarIds.h"
#include "Input/Common/InputEventIds.h"
#include "Interface/Common/InterfaceMap.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Interface/Common/MenuInput.h"
#include "Interface/Common/MenuTabSceneLink.h"
#include "Log/CoreLog.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/VarManager.h"
#include "Scene/Common/Scene.h"

void InterfaceMap::Update(uint32_t /*dtMs*/)
{
    const std::span<const MapThumbDesc> descs = MapThumb::GetThumbDescs();
    for (int32_t iLocation = 0; iLocation < NB_MAP_THUMBS; ++iLocation)
        m_aPins[iLocation].m_bVisible = IsOpen(descs[iLocation]) ? 1 : 0;
    if (GetMenuTabSceneLink().GetInputState() == INPUT_STATE_MENU && !g_oScriptManager.IsChangePending())
        HandleInput();
}

void InterfaceMap::HandleInput()
{
    m_iHoveredAtFrameStart = m_iHovered;
    MenuTabSceneLink& scene = GetMenuTabSceneLink();
    const std::span<const MapThumbDesc> descs = MapThumb::GetThumbDescs();

    CoreFxVec2 point {};
    bool bFromCursor = false;
    if (MenuInput::SelectPoint(InputEventId_PointerReleased, point, bFromCursor)) {
        // Only a pin lit in an earlier frame travels.
        for (int32_t iLocation = 0; iLocation < NB_MAP_THUMBS; ++iLocation) {
            const InterfaceButton& pin = m_aPins[iLocation];
            if (pin.m_bVisible && pin.HitTest(point.x, point.y, 0) && iLocation == m_iHovered) {
                Travel(iLocation, descs[iLocation]);
                m_iHovered = NO_LOCATION;
                return;
            }
        }
    }

    m_iHovered = NO_LOCATION;
    if (MenuInput::PointerOf(InputEventId_PointerMoved, point) || MenuInput::PointerOf(InputEventId_PointerHeld, point))
        HoverAt(point);
    else if (MenuInput::IsActive(InputEventId_CursorHover))
        HoverAt(scene.GetCursorPosition());

    CoreFxVec2 direction {};
    if (m_pMenu != nullptr && MenuInput::DirectionOf(InputEventId_CursorMove, direction))
        scene.SetCursorPosition(m_pMenu->FindNextCursorTarget(scene.GetCursorPosition(), direction));
}

void InterfaceMap::HoverAt(const CoreFxVec2& point)
{
    const std::span<const MapThumbDesc> descs = MapThumb::GetThumbDescs();
    for (int32_t iLocation = 0; iLocation < NB_MAP_THUMBS; ++iLocation) {
        const InterfaceButton& pin = m_aPins[iLocation];
        if (pin.m_bVisible && MapThumb::IsActive(descs[iLocation]) && pin.HitTest(point.x, point.y, 0)) {
            m_iHovered = iLocation;
            m_oHoverPin.m_fxX = pin.m_fxX;
            m_oHoverPin.m_fxY = pin.m_fxY;
            return;
        }
    }
}

void InterfaceMap::Travel(int32_t iLocation, const MapThumbDesc& desc)
{
    // The scene that is left, as a 16-bit scene id.
    const int16_t previous = static_cast<int16_t>(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE) & 0xFFFF);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, previous);
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, static_cast<int32_t>(desc.m_uSceneId));
    g_oScriptManager.ChangeScene(static_cast<int32_t>(desc.m_uSceneId));
    CorePrint(&g_oCoreLog, "GAME[%s]:", GetGameLink().GetClockString());
    CorePrint(&g_oCoreLog, "Action \"Map\" on \"%d\"\n", iLocation);
}
