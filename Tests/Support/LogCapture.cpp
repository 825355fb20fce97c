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

testing::AssertionResult InOrder(const std::string& log, const std::vector<std::string>& texts)
{
    size_t at = 0;
    for (const std::string& text : texts) {
        at = log.find(text, at);
        if (at == std::string::npos)
            return testing::AssertionFailure() << "missing or out of order: \"" << text << "\"\n" << log;
    }
    return testing::AssertionSuccess();
}

} // namespace TestSupport
