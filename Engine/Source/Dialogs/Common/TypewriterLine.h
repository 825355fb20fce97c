#pragma once
#include "Maths/Fx32.h"

#include <cstdint>

// One line of text revealed code point by code point at a fixed rate, as the
// talk screen types out a sentence. The reveal works in place on the line's
// own buffer: the byte after the shown code points is covered by a NUL and
// put back on the next update, so GetText() is always the shown part and
// nothing is allocated.
class TypewriterLine {
public:
    static constexpr int32_t TEXT_SIZE = 256;
    // 25 code points per second.
    static constexpr fx32 DEFAULT_RATE = 25 * FX32_ONE;

    TypewriterLine();
    virtual ~TypewriterLine() = default;
    TypewriterLine(const TypewriterLine&) = delete;
    TypewriterLine& operator=(const TypewriterLine&) = delete;

    // Starts revealing a copy of the text (null is the empty text) with
    // nothing shown. A text longer than the buffer is cut before the code
    // point that would not fit with its NUL.
    void SetText(const char* text);
    // Advances the reveal by dt milliseconds; nothing once the line is done.
    void Update(uint32_t dt);
    // Shows the whole line at once.
    void Complete();

    void SetRate(fx32 rate) { m_fxRate = rate; }
    // The shown part of the line.
    const char* GetText() const { return m_sText; }
    bool IsDone() const { return m_bDone != 0; }
    int32_t GetRevealed() const { return m_iRevealed; }
    // The code points of the text plus one for its NUL.
    int32_t GetTotal() const { return m_iTotal; }
    fx32 GetProgress() const { return m_fxProgress; }

private:
    char m_sText[TEXT_SIZE] = {};
    char* m_pCursor = m_sText;
    int32_t m_iRevealed = 0;
    int32_t m_iTotal = 1;
    char m_cSavedByte = 0;
    fx32 m_fxProgress = 0;
    fx32 m_fxRate = DEFAULT_RATE;
    uint8_t m_bDone = 0;
};
