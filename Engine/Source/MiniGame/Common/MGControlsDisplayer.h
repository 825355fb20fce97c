#pragma once
#include "Maths/Fx32.h"
#include "MiniGame/Common/MGSprite.h"

#include <cstdint>

// A slideshow of control-hint icons that a message box can show on a page
// after its text: steps of a controls id and a duration, and a fixed table of
// the icons (some blinking) that make up each controls id. The owner makes,
// places and shuts down the icon sprites.
class MGControlsDisplayer {
public:
    static constexpr int32_t ICON_COUNT = 20;
    static constexpr int32_t CONTROLS_COUNT = 13;
    static constexpr int32_t ICONS_PER_CONTROLS = 4;

    struct Step {
        int32_t m_iControlsId;
        fx32 m_fxDuration;
    };

    // The steps stay the caller's; they are read while the displayer runs.
    void SetSteps(const Step* pSteps, int32_t iCount);
    // Step 0 from its start: every step's icons hidden, then step 0's shown.
    void Reset();
    // Advances the step timer, moving on (and wrapping) past each step's
    // duration; a step of no duration holds.
    void Update(uint32_t dtMs);
    // The current step's icons at their positions, blinking ones in the
    // second 0.3 seconds of every 0.6.
    void Render() const;
    // Shows or hides every icon of that step's controls id.
    void ShowStep(int32_t iStep, bool bVisible);

    MGSprite& GetIcon(int32_t i) { return m_aoIcons[i]; }
    int32_t GetCurrentStep() const { return m_iCurrentStep; }
    fx32 GetTimer() const { return m_fxTimer; }
    // Whether an icon of the current step is drawn at this time of the timer.
    static bool IsBlinkOn(fx32 timer);

private:
    bool HasSteps() const;

    int32_t m_iCommandsStepsNb = 0;
    const Step* m_oCommandsSteps = nullptr;
    int32_t m_iCurrentStep = 0;
    fx32 m_fxTimer = 0;
    MGSprite m_aoIcons[ICON_COUNT];
};
