#pragma once
#include <cstdint>

class Scriptable;

// What a scriptable reaches outside itself: the registry of scriptables by id,
// the current scene's walk-mesh blockers and the pool of scriptable effects.
// The script manager provides them; tests install small fakes.
class ScriptableServices {
public:
    virtual ~ScriptableServices() = default;
    // The registered scriptable with the id, or null (ID_SCRIPTABLE_INVALID
    // gives null).
    virtual Scriptable* FindScriptable(int32_t iId) = 0;
    // Switches a blocker of the current scene's walk mesh on or off; nothing
    // without a scene.
    virtual void SetWalkMeshBlocker(int32_t iBlockerId, bool bActive) = 0;
    // Starts an effect of the pool on the scriptable with the id: kind 1 fade
    // in, 2 fade out, 3 blink, lasting the milliseconds; nothing when every
    // effect of the pool runs.
    virtual void StartScriptableEffect(int32_t iTargetId, int32_t iKind, int32_t iMilliseconds) = 0;
    // Stops the first running effect of the pool, whichever scriptable it
    // belongs to; nothing when none runs.
    virtual void StopFirstScriptableEffect() = 0;
};

// Stands in until the script manager exists: finds nothing and logs every
// call, so that a scriptable run too early is seen in the log.
class NullScriptableServices final : public ScriptableServices {
public:
    Scriptable* FindScriptable(int32_t iId) override;
    void SetWalkMeshBlocker(int32_t iBlockerId, bool bActive) override;
    void StartScriptableEffect(int32_t iTargetId, int32_t iKind, int32_t iMilliseconds) override;
    void StopFirstScriptableEffect() override;
};

// The services every scriptable uses; SetScriptableServices(nullptr) restores
// the null ones.
ScriptableServices& GetScriptableServices();
void SetScriptableServices(ScriptableServices* pServices);
