#pragma once
#include "Interface/Common/QuestTable.h"

#include <cstdint>

class VarSet;

// The quest tab's lists: the entries of the quest table that are open for
// the playing character, rebuilt every frame and compared with the list as it
// was last seen, and the page of two entries that the tab shows. The lists
// hold as many rows as the table, so no open entry of a character is ever
// left out.
class QuestLog {
public:
    static constexpr int PAGE_SIZE = 2;
    // A shown entry with nothing in it.
    static constexpr QuestRow EMPTY_ROW = {-1, -1, 0, 0, 0xFFFFFFFFu, 0xFFFFFFFFu};

    // First page, no flags, both lists empty.
    void Init();
    // Both lists and the shown entries empty, no shown entries.
    void ResetLists();

    // The frame's rebuild: the open entries of the owner, whether they
    // changed since they were last seen and, when they did or the player
    // turned a page, the page shown. True when the shown entries were
    // chosen again (their portraits follow).
    bool Refresh(uint32_t uOwner, const VarSet& vars);
    // The open entries of the owner, in table order.
    void BuildList(uint32_t uOwner, const VarSet& vars);
    // The open count or some open entry's opening flag differs from the list
    // last seen.
    bool ListChanged() const;
    void SnapshotList();

    bool CanPageUp() const { return m_iFirstShown != 0; }
    bool CanPageDown() const { return m_iOpenCount >= 3 && m_iFirstShown < m_iOpenCount - 2; }
    // Moves by a page when it can, and marks the page turned; false when it
    // cannot.
    bool PageUp();
    bool PageDown();
    // Called as the tab's input starts: no page turned yet this frame.
    void ClearPaged() { m_bPaged = 0; }

    // Whether the shown entry's flags still say it is open.
    static bool IsOpen(const QuestRow& row, const VarSet& vars);

    bool HasChanged() const { return m_bListChanged != 0; }
    bool IsPaged() const { return m_bPaged != 0; }
    int32_t GetFirstShown() const { return m_iFirstShown; }
    int32_t GetOpenCount() const { return m_iOpenCount; }
    int32_t GetShownCount() const { return m_iShownCount; }
    const QuestRow& GetShown(int index) const { return m_aShown[index]; }
    const QuestRow& GetOpen(int index) const { return m_aOpen[index]; }

private:
    // The page that holds the first shown entry, and its entries.
    void ChooseShown();

    int32_t m_iFirstShown = 0;
    QuestRow m_aOpen[NB_QUEST_ROWS] = {};
    QuestRow m_aPrevious[NB_QUEST_ROWS] = {};
    QuestRow m_aShown[PAGE_SIZE] = {EMPTY_ROW, EMPTY_ROW};
    int32_t m_iOpenCount = 0;
    int32_t m_iPreviousCount = 0;
    uint8_t m_bListChanged = 0;
    uint8_t m_bPaged = 0;
    int32_t m_iShownCount = 0;
};
