#pragma once
#include <cstdint>

class ScriptManager;

// The root of every script class: the operations that the script manager calls
// over a script's life, and the manager that owns it while it runs.
class ScriptObject {
public:
    ScriptObject() = default;
    virtual ~ScriptObject();
    ScriptObject(const ScriptObject&) = delete;
    ScriptObject& operator=(const ScriptObject&) = delete;

    // When the script starts.
    virtual void Init() = 0;
    // Once per frame, dt in milliseconds.
    virtual void Update(uint32_t dt) = 0;
    // When the script ends: runs the terminate hook.
    virtual void Term();
    // The terminate hook: what the script gives back when it ends.
    virtual void ReleaseSounds() = 0;

    ScriptManager* GetOwner() const { return m_pOwner; }
    void SetOwner(ScriptManager* pOwner) { m_pOwner = pOwner; }

protected:
    ScriptManager* m_pOwner = nullptr;
};
