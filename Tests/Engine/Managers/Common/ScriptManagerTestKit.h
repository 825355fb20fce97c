#pragma once
#include "Adventure/Common/Scriptable.h"
#include "Common/GameInterfaceImpl.h"
#include "Common/SceneIds.h"
#include "Managers/Common/ScriptGameLink.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/ScriptSaveLink.h"
#include "Managers/Common/ScriptSceneLink.h"
#include "Managers/Common/ScriptStateLink.h"
#include "Managers/Common/VarManager.h"
#include "Scene/Common/SceneEventSink.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Fakes of what the script manager reaches, each noting the calls it gets as
// short texts and installed for its life.

class FakeSceneLink : public ScriptSceneLink {
public:
    FakeSceneLink() { SetScriptSceneLink(this); }
    ~FakeSceneLink() override { SetScriptSceneLink(nullptr); }

    bool HasScene() override { return m_bHasScene; }
    int32_t GetSceneId() override { return m_iSceneId; }
    void SetNextScene(int32_t iSceneId) override
    {
        Note("scene " + std::to_string(iSceneId));
        m_iSceneId = iSceneId;
        m_bHasScene = iSceneId != 0;
    }
    uint32_t GetPlayingCharacter() override { return m_uPlayingCharacter; }
    void SetPlayingCharacter(uint32_t uActorId) override
    {
        Note("playing " + Hex(uActorId));
        m_uPlayingCharacter = uActorId;
    }
    void PostEvent(int32_t iCode, int32_t iParameter) override
    {
        Note("post " + std::to_string(iCode) + " " + std::to_string(iParameter));
        if (m_onPost)
            m_onPost(iCode, iParameter);
    }
    bool IsInMenuState() override { return m_bMenuOpen; }
    void SetActiveCharacter(uint32_t uActorId) override { Note("active " + Hex(uActorId)); }
    void SelectCharacter(uint32_t uActorId) override { Note("select " + Hex(uActorId)); }
    void DirectionToVector(int32_t iDirection) override { Note("direction " + std::to_string(iDirection)); }
    void LoadActorSet(const char* pName) override { Note(std::string("actor set ") + pName); }
    void Prepare() override { Note("prepare"); }
    void SetWalkMeshBlocker(int32_t iBlockerId, bool bActive) override
    {
        Note("blocker " + std::to_string(iBlockerId) + (bActive ? " on" : " off"));
    }
    std::unique_ptr<Scriptable> CreateActor(uint32_t uActorId) override
    {
        Note("actor " + Hex(uActorId));
        return m_makeActor ? m_makeActor(uActorId) : std::make_unique<Scriptable>();
    }

    static std::string Hex(uint32_t uValue)
    {
        char text[16];
        std::snprintf(text, sizeof text, "%08x", uValue);
        return text;
    }
    void Note(std::string call) { m_calls.push_back(std::move(call)); }
    // The calls so far, then forgets them.
    std::vector<std::string> Take() { return std::exchange(m_calls, {}); }

    bool m_bHasScene = false;
    int32_t m_iSceneId = 0;
    uint32_t m_uPlayingCharacter = 0xa29b02da;
    bool m_bMenuOpen = false;
    // Where posted events go on, when a test has a scene to take them.
    std::function<void(int32_t, int32_t)> m_onPost;
    // Makes the logic actors, when a test wants its own.
    std::function<std::unique_ptr<Scriptable>(uint32_t)> m_makeActor;
    std::vector<std::string> m_calls;
};

// The four screen fades run for a number of updates that the test drives.
class FakeStateLink : public ScriptStateLink {
public:
    struct Fade {
        bool bExists = true;
        bool bRunning = false;
        bool bFinished = false;
        fx32 fxDuration = 0;
    };

    FakeStateLink() { SetScriptStateLink(this); }
    ~FakeStateLink() override { SetScriptStateLink(nullptr); }

    bool IsStateQueueEmpty() override { return m_queue.empty(); }
    void PushState(int32_t iStateId, int32_t iParameter) override { m_queue.emplace_back(iStateId, iParameter); }
    bool HasFade(GlobalFade eFade) override { return At(eFade).bExists; }
    bool IsFadeRunning(GlobalFade eFade) override { return At(eFade).bExists && At(eFade).bRunning; }
    bool IsFadeFinished(GlobalFade eFade) override { return At(eFade).bExists && At(eFade).bFinished; }
    void StartFade(GlobalFade eFade) override { StartTimedFade(eFade, 0); }
    void StartTimedFade(GlobalFade eFade, fx32 fxDuration) override
    {
        ++m_iNbStarts[static_cast<int>(eFade)];
        At(eFade) = Fade {At(eFade).bExists, true, false, fxDuration};
    }
    void StartScriptableEffect(int32_t iTargetId, int32_t iKind, int32_t iMilliseconds) override
    {
        m_effects.push_back("effect " + std::to_string(iTargetId) + " " + std::to_string(iKind) + " " +
                            std::to_string(iMilliseconds));
    }
    void StopFirstScriptableEffect() override { m_effects.push_back("stop first"); }
    void StopScriptableEffects() override { m_effects.push_back("stop all"); }

