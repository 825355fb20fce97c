#include "Managers/Common/ScriptableRegistry.h"

#include "Error/EngineAssert.h"

int ScriptableRegistry::GetScriptableIndex(int32_t iId)
{
    const uint32_t uId = static_cast<uint32_t>(iId);
    const int iIndex = static_cast<int>((uId ^ (uId >> 8) ^ (uId >> 16) ^ (uId >> 24)) & 0xFF);
    ENGINE_ASSERT(iIndex>=0 && iIndex<NUM_SCRIPTABLE);
    return iIndex;
}

bool ScriptableRegistry::Insert(int32_t iId, Scriptable* pScriptable)
{
    const int iBucket = GetScriptableIndex(iId);
    Scriptable* pLast = nullptr;
    for (Scriptable* pNode = m_apBuckets[iBucket]; pNode != nullptr; pNode = pNode->GetNext()) {
        // A second link would close the chain into a ring.
        ENGINE_ASSERT_MSG(pNode != pScriptable, "scriptable %d is already registered\n", static_cast<int>(iId));
        if (pNode == pScriptable)
            return false;
        pLast = pNode;
    }
    pScriptable->SetId(iId);
    pScriptable->SetNext(nullptr);
    if (pLast == nullptr)
        m_apBuckets[iBucket] = pScriptable;
    else
        pLast->SetNext(pScriptable);
    return true;
}

bool ScriptableRegistry::Remove(int32_t iId)
{
    Scriptable* pPrevious = nullptr;
    for (Scriptable* pNode = m_apBuckets[GetScriptableIndex(iId)]; pNode != nullptr; pNode = pNode->GetNext()) {
        if (pNode->GetId() != iId) {
            pPrevious = pNode;
            continue;
        }
        if (pPrevious == nullptr)
            m_apBuckets[GetScriptableIndex(iId)] = pNode->GetNext();
        else
            pPrevious->SetNext(pNode->GetNext());
        pNode->SetNext(nullptr);
        return true;
    }
    return false;
}

Scriptable* ScriptableRegistry::Find(int32_t iId) const
{
    if (iId == ID_SCRIPTABLE_INVALID)
        return nullptr;
    for (Scriptable* pNode = m_apBuckets[GetScriptableIndex(iId)]; pNode != nullptr; pNode = pNode->GetNext()) {
        if (pNode->GetId() == iId)
            return pNode;
    }
    return nullptr;
}
