#pragma once
#include "Common/GameInterfaceImpl.h"
#include "Engine/Adventure/Common/FakeScriptableServices.h"
#include "Managers/Common/VarManager.h"
#include "ScriptEngine/common/ScriptTreeContext.h"
#include "ScriptTreeTestKit.h"

#include <memory>
#include <string>
#include <vector>

// What happened, frame by frame: "frame who type" for every action started.
struct FireLog {
    int m_iFrame = 0;
    std::vector<std::string> m_aEntries;

    void Note(const std::string& who, int32_t iType)
    {
        m_aEntries.push_back(std::to_string(m_iFrame) + " " + who + " " + std::to_string(iType));
    }
};

// A scriptable whose own actions (all but the base's six) take a fixed number
// of its updates to finish; 0 finishes them at once.
class TimedScriptable : public Scriptable {
public:
    TimedScriptable(const char* pName, int iFrames, FireLog& oLog)
        : m_pName(pName), m_iFrames(iFrames), m_oLog(oLog) { }
    const char* GetName() const override { return m_pName; }
    void StartAction() override
    {
        const int32_t iType = m_oCurrentAction.m_iActionType;
        m_oLog.Note(m_pName, iType);
        if (iType == ID_ACTION_TYPE_SET_ACTIVE || iType == ID_ACTION_TYPE_WAIT_FOR || iType == ID_ACTION_TYPE_WAIT) {
            Scriptable::StartAction();
            return;
        }
        m_iFramesLeft = m_iFrames;
        if (m_iFramesLeft == 0)
            FinishAction();
        else
            m_bDone = 0;
    }
    void UpdateAction(uint32_t dt) override
    {
        if (m_iFramesLeft > 0) {
            if (--m_iFramesLeft == 0)
                FinishAction();
            return;
        }
        Scriptable::UpdateAction(dt);
    }

private:
    const char* m_pName;
    int m_iFrames;
    int m_iFramesLeft = 0;
    FireLog& m_oLog;
};

// The script manager's side: global actions are noted and variables set, a
// dialog may be open.
class FakeDispatch : public ScriptTreeDispatch {
public:
    explicit FakeDispatch(FireLog& oLog) : m_oLog(oLog) { }
    void StartAction(const ActionDesc& oAction) override
    {
        m_oLog.Note("global", oAction.m_iActionType);
        if (oAction.m_iActionType != ID_ACTION_TYPE_SET_VARIABLE)
            return;
        if (oAction.m_iParameterType[1] == ID_PARAMETER_TYPE_BOOL)
            g_VarManager.SetBool(oAction.m_oParameter[0], static_cast<uint8_t>(oAction.m_oParameter[1]));
        else
            g_VarManager.SetInt(oAction.m_oParameter[0], oAction.m_oParameter[1]);
    }
    bool IsDialogActive() override { return m_bDialogActive; }

    bool m_bDialogActive = false;

private:
    FireLog& m_oLog;
};

// A tree, a walk context over it and a registry of timed scriptables; frames
// run as the script manager runs them: the walk, then every scriptable.
class ScriptWalkTest : public ScriptTreeTest {
protected:
    static constexpr int32_t SCENE_ID = 9;

    ScriptWalkTest()
    {
        context.SetTree({&pool, root});
        context.SetGameInterface(&g_oGameInterface);
        context.SetDispatch(&dispatch);
        context.SetValue(SCENE_ID);
        m_oSavedVars = g_VarManager;
        g_VarManager = VarSet {};
    }
    ~ScriptWalkTest() override { g_VarManager = m_oSavedVars; }

    TimedScriptable& AddScriptable(const char* pName, int32_t iId, int iFrames)
    {
        m_aScriptables.push_back(std::make_unique<TimedScriptable>(pName, iFrames, log));
        services.Register(*m_aScriptables.back(), iId);
        return *m_aScriptables.back();
    }
    // One frame; true when the walk reported that it has finished.
    bool RunFrame()
    {
        ++log.m_iFrame;
        const bool bFinished = context.Step();
        for (const auto& pScriptable : m_aScriptables)
            pScriptable->Update(16);
        return bFinished;
    }
    // Runs frames until the walk finishes; the number of the frame it did.
    int RunUntilFinished(int iMaxFrames = 100)
    {
        for (int i = 0; i < iMaxFrames; ++i)
            if (RunFrame())
                return log.m_iFrame;
        return -1;
    }
    static EventDesc Look(int32_t iId)
    {
        EventDesc oEvent;
        BuildEvent(&oEvent, TwEventType_Look, 1, ID_PARAMETER_TYPE_SCRIPTABLE, iId);
        return oEvent;
    }

    FireLog log;
    FakeScriptableServices services;
    FakeDispatch dispatch {log};
    ScriptTreeContext context;

private:
    std::vector<std::unique_ptr<TimedScriptable>> m_aScriptables;
    VarSet m_oSavedVars;
};
