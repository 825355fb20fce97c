#pragma once
#include "Interface/Common/InterfaceButton.h"
#include "Interface/Common/InterfacePanel.h"
#include "ScriptEngine/common/MapThumb.h"

#include <cstdint>

class CoreTexture;

// The map tab: the picture of the island the heroine is on, with a pin for
// each travel location that is open now. Pointing at a pin lights it and
// names the place; releasing on the lit pin travels there at once: the scene
// variables change and the scene change starts, without a script.
class InterfaceMap : public InterfacePanel {
public:
    static constexpr int32_t MAP_FIRST = 0;
    static constexpr int32_t MAP_LAST = 4;
    // No picture: the island variable names no map.
    static constexpr int32_t NO_MAP = -1;
    static constexpr int32_t NO_LOCATION = -1;
    static constexpr fx32 MAP_CENTRE_X = 140 * FX32_ONE;
    static constexpr fx32 MAP_CENTRE_Y = 96 * FX32_ONE;
    static constexpr fx32 NAME_X = 140 * FX32_ONE;
    static constexpr fx32 NAME_Y = 148 * FX32_ONE;

    // The locations rebuilt, the first island's map.
    bool Init() override;
    // The background, the five maps, a pin at each location and the lit pin.
    bool Load() override;
    void Unload() override;
    void Draw() override;
    // The pins of the open locations, then the input in the menu state while
    // no scene change is pending.
    void Update(uint32_t dtMs) override;
    // The lit location's name.
    void DrawText() override;
    bool IsDirty() override { return m_iHovered != m_iHoveredAtFrameStart; }
    void ClearSelection() override;
    void Deactivate() override { ClearSelection(); }
    int32_t GetCursorTargets(CoreFxVec2* pTargets, int32_t iMax) override;

    // A release (or the scene cursor's select) on the lit pin travels; a
    // pointer over an open location's pin lights it.
    void HandleInput();
    // At every scene change: the island map of VARINT_LOCAL_ISLAND_MAP (a
    // value below 1 is the first). A value past the last map is reported
    // and refused: no picture, and false.
    bool UpdateMap();

    int32_t GetCurrentMap() const { return m_iCurrentMap; }
    int32_t GetHoveredLocation() const { return m_iHovered; }
    const InterfaceButton& GetPin(int32_t iLocation) const { return m_aPins[iLocation]; }
    const InterfaceButton& GetHoverPin() const { return m_oHoverPin; }

private:
    // Whether the location is open now: the map's condition, for whom and
    // where it exists, and its own flag.
    static bool IsOpen(const MapThumbDesc& desc);
    // Sets the scene variables, starts the scene change and logs it.
    static void Travel(int32_t iLocation, const MapThumbDesc& desc);
    // The first shown, active location whose pin lies under the point.
    void HoverAt(const CoreFxVec2& point);

    InterfaceButton m_aPins[NB_MAP_THUMBS];
    InterfaceButton m_oHoverPin;
    int32_t m_iHovered = NO_LOCATION;
    int32_t m_iHoveredAtFrameStart = NO_LOCATION;
    int32_t m_iCurrentMap = MAP_FIRST;
    CoreTexture* m_ahMaps[MAP_LAST + 1] = {};
};
