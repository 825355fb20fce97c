#pragma once
#include "Maths/Fx32.h"

#include <cstdint>

// A small timed object that runs for a duration of game time (fx32 seconds).
// Running effects sit in a slot of the effect list: the update pass advances
// them, unless the game is paused, and the render pass draws every listed one
// after the current state.
class Effect {
public:
    Effect() = default;
    virtual ~Effect() = default;
    Effect(const Effect&) = delete;
    Effect& operator=(const Effect&) = delete;

    // Resets the effect; true.
    virtual bool Initialize();
    virtual void Restart() { Reset(); }
    // Duration, elapsed time and flags back to 0.
    virtual void Reset();
    virtual void Update(uint32_t) { }
    virtual void Render() { }
    virtual void Start() = 0;
    virtual void Stop() = 0;

    // Starts the effect of that effect-list slot; nothing for an empty slot
    // or -1 (an owner whose effect found no slot). A duration given for one
    // run has ended: the effect takes its own again.
    static void StartEffect(int32_t iSlot);
    // Advances every running listed effect in slot order; nothing while the
    // game is paused.
    static void UpdateAll(uint32_t dt);
    // Draws every listed effect in slot order, running or not.
    static void RenderAll();

    // Starts the effect for one run lasting fxDuration; later runs take the
    // duration it had before.
    void StartFor(fx32 fxDuration);

    fx32 GetDuration() const { return m_fxDuration; }
    void SetDuration(fx32 fxDuration) { m_fxDuration = fxDuration; }
    fx32 GetElapsed() const { return m_fxElapsed; }
    bool IsRunning() const { return m_bRunning != 0; }
    bool IsFinished() const { return m_bFinished != 0; }

    // Frame milliseconds as fx32 seconds, truncated.
    static fx32 MillisecondsToSeconds(int64_t iMilliseconds);

protected:
    // Puts back the duration that a run of StartFor replaced.
    void RestoreDuration();
    // elapsed / duration as an fx32 quotient.
    fx32 Ratio() const;

    fx32 m_fxDuration = 0;
    fx32 m_fxElapsed = 0;
    uint8_t m_bRunning = 0;
    uint8_t m_bFinished = 0;

private:
    fx32 m_fxOwnDuration = 0;
    bool m_bOwnDurationSaved = false;
};
