#pragma once
#include "Maths/CoreFxVec.h"

#include <cstdint>

class CoreTexture;
class InterfaceMenu;

// A tab of the in-game menu: the inventory, the map, the quest log or the
// options. The menu calls these operations; the base behaviour is what a tab
// that does not override one gets: the shared background drawn as a 16:9
// frame, and nothing else.
class InterfacePanel {
public:
    virtual ~InterfacePanel() = default;

    // When the menu opens for a playing character; false stops the opening.
    virtual bool Init() { return true; }
    // When the menu closes.
    virtual void Term() { }
    // Fetches the tab's textures (the base: the shared background); false
    // stops the menu's load.
    virtual bool Load();
    virtual void Unload() { }
    // The panel's pictures, before the menu draws its visible buttons.
    virtual void Draw();
    // Every frame while the tab is current, with the frame time in ms.
    virtual void Update(uint32_t) { }
    // The panel's texts, between the main text renderer's begin and end.
    virtual void DrawText() { }
    // Whether the picture changed this frame; lets the tab reset what it
    // compares with.
    virtual bool IsDirty() { return false; }
    virtual bool HasAlert() { return false; }
    // Shows or hides the tab's own pool buttons.
    virtual void UpdateButtons() { }
    virtual void ClearSelection() { }
    // When another tab becomes current (or this one again).
    virtual void Deactivate() { }
    // The points of the tab that the pad's cursor jumps between besides the
    // menu's buttons: up to iMax written; their number.
    virtual int32_t GetCursorTargets(CoreFxVec2*, int32_t) { return 0; }

    // The menu that holds the tab; set by the menu before any operation.
    void SetMenu(InterfaceMenu* pMenu) { m_pMenu = pMenu; }
    InterfaceMenu* GetMenu() const { return m_pMenu; }

    CoreTexture* m_hBackground = nullptr;

protected:
    InterfaceMenu* m_pMenu = nullptr;
};
