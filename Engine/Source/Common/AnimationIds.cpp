#include "Common/AnimationIds.h"

#include "Common/ActorIds.h"
#include "Error/EngineAssert.h"

#include <array>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

const AnimationRow s_aAnimations[] = {
#include "Common/AnimationTable.inc"
};

struct AnimationIndex {
    std::array<const char*, MAX_ANIMATION> m_apNames {};
    // Each actor's first row and row count in the animation table, by actor index.
    std::vector<int> m_aFirst;
    std::vector<int> m_aCount;
};

const AnimationIndex& GetIndex()
{
    static const AnimationIndex s_oIndex = [] {
        AnimationIndex index;
        index.m_apNames.fill("");
        const std::span<const ActorIdRow> actors = Id::GetActorTable();
        index.m_aFirst.assign(actors.size(), 0);
        index.m_aCount.assign(actors.size(), 0);
        for (int row = 0; row < static_cast<int>(std::size(s_aAnimations)); ++row) {
            const AnimationRow& animation = s_aAnimations[row];
            if (animation.m_iId > 0 && animation.m_iId < MAX_ANIMATION)
                index.m_apNames[animation.m_iId] = animation.m_pName;
            for (size_t actor = 0; actor < actors.size(); ++actor) {
                if (std::strcmp(actors[actor].m_pName, animation.m_pActorName) != 0)
                    continue;
                if (index.m_aCount[actor] == 0)
                    index.m_aFirst[actor] = row;
                ++index.m_aCount[actor];
            }
        }
        return index;
    }();
    return s_oIndex;
}

} // namespace

std::span<const AnimationRow> Id::GetAnimationTable()
{
    return s_aAnimations;
}

std::span<const AnimationRow> Id::GetActorAnimations(uint32_t iActorId)
{
    const int actor = GetActorIndex(iActorId);
    const AnimationIndex& index = GetIndex();
    if (actor < 0 || actor >= static_cast<int>(index.m_aFirst.size()))
        return {};
    return std::span<const AnimationRow>(s_aAnimations).subspan(index.m_aFirst[actor], index.m_aCount[actor]);
}

const char* Id::GetAnimationName(int iId)
{
    ENGINE_ASSERT(iId>=0 && iId<MAX_ANIMATION);
    if (iId < 0 || iId >= MAX_ANIMATION)
        return "";
    return GetIndex().m_apNames[iId];
}

AnimationId Id::GetAnimationId(uint32_t iActorId, const char* pName)
{
    ENGINE_ASSERT(iActorId!=ACTOR_INVALID);
    const std::span<const AnimationRow> animations = GetActorAnimations(iActorId);
    if (animations.empty()) {
        CorePrint(&g_oCoreLog, "Animation %s not found\n", pName);
        return ANIMATION_INVALID;
    }
    int low = 0;
    int high = static_cast<int>(animations.size());
    int middle = high / 2;
    while (middle != low) {
        if (std::strcmp(pName, animations[middle].m_pName) < 0)
            high = middle;
        else
            low = middle;
        middle = (low + high) / 2;
    }
    if (std::strcmp(pName, animations[middle].m_pName) != 0) {
        // The report reads as the search over the actor's list of ids.
        CoreEngineAssertFailed(__FILE__, __LINE__, CORE_PRETTY_FUNCTION,
                               "strcmp(name, GetAnimationName(pAnimationList[middle]))==0");
        CorePrint(&g_oCoreLog, "Animation %s not found\n", pName);
        // The neighbour the search ends on is another animation: playing it
        // would show the wrong motion.
        return ANIMATION_INVALID;
    }
    return animations[middle].m_iId;
}

const char* Id::GetActorAnimFileName(uint32_t iActorId, int iAnimationId)
{
    static char s_aName[128];
    if (GetActorName(iActorId) == nullptr || iAnimationId <= 0 || iAnimationId >= MAX_ANIMATION)
        return nullptr;
    const char* pName = GetIndex().m_apNames[iAnimationId];
    if (pName[0] == '\0')
        return nullptr;
    std::strncpy(s_aName, pName, sizeof s_aName - 1);
    return s_aName;
}