    // No fade runs and no state waits, as when the game enters a scene.
    void Settle()
    {
        m_queue.clear();
        for (Fade& fade : m_aFades)
            fade = Fade {fade.bExists};
    }
    // The fade reaches its end: finished, still running for one frame.
    void FinishFade(GlobalFade eFade) { At(eFade).bFinished = true; }
    // The frame after its end: it no longer runs.
    void StopFade(GlobalFade eFade) { At(eFade).bRunning = false; }
    Fade& At(GlobalFade eFade) { return m_aFades[static_cast<int>(eFade)]; }
    int StartsOf(GlobalFade eFade) const { return m_iNbStarts[static_cast<int>(eFade)]; }

    Fade m_aFades[4];
    int m_iNbStarts[4] = {};
    std::vector<std::pair<int32_t, int32_t>> m_queue;
    std::vector<std::string> m_effects;
};

class FakeSaveLink : public ScriptSaveLink {
public:
    FakeSaveLink() { SetScriptSaveLink(this); }
    ~FakeSaveLink() override { SetScriptSaveLink(nullptr); }

    void LoadFromBackup() override { m_calls.push_back("load"); }
    void SaveToBackup(int32_t iSlot) override { m_calls.push_back("save " + std::to_string(iSlot)); }
    void ClearSlot(int32_t iSlot) override
    {
        m_calls.push_back("clear " + std::to_string(iSlot));
        m_abEmpty[iSlot] = true;
    }
    void DeleteFromBackup(int32_t iSlot) override { m_calls.push_back("delete " + std::to_string(iSlot)); }
    bool CopySlot(int32_t iSlotFrom, int32_t iSlotTo) override
    {
        m_calls.push_back("copy " + std::to_string(iSlotFrom) + " " + std::to_string(iSlotTo));
        return m_bCopyWorks;
    }
    bool IsSlotEmpty(int32_t iSlot) override { return m_abEmpty[iSlot]; }
    void PrepareNewGame(int32_t iSlot, uint32_t uPlayingCharacter, int32_t iSceneId, int32_t iChapter) override
    {
        m_calls.push_back("new game " + std::to_string(iSlot) + " " + FakeSceneLink::Hex(uPlayingCharacter) + " " +
                          std::to_string(iSceneId) + " " + std::to_string(iChapter));
    }
    void SetSaveSlotIndex(int32_t iSlot) override { m_calls.push_back("current " + std::to_string(iSlot)); }

    bool m_abEmpty[3] = {true, true, true};
    bool m_bCopyWorks = true;
    std::vector<std::string> m_calls;
};

class FakeGameLink : public ScriptGameLink {
public:
    FakeGameLink() { SetScriptGameLink(this); }
    ~FakeGameLink() override { SetScriptGameLink(nullptr); }

    void SetGameLanguage(int32_t iLanguage) override { m_iGameLanguage = iLanguage; }
    void SetVoiceLanguage(int32_t iLanguage) override { m_iVoiceLanguage = iLanguage; }
    void Quit() override { m_bQuit = true; }
    bool IsDialogActive() override { return m_bDialogActive; }

    int32_t m_iGameLanguage = -1;
    int32_t m_iVoiceLanguage = -1;
    bool m_bQuit = false;
    bool m_bDialogActive = false;
};

// The items the game interface reaches, in a plain list.
class FakeInventory : public GameInterfaceImpl::Inventory {
public:
    bool Holds(uint32_t uItemId) override { return std::count(m_aItems.begin(), m_aItems.end(), uItemId) > 0; }
    void Add(uint32_t uItemId, int32_t, int32_t) override { m_aItems.push_back(uItemId); }
    int32_t Remove(uint32_t uItemId, int32_t, int32_t) override
    {
        const auto found = std::find(m_aItems.begin(), m_aItems.end(), uItemId);
        if (found == m_aItems.end())
            return -1;
        m_aItems.erase(found);
        return 0;
    }
    int32_t GetPanelState() override { return 0; }
    void SetPanelState(int32_t) override { }
    std::vector<uint32_t> m_aItems;
};

// A scene script whose parts the test writes as functions.
class TestSceneScript : public SceneScript {
public:
    using SceneScript::_ElseMatch;
    using SceneScript::_EndMatch;
    using SceneScript::_IfBool;
    using SceneScript::_IfEvent;
    using SceneScript::_IfInt;
    using SceneScript::_IfMatch;
    using SceneScript::AddToQueue;
    using SceneScript::PushAction5;

