#pragma once
#include "Adventure/Common/Scriptable.h"
#include "Adventure/Common/ScriptableServices.h"

#include <map>
#include <string>
#include <vector>

// A registry of scriptables by id that notes the scene and effect calls, and
// is installed for the life of the test.
class FakeScriptableServices : public ScriptableServices {
public:
    FakeScriptableServices() { SetScriptableServices(this); }
    ~FakeScriptableServices() override { SetScriptableServices(nullptr); }

    void Register(Scriptable& oScriptable, int32_t iId)
    {
        oScriptable.SetId(iId);
        m_registry[iId] = &oScriptable;
    }
    Scriptable* FindScriptable(int32_t iId) override
    {
        const auto found = m_registry.find(iId);
        return found == m_registry.end() ? nullptr : found->second;
    }
    void SetWalkMeshBlocker(int32_t iBlockerId, bool bActive) override
    {
        m_calls.push_back("blocker " + std::to_string(iBlockerId) + (bActive ? " on" : " off"));
    }
    void StartScriptableEffect(int32_t iTargetId, int32_t iKind, int32_t iMilliseconds) override
    {
        m_calls.push_back("effect " + std::to_string(iTargetId) + " kind " + std::to_string(iKind) + " " +
                          std::to_string(iMilliseconds) + " ms");
    }
    void StopFirstScriptableEffect() override { m_calls.push_back("stop effect"); }

    std::map<int32_t, Scriptable*> m_registry;
    std::vector<std::string> m_calls;
};

inline ActionDesc MakeAction(int32_t iType, int32_t t0 = 0, int32_t v0 = 0, int32_t t1 = 0, int32_t v1 = 0)
{
    return ActionDesc {iType, ID_SCRIPTABLE_INVALID, {t0, t1, 0}, {v0, v1, 0}};
}

inline ActionDesc WaitAction(int32_t iMilliseconds)
{
    return MakeAction(ID_ACTION_TYPE_WAIT, ID_PARAMETER_TYPE_INT, iMilliseconds);
}

inline ActionDesc WaitForAction(int32_t iId)
{
    return MakeAction(ID_ACTION_TYPE_WAIT_FOR, ID_PARAMETER_TYPE_SCRIPTABLE, iId);
}

inline ActionDesc BlockerAction(int32_t iBlocker, int32_t bOn)
{
    return MakeAction(ID_ACTION_TYPE_SET_BLOCKER, ID_PARAMETER_TYPE_INT, iBlocker, ID_PARAMETER_TYPE_BOOL, bOn);
}
