#pragma once
#include "Effects/Common/Effect.h"

class Scriptable;

// An effect on a script object: fades it in or out through the alpha of what
// it displays, or makes it blink. The effects come from a fixed pool and sit
// in the effect list from their start to their stop.
class ScriptableEffect final : public Effect {
public:
    static constexpr int32_t KIND_FADE_IN = 1;
    static constexpr int32_t KIND_FADE_OUT = 2;
    static constexpr int32_t KIND_BLINK = 3;
    static constexpr int32_t POOL_SIZE = 16;
    static constexpr int32_t NO_TARGET = -1;
    // Updates between two toggles of a blink, after the first.
    static constexpr int32_t BLINK_PERIOD = 6;

    // The fader: takes the first pooled effect that is not running and starts
    // it on the target for the milliseconds. Nothing when every pooled
    // effect runs or there is no target. When the effect list is full the
    // effect could never advance: the target takes the effect's end at once.
    static void StartFader(int32_t iTargetId, int32_t iKind, int32_t iMilliseconds);
    // Stops the first running pooled effect.
    static void StopFirst();
    // Stops every running pooled effect.
    static void StopAll();
    static ScriptableEffect& GetPooled(int32_t iIndex);

    void Update(uint32_t dt) override;
    void Start() override;
    // Takes the effect out of the list and clears it.
    void Stop() override;

    int32_t GetKind() const { return m_iKind; }
    int32_t GetTargetId() const { return m_iTargetId; }

private:
    // The scriptable of the target id; null when there is none.
    Scriptable* FindTarget() const;
    // What the target shows once the effect has run to its end.
    static void ApplyEnd(Scriptable& oTarget, int32_t iKind);

    int32_t m_iKind = 0;
    int32_t m_iTargetId = NO_TARGET;
    int32_t m_iBlinkCounter = 0;
};