    void LinkActorSets() override
    {
        if (m_linkActorSets)
            m_linkActorSets(*this);
    }
    void LinkSoundGroups() override
    {
        if (m_linkSoundGroups)
            m_linkSoundGroups(*this);
    }
    void ReleaseSounds() override
    {
        ++s_iNbReleases;
        SceneScript::ReleaseSounds();
    }

    std::function<void(TestSceneScript&)> m_linkActorSets;
    std::function<void(TestSceneScript&)> m_linkSoundGroups;
    std::function<void(TestSceneScript&)> m_enterActions;
    std::function<void(TestSceneScript&)> m_events;
    std::function<void(TestSceneScript&)> m_exitEvents;
    // Releases of every test script (scene scripts are gone once released).
    static inline int s_iNbReleases = 0;

protected:
    void BuildEnterActions() override
    {
        if (m_enterActions)
            m_enterActions(*this);
    }
    void BuildEvents() override
    {
        if (m_events)
            m_events(*this);
    }
    void BuildExitEvents() override
    {
        if (m_exitEvents)
            m_exitEvents(*this);
    }
};

// Scene scripts by scene id for the manager's maker: a test fills in the
// functions of the script that a scene will get.
struct TestScripts {
    static std::function<void(TestSceneScript&)>& For(int iSceneId)
    {
        static std::function<void(TestSceneScript&)> s_aWriters[64];
        return s_aWriters[iSceneId & 63];
    }
    static SceneScript* Make(int iSceneId)
    {
        auto* pScript = new TestSceneScript();
        if (For(iSceneId))
            For(iSceneId)(*pScript);
        return pScript;
    }
    static void Clear()
    {
        for (int id = 0; id < 64; ++id)
            For(id) = nullptr;
    }
};

inline EventDesc MakeEvent(TwEventType eType, int32_t iScriptable = ID_SCRIPTABLE_INVALID, uint32_t uItem = 0)
{
    EventDesc oEvent;
    if (eType == TwEventType_UseItem && uItem != 0)
        return *BuildEvent(&oEvent, eType, 2, ID_PARAMETER_TYPE_SCRIPTABLE, iScriptable, ID_PARAMETER_TYPE_ITEM, uItem);
    if (iScriptable != ID_SCRIPTABLE_INVALID)
        return *BuildEvent(&oEvent, eType, 1, ID_PARAMETER_TYPE_SCRIPTABLE, iScriptable);
    return *BuildEvent(&oEvent, eType, 0);
}

// The entity id of an object of a scene: its index in the scene's row.
inline int32_t SceneObjectId(SceneId iSceneId, const char* pName)
{
    const SceneDesc* row = Id::GetSceneDesc(iSceneId);
    for (int32_t i = 0; row && i < row->m_iNbObjects; ++i)
        if (std::strcmp(row->m_ppObjectNames[i], pName) == 0)
            return i;
    return ID_SCRIPTABLE_INVALID;
}

// Hands the events the scene world fires to a script manager, installed for
// the life of the object.
class ManagerSink final : public SceneEventSink {
public:
    explicit ManagerSink(ScriptManager& manager) : m_manager(manager) { SetSceneEventSink(this); }
    ~ManagerSink() override { SetSceneEventSink(nullptr); }
    bool FireEvent(const EventDesc& oEvent) override { return m_manager.FireEvent(oEvent); }

private:
    ScriptManager& m_manager;
};

// A script manager with its node pool and fake links, and a clean set of game
// variables.
class ScriptManagerTest : public testing::Test {
protected:
    ScriptManagerTest()
    {
        m_log.emplace();
        g_VarManager = VarSet {};
        manager.GetNodePool().InitPool();
        manager.SetSceneScriptMaker(&TestScripts::Make);
    }
    ~ScriptManagerTest() override
    {
        manager.TermScene();
        manager.GetNodePool().TermPool();
        TestScripts::Clear();
        g_VarManager = VarSet {};
        // A failure's report was written into the capture: show it.
        const std::string text = m_log->Take();
        if (HasFailure())
            std::fputs(text.c_str(), stdout);
    }

    // What the log received since the last call.
    std::string TakeLog()
    {
        const std::string text = m_log->Take();
        m_log.emplace();
        return text;
    }

    // Requests the first scene and runs the update that starts it (without a
    // scene before it, no fade-out is waited for).
    void StartScene(int32_t iSceneId)
    {
        manager.ChangeScene(iSceneId);
        manager.Update(16);
    }

    // Everything the manager logs stays off the terminal.
    std::optional<TestSupport::LogCapture> m_log;
    FakeSceneLink scene;
    FakeStateLink states;
    FakeSaveLink saves;
    FakeGameLink game;
    ScriptManager manager;
};
