#pragma once
#include "Maths/Fx32.h"

#include <cstdint>

// The game's four screen fades, in the order of the effect list.
enum class GlobalFade : int32_t {
    InFromBlack = 0,
    // The scene-transition fade that scene changes and state hand-overs wait for.
    OutToBlack = 1,
    InFromWhite = 2,
    OutToWhite = 3,
};

// What the script manager needs of the state machine and of the effects: the
// game state queue, the four screen fades and the pool of scriptable effects.
// The game states and the effects provide it; tests install small fakes.
class ScriptStateLink {
public:
    // State ids that scripts queue.
    static constexpr int32_t STATE_MINIGAME = 2;
    static constexpr int32_t STATE_MOVIE = 3;
    static constexpr int32_t STATE_DISPATCH = 4;

    virtual ~ScriptStateLink() = default;

    virtual bool IsStateQueueEmpty() = 0;
    // Queues a state with its first parameter (the mini-game or movie id).
    virtual void PushState(int32_t iStateId, int32_t iParameter) = 0;

    // Whether the fade exists (it found a slot of the effect list).
    virtual bool HasFade(GlobalFade eFade) = 0;
    // The three below answer false, and starting does nothing, for a fade that
    // does not exist.
    virtual bool IsFadeRunning(GlobalFade eFade) = 0;
    // The fade has reached its end (it may still run for its last frame).
    virtual bool IsFadeFinished(GlobalFade eFade) = 0;
    virtual void StartFade(GlobalFade eFade) = 0;
    // Starts the fade lasting fxDuration seconds for this run only; later runs
    // take its configured duration again.
    virtual void StartTimedFade(GlobalFade eFade, fx32 fxDuration) = 0;

    // Starts a pooled effect on the scriptable: kind 1 fade in, 2 fade out, 3
    // blink, lasting the milliseconds; nothing when every pooled effect runs.
    virtual void StartScriptableEffect(int32_t iTargetId, int32_t iKind, int32_t iMilliseconds) = 0;
    // Stops the first running pooled effect, whichever scriptable it is on.
    virtual void StopFirstScriptableEffect() = 0;
    // Stops every running pooled effect (the scene they act on ends).
    virtual void StopScriptableEffects() = 0;
};

// Stands in until the states and effects exist: the queue stays empty, there
// are no fades, and every request is logged.
class NullScriptStateLink final : public ScriptStateLink {
public:
    bool IsStateQueueEmpty() override { return true; }
    void PushState(int32_t iStateId, int32_t iParameter) override;
    bool HasFade(GlobalFade) override { return false; }
    bool IsFadeRunning(GlobalFade) override { return false; }
    bool IsFadeFinished(GlobalFade) override { return false; }
    void StartFade(GlobalFade eFade) override;
    void StartTimedFade(GlobalFade eFade, fx32 fxDuration) override;
    void StartScriptableEffect(int32_t iTargetId, int32_t iKind, int32_t iMilliseconds) override;
    void StopFirstScriptableEffect() override;
    void StopScriptableEffects() override { }
};

// The link the script manager uses; SetScriptStateLink(nullptr) restores the
// null one.
ScriptStateLink& GetScriptStateLink();
void SetScriptStateLink(ScriptStateLink* pLink);
