#include "Scripts/Common/ActorScript.h"

#include "Common/IdSearch.h"
#include "Common/VarIds.h"
#include "Error/EngineAssert.h"
#include "Managers/Common/VarManager.h"

#include <iterator>
#include <utility>

namespace {

constexpr fx32 MOVE1_DEFAULT = 0x91000;
constexpr fx32 MOVE2_DEFAULT = 0xfcae1;
constexpr fx32 MOVE3_DEFAULT = 0x1e000;
constexpr fx32 MOVE4_DEFAULT = 0x32000;
constexpr fx32 MOVE5_DEFAULT = 0xc8000;
constexpr fx32 MOVE6_DEFAULT = 0;

// An actor whose name is shown only once the boolean variable is set.
#define NAME_CONDITION(variable) MatchExpr::Bool(variable, 1)
#define NO_NAME_CONDITION \
    MatchExpr             \
    {                     \
    }

ActorScript::ActorRow s_aActorRows[] = {
#include "Scripts/Common/ActorScriptTable.inc"
};

#undef NO_NAME_CONDITION
#undef NAME_CONDITION

// Movement overrides by animation: none in the sample content.
std::span<ActorScript::AnimationRow> s_oAnimationRows;

// The row that the bisection ends on, when its key is the key.
template <typename Row, typename KeyOf>
const Row* FindRow(std::span<const Row> rows, int32_t key, KeyOf keyOf)
{
    if (rows.empty())
        return nullptr;
    const int middle = IdSearch::BisectFinal(rows, key, keyOf);
    return keyOf(rows[middle]) == key ? &rows[middle] : nullptr;
}

template <typename Row, typename KeyOf>
void BubbleSort(std::span<Row> rows, KeyOf keyOf)
{
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (size_t index = 1; index < rows.size(); ++index) {
            if (keyOf(rows[index]) < keyOf(rows[index - 1])) {
                std::swap(rows[index], rows[index - 1]);
                exchanged = true;
            }
        }
    }
}

int32_t ActorKey(const ActorScript::ActorRow& row)
{
    return static_cast<int32_t>(row.m_uActorId);
}

int32_t AnimationKey(const ActorScript::AnimationRow& row)
{
    return row.m_iAnimationId;
}

} // namespace

std::span<const ActorScript::ActorRow> ActorScript::GetActorRows()
{
    return s_aActorRows;
}

std::span<const ActorScript::AnimationRow> ActorScript::GetAnimationRows()
{
    return s_oAnimationRows;
}

const ActorScript::ActorRow* ActorScript::FindInfo(uint32_t uActorId)
{
    return FindRow(std::span<const ActorRow>(s_aActorRows), static_cast<int32_t>(uActorId), ActorKey);
}

const ActorScript::AnimationRow* ActorScript::FindInfoB(int32_t iAnimationId)
{
    return FindRow(std::span<const AnimationRow>(s_oAnimationRows), iAnimationId, AnimationKey);
}

void ActorScript::SortInfos()
{
    BubbleSort(std::span<ActorRow>(s_aActorRows), ActorKey);
    BubbleSort(s_oAnimationRows, AnimationKey);
}

void GetActorScriptInfos(uint32_t uActorId, int32_t iAnimationId, ActorScriptInfo* pActorInfos)
{
    ENGINE_ASSERT(pActorInfos!=NULL);
    if (pActorInfos == nullptr)
        return;
    *pActorInfos = ActorScriptInfo {
        0xFFFFFFFFu, {MOVE1_DEFAULT, MOVE2_DEFAULT, MOVE3_DEFAULT, MOVE4_DEFAULT, MOVE5_DEFAULT, MOVE6_DEFAULT}, 0};

    if (const ActorScript::ActorRow* pRow = ActorScript::FindInfo(uActorId)) {
        pActorInfos->m_uNameTextId = pRow->m_uNameTextId;
        pActorInfos->m_aMove[0] = pRow->m_iMove1;
        pActorInfos->m_aMove[1] = pRow->m_iMove2;
        pActorInfos->m_aMove[2] = pRow->m_iMove3;
        pActorInfos->m_bTalk = static_cast<uint8_t>(pRow->m_uTalk);
        const MatchExpr& oMatchExpr = pRow->m_oNameCondition;
        if (oMatchExpr.IsValid()) {
            ENGINE_ASSERT(oMatchExpr.m_iType==NodeType_Condition);
            if (oMatchExpr.m_iType == NodeType_Condition && !oMatchExpr.EvalCondition(g_VarManager))
                pActorInfos->m_uNameTextId = ACTOR_NAME_TEXT_UNKNOWN;
        }
    }

    if (iAnimationId != 0) {
        if (const ActorScript::AnimationRow* pRow = ActorScript::FindInfoB(iAnimationId)) {
            pActorInfos->m_aMove[0] = pRow->m_iMove1;
            pActorInfos->m_aMove[3] = pRow->m_iMove4;
            pActorInfos->m_aMove[4] = pRow->m_iMove5;
            pActorInfos->m_aMove[5] = pRow->m_iMove6;
            pActorInfos->m_aMove[2] = pRow->m_iMove3;
        }
    }
}
