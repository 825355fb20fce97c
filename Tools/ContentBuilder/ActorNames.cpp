#include "ActorNames.h"

#include "Common/ActorIds.h"
#include "Hash/CoreCrc32.h"

#include <algorithm>

uint32_t ActorIdOfName(const std::string& name)
{
    return CoreCrc32::HashString(name.c_str()) | 0x80000000u;
}

bool IsActorName(const std::string& name)
{
    const uint32_t id = ActorIdOfName(name);
    const auto actors = Id::GetActorTable();
    return std::any_of(actors.begin(), actors.end(), [&](const ActorIdRow& row) { return row.m_uId == id; });
}
