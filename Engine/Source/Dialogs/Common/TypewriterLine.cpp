#include "Dialogs/Common/TypewriterLine.h"

#include "Utils/Common/Utf8.h"

#include <cstring>

TypewriterLine::TypewriterLine()
{
    SetText(nullptr);
}

void TypewriterLine::SetText(const char* text)
{
    if (text == nullptr)
        text = "";
    // Whole code points only, and always room for the NUL: a text without a
    // terminator inside the buffer would be counted past its end.
    const size_t length = Utf8FittingLength(text, TEXT_SIZE - 1);
    std::memcpy(m_sText, text, length);
    m_sText[length] = '\0';

    m_iTotal = 0;
    const char* position = m_sText;
    for (;;) {
        ++m_iTotal;
        if (Utf8DecodeNext(&position) == 0)
            break;
    }
    m_pCursor = m_sText;
    m_cSavedByte = m_sText[0];
    m_sText[0] = '\0';
    m_iRevealed = 0;
    m_fxProgress = 0;
    m_bDone = 0;
}

void TypewriterLine::Update(uint32_t dt)
{
    if (m_bDone)
        return;
    *m_pCursor = m_cSavedByte;
    const auto seconds = static_cast<fx32>((static_cast<uint64_t>(dt) << FX32_SHIFT) / 1000);
    m_fxProgress = CoreFx::WrapAdd(m_fxProgress, CoreFx::Mul(seconds, m_fxRate));
    if (static_cast<int64_t>(m_fxProgress) >= static_cast<int64_t>(m_iTotal) * FX32_ONE) {
        m_bDone = 1;
        m_fxProgress = 0;
        return;
    }
    const int32_t target = m_fxProgress >> FX32_SHIFT;
    const char* position = m_pCursor;
    while (m_iRevealed < target) {
        Utf8DecodeNext(&position);
        ++m_iRevealed;
    }
    m_pCursor = m_sText + (position - m_sText);
    m_cSavedByte = *m_pCursor;
    *m_pCursor = '\0';
}

void TypewriterLine::Complete()
{
    if (m_bDone)
        return;
    *m_pCursor = m_cSavedByte;
    m_bDone = 1;
    m_fxProgress = 0;
}
