#pragma once
#include "Common/IdHash.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Common/GameInterface.h"
#include "Engine/Managers/Common/ScriptManagerTestKit.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/GlobalScript.h"
#include "Scripts/Common/InventoryScript.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// The events a player's acts end in, as the scene tests fire them.
inline int32_t Item(const char* pName)
{
    return static_cast<int32_t>(ItemIdOf(pName));
}
inline EventDesc Click(int32_t iObject)
{
    return MakeEvent(TwEventType_Activate, iObject);
}
inline EventDesc UseOn(int32_t iObject, const char* pItem)
{
    return ScriptEvent_ItemOnObject3(iObject, ItemIdOf(pItem));
}
inline EventDesc Callback(uint32_t uValue)
{
    return ScriptEvent_Hash9(static_cast<int32_t>(uValue));
}

// Dialog ids and other hashes as the actions carry them.
inline std::vector<int32_t> Ids(std::initializer_list<uint32_t> values)
{
    std::vector<int32_t> ids;
    for (uint32_t value : values)
        ids.push_back(static_cast<int32_t>(value));
    return ids;
}

// A scene's object or character that notes every action it is given. The
// scriptable's own actions (waits, interactive flag, blockers, effects) run as
// they do in the game; every other action is over at once.
class NotingScriptable : public Scriptable {
public:
    void StartAction() override
    {
        m_actions.push_back(m_oCurrentAction);
        if (m_pLog != nullptr)
            m_pLog->push_back(m_oCurrentAction);
        switch (m_oCurrentAction.m_iActionType) {
        case ID_ACTION_TYPE_SET_ACTIVE:
        case ID_ACTION_TYPE_WAIT_FOR:
        case ID_ACTION_TYPE_SET_BLOCKER:
        case ID_ACTION_TYPE_WAIT:
        case ID_ACTION_TYPE_START_EFFECT:
        case ID_ACTION_TYPE_STOP_EFFECT: Scriptable::StartAction(); break;
        case ID_ACTION_TYPE_SET_VISIBLE:
            SetVisible(static_cast<uint8_t>(m_oCurrentAction.m_oParameter[0]));
            FinishAction();
            break;
        default: FinishAction(); break;
        }
    }

    // The first parameters of the actions of that type, in order.
    std::vector<int32_t> ValuesOf(int32_t iActionType) const
    {
        std::vector<int32_t> values;
        for (const ActionDesc& oAction : m_actions)
            if (oAction.m_iActionType == iActionType)
                values.push_back(oAction.m_oParameter[0]);
        return values;
    }
    bool IsInteractiveNow() const { return m_bInteractive != 0; }

    std::vector<ActionDesc> m_actions;
    // Where the actions of every scriptable of a scene are noted in order.
    std::vector<ActionDesc>* m_pLog = nullptr;
};

// The script manager with the game's scene registry, inventory script and
// system script, fake links, and a noting scriptable for every object and
// every character of the scene that is entered.
class SceneScriptTest : public ScriptManagerTest {
protected:
    SceneScriptTest()
    {
        manager.SetSceneScriptMaker(&CreateScriptFromId);
        manager.SetCommonScripts(&inventory, &g_oGlobalScript);
    }
    ~SceneScriptTest() override
    {
        manager.TermScene();
        Unregister();
        manager.SetCommonScripts(nullptr, nullptr);
    }

