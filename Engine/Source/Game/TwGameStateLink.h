#pragma once
#include "Managers/Common/ScriptStateLink.h"

class TwGame;

// The script manager's way to the game's state queue, its four screen fades
// and the pool of scriptable effects. A state that the game does not have is
// not queued: the request is logged and dropped, so that the queue never
// waits for a state that cannot run.
class TwGameStateLink final : public ScriptStateLink {
public:
    explicit TwGameStateLink(TwGame& oGame) : m_oGame(oGame) { }

    bool IsStateQueueEmpty() override;
    void PushState(int32_t iStateId, int32_t iParameter) override;
    bool HasFade(GlobalFade eFade) override;
    bool IsFadeRunning(GlobalFade eFade) override;
    bool IsFadeFinished(GlobalFade eFade) override;
    void StartFade(GlobalFade eFade) override;
    void StartTimedFade(GlobalFade eFade, fx32 fxDuration) override;
    void StartScriptableEffect(int32_t iTargetId, int32_t iKind, int32_t iMilliseconds) override;
    void StopFirstScriptableEffect() override;
    void StopScriptableEffects() override;

private:
    TwGame& m_oGame;
};
