#include "States/Common/DkSubTitle.h"

#include "Bytes/LittleEndian.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"

#include <cstddef>

bool DkSubTitle::Initialize(const uint8_t* pImage, uint32_t uSize, const char* sName)
{
    Release();
    if (pImage == nullptr || uSize < HEADER_SIZE) {
        CorePrint(&g_oCoreLog, "DkSubTitle::Initialize -- %s is too short for its item count\n", sName);
        return false;
    }
    const int32_t iCount = static_cast<int32_t>(ReadWord(pImage, 0));
    if (iCount <= 0)
        return true;
    if (uint64_t(iCount) > (uSize - HEADER_SIZE) / ITEM_SIZE) {
        CorePrint(&g_oCoreLog, "DkSubTitle::Initialize -- %s is too short for its %d items\n", sName, iCount);
        return false;
    }
    m_pSubTitleItems = std::make_unique<DkSubTitleItem[]>(size_t(iCount));
    for (int32_t i = 0; i < iCount; ++i) {
        const uint8_t* pRecord = pImage + HEADER_SIZE + size_t(i) * ITEM_SIZE;
        // The file holds text id, start, end; memory keeps start, end, text id.
        m_pSubTitleItems[i].m_uTextId = ReadWord(pRecord, 0);
        m_pSubTitleItems[i].m_uStart = ReadWord(pRecord, 4);
        m_pSubTitleItems[i].m_uEnd = ReadWord(pRecord, 8);
    }
    m_iItemCount = iCount;
    return true;
}

void DkSubTitle::Update(uint32_t uTime)
{
    if (m_iItemCount != 0)
        ENGINE_ASSERT(m_pSubTitleItems != NULL);
    m_iCurrentItem = -1;
    if (m_pSubTitleItems == nullptr)
        return;
    for (int32_t i = 0; i < m_iItemCount; ++i) {
        if (m_pSubTitleItems[i].m_uStart <= uTime && uTime < m_pSubTitleItems[i].m_uEnd) {
            m_iCurrentItem = i;
            return;
        }
    }
}

void DkSubTitle::Release()
{
    m_pSubTitleItems.reset();
    m_iItemCount = 0;
    m_iCurrentItem = -1;
}

const DkSubTitleItem* DkSubTitle::GetCurrentItem() const
{
    return m_iCurrentItem >= 0 && m_iCurrentItem < m_iItemCount ? &m_pSubTitleItems[m_iCurrentItem] : nullptr;
}