    // Enters the scene as a go-to-scene from the previous one would, with the
    // variables as the test has set them, and runs its enter actions; the
    // number of frames they took.
    int EnterScene(int32_t iSceneId)
    {
        manager.TermScene();
        Unregister();
        const SceneDesc* pDesc = Id::GetSceneDesc(iSceneId);
        EXPECT_NE(pDesc, nullptr);
        if (pDesc == nullptr)
            return 0;
        for (int32_t iObject = 0; iObject < pDesc->m_iNbObjects; ++iObject)
            Register(iObject);
        for (int32_t iSet = 0; iSet < pDesc->m_iNbActorSets; ++iSet)
            for (const uint32_t* pActor = pDesc->m_pActorSets[iSet].m_aActorIds; *pActor != 0; ++pActor)
                Register(ActorScriptableId(*pActor));
        // No scene yet: the change needs no fade-out.
        scene.m_bHasScene = false;
        states.At(GlobalFade::OutToBlack) = FakeStateLink::Fade {};
        states.m_queue.clear();
        g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, iSceneId);
        manager.ChangeScene(iSceneId);
        manager.Update(16);
        return 1 + RunWalk();
    }

    // Fires the event and runs frames until its walk is over.
    void Fire(const EventDesc& oEvent)
    {
        ASSERT_TRUE(manager.FireEvent(oEvent));
        RunWalk();
    }
    void Activate(int32_t iObject) { Fire(MakeEvent(TwEventType_Activate, iObject)); }

    // Frames until no event is pending and the walk is over; the number of
    // frames it took.
    int RunWalk(int iMaxFrames = 2000)
    {
        int iFrames = 0;
        while (IsWalking() && iFrames < iMaxFrames) {
            manager.Update(16);
            ++iFrames;
        }
        EXPECT_FALSE(IsWalking()) << "the walk does not end";
        return iFrames;
    }
    bool IsWalking() const
    {
        const ScriptTreeContext& oContext = manager.GetContext();
        return !manager.GetPendingEvent().IsEmpty() || oContext.GetCursor() != NO_NODE || !oContext.AreActionsDone();
    }

    // The scene requested by the walk (0: none).
    int32_t NextScene() const { return manager.IsChangePending() ? manager.GetNextSceneId() : 0; }
    // The mini-game queued by the walk (0: none).
    int32_t QueuedMiniGame() const
    {
        for (const auto& [iState, iParameter] : states.m_queue)
            if (iState == ScriptStateLink::STATE_MINIGAME)
                return iParameter;
        return 0;
    }

    NotingScriptable& At(int32_t iId) { return *m_scriptables.at(iId); }

    // Enters the scene in the chapter, come from the scene iFrom (the state
    // variable), as EnterScene does; the enter actions are then in actionLog
    // and the scene link's calls in calls.
    void EnterInChapter(int32_t iSceneId, int32_t iChapter, int32_t iFrom)
    {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, iFrom);
        scene.Take();
        actionLog.clear();
        EnterScene(iSceneId);
        calls = scene.Take();
    }
    // A frame after the last walk, as a player's next click comes, fires the
    // event and runs its walk; actionLog and calls then hold that walk's alone.
    void Run(const EventDesc& oEvent)
    {
        manager.Update(16);
        actionLog.clear();
        scene.Take();
        Fire(oEvent);
        calls = scene.Take();
    }
    // The event is taken by a handler whose walk starts no action.
    void ExpectMatchedAndIdle(const EventDesc& oEvent)
    {
        manager.Update(16);
        actionLog.clear();
        ASSERT_TRUE(manager.FireEvent(oEvent));
        EXPECT_NE(manager.GetPendingEvent().m_eType, TwEventType_BadInteract);
        RunWalk();
        EXPECT_TRUE(actionLog.empty());
    }
    bool Called(const std::string& call) const { return std::ranges::count(calls, call) != 0; }

    void Set(int32_t iVarId, bool bValue = true) { g_VarManager.SetBool(iVarId, bValue ? 1 : 0); }
    bool Get(int32_t iVarId) { return g_VarManager.GetBool(iVarId) != 0; }

    // A parameter (the first unless said) of each action of the type that
    // the target (ANY_TARGET: any scriptable) started, in order.
    static constexpr int32_t ANY_TARGET = -2;
    std::vector<int32_t> Values(int32_t iActionType, int32_t iTarget = ANY_TARGET, int iParameter = 0) const
    {
        std::vector<int32_t> values;
        for (const ActionDesc& oAction : actionLog)
            if (oAction.m_iActionType == iActionType && (iTarget == ANY_TARGET || oAction.m_iTargetId == iTarget))
                values.push_back(oAction.m_oParameter[iParameter]);
        return values;
    }
    std::vector<int32_t> Dialogs() const
    {
        return Values(ID_ACTION_TYPE_START_DIALOG, ActorScriptableId(LOGIC_DIALOG_ACTOR_ID));
    }
    std::vector<int32_t> Walks(int32_t iActor) const { return Values(ID_ACTION_TYPE_WALK_TO_WAYPOINT, iActor); }
    std::vector<int32_t> Places(int32_t iActor) const { return Values(ID_ACTION_TYPE_PLACE_AT_WAYPOINT, iActor); }
    // The waypoint that the actor was put at last (-1: none).
    int32_t PlacedAt(int32_t iActor) const
    {
        const std::vector<int32_t> places = Places(iActor);
        return places.empty() ? -1 : places.back();
    }
    // The items given to (taken from) the character, the player's unless said.
    std::vector<int32_t> Given(int32_t iActor) const { return Values(ID_ACTION_TYPE_ADD_ITEM, iActor); }
    std::vector<int32_t> Given() const { return Given(heroine); }
    std::vector<int32_t> Taken(int32_t iActor) const { return Values(ID_ACTION_TYPE_REMOVE_ITEM, iActor); }
    std::vector<int32_t> Taken() const { return Taken(heroine); }
    bool Visible(int32_t iId) { return At(iId).IsVisible(); }
    bool Open(int32_t iId) { return At(iId).IsInteractiveNow(); }
    // The movie queued by the walk (0: none).
    int32_t QueuedMovie() const
    {
        for (const auto& [iState, iParameter] : states.m_queue)
            if (iState == ScriptStateLink::STATE_MOVIE)
                return iParameter;
        return 0;
    }

    // The actions that a walk of the scene's tree fires for the event up to
    // its first halt; the global ones are only noted.
    std::vector<ActionDesc> FiredBy(const EventDesc& oEvent)
    {
        struct NotingDispatch : ScriptTreeDispatch {
            void StartAction(const ActionDesc&) override { }
            bool IsDialogActive() override { return false; }
        } dispatch;
        ScriptTreeContext oContext;
        oContext.SetTree(manager.GetScriptTree());
        oContext.SetGameInterface(GameInterface::GetGameInterface());
        oContext.SetDispatch(&dispatch);
        oContext.Start(oEvent);
        oContext.Step();
        const std::span<const ActionDesc> fired = oContext.GetFiredActions();
        return std::vector<ActionDesc>(fired.begin(), fired.end());
    }

    InventoryScript inventory;
    // The actions that the scene's objects and characters started, in order.
    std::vector<ActionDesc> actionLog;
    // The scene link's calls during the last Enter or Run.
    std::vector<std::string> calls;
    // The character that the player leads: the grown heroine, unless a
    // scene's test says the kid.
    int32_t heroine = ActorScriptableId(ActorIdOf("tavrine"));
    // Characters of the scene's sets whose content is not made: the scene
    // registers no scriptable for them.
    std::set<int32_t> unmade;

