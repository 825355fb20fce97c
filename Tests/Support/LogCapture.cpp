#include "Support/LogCapture.h"

namespace TestSupport {

LogCapture::LogCapture() : m_pPrevious(GetLogCapture())
{
    SetLogCapture(this);
}

LogCapture::~LogCapture()
{
    SetLogCapture(m_pPrevious);
}

void LogCapture::Write(const char* text)
{
    m_text += text;
}

} // namespace TestSupport
