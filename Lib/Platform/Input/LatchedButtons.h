#pragma once
#include "Input/KeyCodes.h"

#include <cstddef>
#include <cstdint>

namespace Platform {

// What a change of a key carries when nothing more than the change matters.
struct NoPlace { };

// The down states (bit 7 = down) of a set of keys or buttons, changed by
// events at any time and read once a frame. A read hands on every change: a
// button pressed and released again before the next read reads down once and
// up at the read after, as a slower click would, so a tap shorter than a frame
// is never lost; a button released and pressed again reads up once. A read
// hands on one change per button; more taps between two reads count as one.
// Each change keeps the place it happened at (a mouse button, where the
// pointer was), and a read tells the place of the change it handed on.
template <size_t COUNT, typename Place = NoPlace>
class LatchedButtons {
public:
    void Set(size_t index, bool down, Place place = {})
    {
        if (index >= COUNT)
            return;
        const uint8_t state = down ? BUTTON_DOWN_BIT : 0;
        if (m_aLive[index] == state)
            return;
        if (!m_abChanged[index])
            m_aFirstPlace[index] = place;
        m_aLastPlace[index] = place;
        m_abChanged[index] = true;
        m_aLive[index] = state;
    }

    void Read(uint8_t (&states)[COUNT])
    {
        for (size_t index = 0; index < COUNT; ++index) {
            m_abHandedOn[index] = true;
            if (m_aRead[index] != m_aLive[index]) {
                m_aRead[index] = m_aLive[index];
                m_aHandedPlace[index] = m_aLastPlace[index];
            } else if (m_abChanged[index]) {
                // It went and came back: the way out reads now, the way back
                // at the next read.
                m_aRead[index] ^= BUTTON_DOWN_BIT;
                m_aHandedPlace[index] = m_aFirstPlace[index];
            } else {
                m_abHandedOn[index] = false;
            }
            m_abChanged[index] = false;
            states[index] = m_aRead[index];
        }
    }

    // Whether the last read handed on a change of the button, and where.
    bool HandedOn(size_t index, Place& place) const
    {
        if (index >= COUNT || !m_abHandedOn[index])
            return false;
        place = m_aHandedPlace[index];
        return true;
    }

    // Everything up, and nothing left to hand on.
    void Clear()
    {
        for (size_t index = 0; index < COUNT; ++index) {
            m_aLive[index] = m_aRead[index] = 0;
            m_abChanged[index] = m_abHandedOn[index] = false;
        }
    }

private:
    uint8_t m_aLive[COUNT] {};
    uint8_t m_aRead[COUNT] {};
    bool m_abChanged[COUNT] {};
    bool m_abHandedOn[COUNT] {};
    Place m_aFirstPlace[COUNT] {};
    Place m_aLastPlace[COUNT] {};
    Place m_aHandedPlace[COUNT] {};
};

} // namespace Platform
