#pragma once
#include "Effects/Common/Effect.h"

// A full-screen colour fade: from the start colour to the end colour
// (0xRRGGBBAA) over the duration. It shows its end colour for one more frame
// after reaching it, then stops, finished, and stays in the effect list.
class ScreenColorEffect final : public Effect {
public:
    void Reset() override;
    void Update(uint32_t dt) override;
    // The quad over the whole window while running, unless fully transparent.
    void Render() override;
    void Start() override;
    void Stop() override;

    void SetColors(uint32_t uStart, uint32_t uEnd);
    uint32_t GetCurrentColor() const { return m_uCurrent; }

private:
    uint32_t m_uStart = 0;
    uint32_t m_uEnd = 0;
    uint32_t m_uCurrent = 0;
};
