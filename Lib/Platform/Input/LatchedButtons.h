#pragma once
#include "Input/KeyCodes.h"

#include <cstddef>
#include <cstdint>

namespace Platform {

// The down states (bit 7 = down) of a set of keys or buttons, changed by
// events at any time and read once a frame. A read hands on every change: a
// button pressed and released again before the next read reads down once and
// up at the read after, as a slower click would, so a tap shorter than a frame
// is never lost; a button released and pressed again reads up once. A read
// hands on one change per button; more taps between two reads count as one.
template <size_t COUNT>
class LatchedButtons {
public:
    void Set(size_t index, bool down)
    {
        if (index >= COUNT)
            return;
        const uint8_t state = down ? BUTTON_DOWN_BIT : 0;
        m_abChanged[index] = m_abChanged[index] || m_aLive[index] != state;
        m_aLive[index] = state;
    }

    void Read(uint8_t (&states)[COUNT])
    {
        for (size_t index = 0; index < COUNT; ++index) {
            if (m_aRead[index] != m_aLive[index])
                m_aRead[index] = m_aLive[index];
            else if (m_abChanged[index])
                // It went and came back: the way out reads now, the way back
                // at the next read.
                m_aRead[index] ^= BUTTON_DOWN_BIT;
            m_abChanged[index] = false;
            states[index] = m_aRead[index];
        }
    }

    // Everything up, and nothing left to hand on.
    void Clear()
    {
        for (size_t index = 0; index < COUNT; ++index) {
            m_aLive[index] = m_aRead[index] = 0;
            m_abChanged[index] = false;
        }
    }

private:
    uint8_t m_aLive[COUNT] {};
    uint8_t m_aRead[COUNT] {};
    bool m_abChanged[COUNT] {};
};

} // namespace Platform
