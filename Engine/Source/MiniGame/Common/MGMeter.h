#pragma once
#include "Maths/CoreFxVec.h"
#include "MiniGame/Common/MGSprite.h"

#include <cstdint>
#include <memory>

// A row of three unit icons (lives): a lost unit blinks for 1.75 seconds
// between its present and lost pictures and then holds the lost one.
class MGMeter {
public:
    static constexpr uint8_t NOT_INITIALIZED = 255;
    static constexpr int32_t UNIT_COUNT = 3;
    static constexpr int32_t FRAME_COUNT = 8;
    static constexpr fx32 FRAME_DURATION = 0x400;

    // presentId shows a unit that is there, lostId one that is gone. On
    // failure nothing stays made and the meter stays uninitialised.
    bool Initialize(int32_t lostId, int32_t presentId);
    void Shutdown();
    void Update(uint32_t dtMs);
    // Unit i at (x + i * (unit width + spacing), y), the last unit first.
    void Render(fx32 x, fx32 y, fx32 z, fx32 spacing) const;
    void SetScale(const CoreFxVec2& vScale);
    uint8_t GetSize() const;
    uint8_t GetValue() const;
    // All units present again; the value.
    uint8_t Reset();
    // The last present unit starts to blink out; the value after it.
    uint8_t Remove();
    const MGSprite* GetUnit(int32_t i) const;

private:
    uint8_t m_iSize = NOT_INITIALIZED;
    uint8_t m_uValue = NOT_INITIALIZED;
    CoreFxVec2 m_vScale {FX32_ONE, FX32_ONE};
    std::unique_ptr<MGSprite[]> m_pSprite;
};