private:
    void Register(int32_t iId)
    {
        // A character may stand in several actor sets.
        if (m_scriptables.count(iId) != 0 || unmade.contains(iId))
            return;
        auto& pScriptable = m_scriptables[iId];
        pScriptable = std::make_unique<NotingScriptable>();
        pScriptable->SetId(iId);
        pScriptable->m_pLog = &actionLog;
        manager.InsertScriptable(iId, pScriptable.get());
    }
    void Unregister()
    {
        for (const auto& [iId, pScriptable] : m_scriptables)
            manager.RemoveScriptable(iId);
        m_scriptables.clear();
    }

    std::map<int32_t, std::unique_ptr<NotingScriptable>> m_scriptables;
};

// The scene's dialog actor: plays what a test says a dialog does to the
// variables, as the story's dialogs would, when the dialog starts.
class DialogEffectsActor : public NotingScriptable {
public:
    void StartAction() override
    {
        if (m_oCurrentAction.m_iActionType == ID_ACTION_TYPE_START_DIALOG) {
            const auto found = m_pEffects->find(static_cast<uint32_t>(m_oCurrentAction.m_oParameter[0]));
            if (found != m_pEffects->end())
                found->second();
        }
        NotingScriptable::StartAction();
    }
    const std::map<uint32_t, std::function<void()>>* m_pEffects = nullptr;
};

// A scene test whose dialogs have the effects the test gives them in
// dialogEffects, by dialog id.
class SceneScriptWithDialogsTest : public SceneScriptTest {
protected:
    SceneScriptWithDialogsTest()
    {
        scene.m_makeActor = [this](uint32_t uActorId) -> std::unique_ptr<Scriptable> {
            if (uActorId != LOGIC_DIALOG_ACTOR_ID)
                return std::make_unique<Scriptable>();
            auto pDialogs = std::make_unique<DialogEffectsActor>();
            pDialogs->m_pLog = &actionLog;
            pDialogs->m_pEffects = &dialogEffects;
            return pDialogs;
        };
    }

    // The ship's question at a landing, taken whatever the answer: a visit
    // (entering and the player's click) runs once per answer that the
    // dialog gives (stay; set sail, to the world map; go aboard, to the
    // corridor; both at once: one change, to the world map). What every
    // landing shares is checked: the one dialog, the scene it leads to, the
    // boat sailing only out to the map, and neither answer kept for the
    // next talk; the landing's own checks take the scene it leads to.
    void ExpectTheShipGoesWhereTheAnswerSaid(uint32_t uDialog, int32_t iSail, int32_t iAboard,
                                             const std::function<void()>& visit,
                                             const std::function<void(int32_t iNextScene)>& landingsOwn)
    {
        constexpr int32_t CORRIDOR = 6;
        constexpr int32_t WORLD_MAP = 57;
        const struct {
            const char* pName;
            bool bSail;
            bool bAboard;
            int32_t iNextScene;
        } answers[] = {
            {"stay", false, false, 0},
            {"set sail", true, false, WORLD_MAP},
            {"aboard", false, true, CORRIDOR},
            {"both", true, true, WORLD_MAP},
        };
        for (const auto& answer : answers) {
            SCOPED_TRACE(answer.pName);
            dialogEffects[uDialog] = [&] {
                Set(iSail, answer.bSail);
                Set(iAboard, answer.bAboard);
            };
            visit();
            EXPECT_EQ(Dialogs(), Ids({uDialog}));
            EXPECT_EQ(NextScene(), answer.iNextScene);
            EXPECT_EQ(Called("playing " + FakeSceneLink::Hex(ActorIdOf("boat_windsome_maid"))),
                      answer.iNextScene == WORLD_MAP);
            landingsOwn(answer.iNextScene);
            EXPECT_FALSE(Get(iSail) || Get(iAboard));
        }
    }

    std::map<uint32_t, std::function<void()>> dialogEffects;
};

// A scene test in which every logic actor of the scene (the dialog actor
// among them) notes what it is given with the scene's actions.
class SceneScriptWithLogicActorsTest : public SceneScriptTest {
protected:
    SceneScriptWithLogicActorsTest()
    {
        scene.m_makeActor = [this](uint32_t) -> std::unique_ptr<Scriptable> {
            auto pActor = std::make_unique<NotingScriptable>();
            pActor->m_pLog = &actionLog;
            return pActor;
        };
    }
};
