#include "Common/ActorIds.h"

#include "Common/IdSearch.h"
#include "Error/EngineAssert.h"
#include "Hash/CoreCrc32.h"

#include <cstdio>
#include <iterator>

namespace {

const ActorIdRow s_aActors[] = {
#include "Common/ActorTable.inc"
};

} // namespace

std::span<const ActorIdRow> Id::GetActorTable()
{
    return s_aActors;
}

int Id::GetActorIndex(uint32_t iId)
{
    if (iId == ACTOR_INVALID)
        return 0;
    const std::span<const ActorIdRow> rows = s_aActors;
    const int middle = IdSearch::BisectFinal(rows, iId, [](const ActorIdRow& row) { return row.m_uId; });
    const uint32_t iFinalKey = rows[middle].m_uId;
    ENGINE_ASSERT(iFinalKey == iId);
    return iFinalKey == iId ? middle : -1;
}

const char* Id::GetActorName(uint32_t iActorId)
{
    const int index = GetActorIndex(iActorId);
    return index < 0 ? nullptr : s_aActors[index].m_pName;
}

ActorId Id::GetActorId(const char* pName)
{
    const uint32_t iActorId = CoreCrc32::HashString(pName) | 0x80000000u;
    ENGINE_ASSERT(GetActorIndex(iActorId) != -1);
    return iActorId;
}

const char* Id::GetActorPath(uint32_t iActorId, const char* pSceneName, const char* pActorSetName)
{
    static char s_aPath[256];
    const char* pName = GetActorName(iActorId);
    if (pName == nullptr)
        return nullptr;
    if (pSceneName != nullptr && pActorSetName != nullptr)
        std::snprintf(s_aPath, sizeof s_aPath, "scenes/%s/%s/%s.dr", pSceneName, pActorSetName, pName);
    else
        std::snprintf(s_aPath, sizeof s_aPath, "scenes/%s.dr", pName);
    return s_aPath;
}
