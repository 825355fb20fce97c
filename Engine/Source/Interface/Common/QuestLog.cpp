#include "Interface/Common/QuestLog.h"

#include "Managers/Common/VarManager.h"

#include <algorithm>

void QuestLog::Init()
{
    m_iFirstShown = 0;
    m_iOpenCount = 0;
    m_bListChanged = 0;
    m_bPaged = 0;
    m_iShownCount = 0;
    ResetLists();
}

void QuestLog::ResetLists()
{
    m_aShown[0] = EMPTY_ROW;
    m_aShown[1] = EMPTY_ROW;
    m_iShownCount = 0;
    std::fill(std::begin(m_aOpen), std::end(m_aOpen), EMPTY_ROW);
    std::fill(std::begin(m_aPrevious), std::end(m_aPrevious), EMPTY_ROW);
    m_iOpenCount = 0;
    m_iPreviousCount = 0;
}

bool QuestLog::IsOpen(const QuestRow& row, const VarSet& vars)
{
    return vars.GetBool(row.m_iOpenFlag) && !vars.GetBool(row.m_iCloseFlag);
}

void QuestLog::BuildList(uint32_t uOwner, const VarSet& vars)
{
    m_iOpenCount = 0;
    for (const QuestRow& row : GetQuestTable()) {
        if (row.m_uOwner == uOwner && IsOpen(row, vars))
            m_aOpen[m_iOpenCount++] = row;
    }
}

bool QuestLog::ListChanged() const
{
    if (m_iOpenCount != m_iPreviousCount)
        return true;
    for (int index = 0; index < m_iOpenCount; ++index) {
        if (m_aOpen[index].m_iOpenFlag != m_aPrevious[index].m_iOpenFlag)
            return true;
    }
    return false;
}

void QuestLog::SnapshotList()
{
    m_iPreviousCount = m_iOpenCount;
    for (int index = 0; index < m_iOpenCount; ++index) {
        if (m_aOpen[index].m_iOpenFlag != m_aPrevious[index].m_iOpenFlag)
            m_aPrevious[index] = m_aOpen[index];
    }
}

bool QuestLog::Refresh(uint32_t uOwner, const VarSet& vars)
{
    BuildList(uOwner, vars);
    m_bListChanged = ListChanged() ? 1 : 0;
    if (m_bListChanged)
        SnapshotList();
    if (!m_bListChanged && !m_bPaged)
        return false;
    ChooseShown();
    return true;
}

void QuestLog::ChooseShown()
{
    // The view stays on the last page when it was there.
    if (m_iOpenCount >= 2 && m_iFirstShown >= m_iOpenCount - 2) {
        if (m_iFirstShown != m_iOpenCount - 2)
            m_iFirstShown = m_iOpenCount - 1;
        m_iFirstShown &= ~1;
    }
    // Entries closed under the shown page: back to the page that is now the
    // last, rather than an empty one with entries above it.
    if (m_iFirstShown >= m_iOpenCount)
        m_iFirstShown = std::max(m_iOpenCount - 1, 0) & ~1;
    for (int index = 0; index < PAGE_SIZE; ++index) {
        const int entry = m_iFirstShown + index;
        m_aShown[index] = entry < m_iOpenCount ? m_aOpen[entry] : EMPTY_ROW;
    }
    m_iShownCount = std::clamp(m_iOpenCount - m_iFirstShown, 0, PAGE_SIZE);
}

bool QuestLog::PageUp()
{
    if (!CanPageUp())
        return false;
    m_iFirstShown -= PAGE_SIZE;
    m_bPaged = 1;
    return true;
}

bool QuestLog::PageDown()
{
    if (!CanPageDown())
        return false;
    m_iFirstShown += PAGE_SIZE;
    m_bPaged = 1;
    return true;
}
