// The script of a scene that has no script of its own yet, beside the
// generated stand-in content of its row: the actor set that holds the playing
// character is loaded, its characters stand at the stand-in's places (the
// first waypoints: the playing character first, the others in the set's
// order), and each exit leads where its name says (StandInExits.h).
#include "Common/IdHash.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/ScriptSceneLink.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/StandInExits.h"

#include <cstring>

namespace {

constexpr uint32_t BOAT = ActorIdOf("boat_windsome_maid");

MatchExpr PlaysAs(uint32_t uActorId)
{
    return MatchExpr::Int(VARINT_C_PLAYING_CHARACTER, Op_IntEqual, static_cast<int32_t>(uActorId));
}

class StandInSceneScript final : public SceneScript {
public:
    explicit StandInSceneScript(const SceneDesc& oRow) : m_oRow(oRow) { }

    void LinkActorSets() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;

private:
    // Back to whichever scene the player came from.
    void BackToPreviousScene();

    const SceneDesc& m_oRow;
};

void StandInSceneScript::LinkActorSets()
{
    // The first of the row's sets that holds the playing character, "default"
    // before the others; "default" when none does.
    for (const bool bDefault : {true, false}) {
        for (int32_t s = 0; s < m_oRow.m_iNbActorSets; ++s) {
            const ActorSetRecord& set = m_oRow.m_pActorSets[s];
            if ((std::strcmp(set.m_pName, DEFAULT_ACTOR_SET) == 0) != bDefault || set.m_aActorIds[0] == 0)
                continue;
            MatchExpr oHolds = PlaysAs(set.m_aActorIds[0]);
            for (int32_t c = 1; c < MAX_ACTORS_PER_SET && set.m_aActorIds[c] != 0; ++c)
                oHolds = MatchExpression(Op_Or, oHolds, PlaysAs(set.m_aActorIds[c]));
            LinkActorSet(set.m_pName, oHolds);
        }
    }
}

void StandInSceneScript::BuildEnterActions()
{
    const char* pSetName = SelectActorSet();
    const ActorSetRecord* pSet = m_oRow.m_iNbActorSets > 0 ? &m_oRow.m_pActorSets[0] : nullptr;
    for (int32_t s = 0; s < m_oRow.m_iNbActorSets; ++s)
        if (std::strcmp(m_oRow.m_pActorSets[s].m_pName, pSetName) == 0)
            pSet = &m_oRow.m_pActorSets[s];
    if (pSet == nullptr || !m_oRow.m_bIs3D)
        return;
    // The playing character at the first place, the others after it. A
    // character whose content is not made yet is not in the scene: nobody
    // stands for it.
    const uint32_t uPlaying = GetScriptSceneLink().GetPlayingCharacter();
    int32_t iPlace = 0;
    for (const bool bPlaying : {true, false})
        for (int32_t c = 0; c < MAX_ACTORS_PER_SET && pSet->m_aActorIds[c] != 0; ++c) {
            const int32_t iActor = ActorScriptableId(pSet->m_aActorIds[c]);
            if ((pSet->m_aActorIds[c] == uPlaying) == bPlaying && GetOwner()->FindScriptable(iActor))
                Place(iActor, iPlace++);
        }
}

void StandInSceneScript::BackToPreviousScene()
{
    for (const SceneDesc* const* ppRow = Id::GetSceneRegistry(); *ppRow != nullptr; ++ppRow) {
        if ((*ppRow)->m_iId == m_oRow.m_iId)
            continue;
        _IfMatch(CameFrom((*ppRow)->m_iId));
        GoToScene((*ppRow)->m_iId);
        _EndMatch();
    }
}

void StandInSceneScript::BuildExitEvents()
{
    for (int32_t iObject = 0; iObject < m_oRow.m_iNbObjects; ++iObject) {
        const StandInExit exit = StandInExitOf(m_oRow.m_ppObjectNames[iObject]);
        if (exit.m_eKind == StandInExitKind::None)
            continue;
        _IfMatch(MatchExpr::MakeEvent0(iObject));
        switch (exit.m_eKind) {
        case StandInExitKind::Scene: GoToScene(exit.m_iSceneId); break;
        case StandInExitKind::WorldMap:
            // The boat sails the world map.
            SetPlayingCharacter(BOAT);
            GoToScene(exit.m_iSceneId);
            break;
        case StandInExitKind::PreviousScene: BackToPreviousScene(); break;
        case StandInExitKind::MapTab:
            AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SHOW_MENU, Param::Int(TAB_MAP));
            break;
        case StandInExitKind::None: break;
        }
        _EndMatch();
    }
}

} // namespace

SceneScript* CreateStandInSceneScript(const SceneDesc& oRow)
{
    return new StandInSceneScript(oRow);
}
