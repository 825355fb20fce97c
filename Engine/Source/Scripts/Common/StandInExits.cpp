#include "Scripts/Common/StandInExits.h"

#include "Common/SceneIds.h"

#include <cstring>

namespace {

constexpr const char* SHIP_OBJECTS[] = {"goto_wm", "goto_main_dock", "the_winsome_maid", "winsome_maid"};

// The first scene whose name starts with the prefix and a "_", or 0.
int32_t SceneNamed(const char* pPrefix)
{
    const size_t length = std::strlen(pPrefix);
    for (const SceneDesc* const* ppRow = Id::GetSceneRegistry(); *ppRow != nullptr; ++ppRow) {
        const char* pName = (*ppRow)->m_pName;
        if (std::strncmp(pName, pPrefix, length) == 0 && pName[length] == '_')
            return (*ppRow)->m_iId;
    }
    return 0;
}

} // namespace

StandInExit StandInExitOf(const char* pObjectName)
{
    if (pObjectName == nullptr)
        return {};
    for (const char* pShip : SHIP_OBJECTS)
        if (std::strcmp(pObjectName, pShip) == 0)
            return {StandInExitKind::WorldMap, WORLD_MAP_SCENE};
    if (std::strcmp(pObjectName, "exit") == 0)
        return {StandInExitKind::PreviousScene, 0};
    constexpr const char* GOTO = "goto_";
    if (std::strncmp(pObjectName, GOTO, std::strlen(GOTO)) != 0)
        return {};
    const int32_t iSceneId = SceneNamed(pObjectName + std::strlen(GOTO));
    if (iSceneId != 0)
        return {StandInExitKind::Scene, iSceneId};
    return {StandInExitKind::MapTab, 0};
}
