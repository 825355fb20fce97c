#pragma once
#include "Interface/Common/InterfacePanel.h"
#include "Interface/Common/QuestLog.h"
#include "Maths/Fx32.h"

#include <cstddef>
#include <cstdint>

// The quest tab: the quest log of the playing character, two entries a page
// with a portrait, a title and a description each, and arrows that move by a
// page. The list follows the quest flags every frame, whatever tab is shown;
// a change raises the menu's quest alert.
class InterfaceQuest : public InterfacePanel {
public:
    static constexpr uint32_t TITLE_COLOUR = 0x8F7445FF;
    static constexpr uint32_t TEXT_COLOUR = 0x3F2304FF;
    // A page's entries stand 60 units apart; each prints its title on one
    // line from the rectangle's top and its description below it, wrapped
    // within the rectangle.
    static constexpr fx32 ENTRY_PITCH = 60 * FX32_ONE;
    static constexpr fx32 TEXT_LEFT = 75 * FX32_ONE;
    static constexpr fx32 TEXT_RIGHT = 235 * FX32_ONE;
    static constexpr fx32 TEXT_TOP = 40 * FX32_ONE;
    static constexpr fx32 TEXT_BOTTOM = 89 * FX32_ONE;
    static constexpr fx32 DESCRIPTION_TOP = 55 * FX32_ONE;

    bool Init() override;
    void Term() override { m_oLog.ResetLists(); }
    // The background, the portrait frames and the arrows of the menu's pool.
    bool Load() override;
    void Unload() override;
    // The arrows, then the input in the menu state.
    void Update(uint32_t dtMs) override;
    // The titles and descriptions of the shown entries that are still open.
    void DrawText() override;
    bool IsDirty() override { return m_oLog.HasChanged() || m_oLog.IsPaged(); }
    bool HasAlert() override { return m_oLog.HasChanged(); }
    // Arrows that can move, lit under the pointer; a frame per shown entry.
    void UpdateButtons() override;
    void ClearSelection() override { UpdateButtons(); }

    // Every frame: the list of the scene manager's playing character, and
    // the page with its portraits when the list changed or a page turned.
    void Refresh();
    void HandleInput();

    // "intquest_" followed by the actor's name, cut to the buffer; false for
    // an actor the actor table does not know.
    static bool GetPortraitName(uint32_t uActorId, char* pOut, size_t uSize);

    const QuestLog& GetLog() const { return m_oLog; }
    bool IsUpEnabled() const { return m_bUpEnabled != 0; }
    bool IsDownEnabled() const { return m_bDownEnabled != 0; }

private:
    void LoadPortraits();

    QuestLog m_oLog;
    uint8_t m_bUpEnabled = 0;
    uint8_t m_bDownEnabled = 0;
    uint8_t m_bPointerOnUp = 0;
    uint8_t m_bPointerOnDown = 0;
};
