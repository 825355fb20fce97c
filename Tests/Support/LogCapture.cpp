#include "Support/LogCapture.h"

#include <algorithm>

namespace TestSupport {

namespace {

// Each line of the text that holds the part, with its end of line.
std::string LinesWith(const std::string& text, const std::string& part)
{
    std::string lines;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at)) {
        const size_t start = text.rfind('\n', at);
        const size_t begin = start == std::string::npos ? 0 : start + 1;
        const size_t end = std::min(text.find('\n', at), text.size());
        lines += text.substr(begin, end - begin) + "\n";
        at = end;
    }
    return lines;
}

} // namespace

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

size_t Occurrences(const std::string& text, const std::string& part)
{
    size_t found = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

std::string CharactersStandingStill(const std::string& log)
{
    return LinesWith(log, "::SetCurrentAnimation - Missing animation");
}

std::string SceneLoadLine(const std::string& scene)
{
    return "Load scene : \"scenes/" + scene + ".twscene.pc\"";
}

} // namespace TestSupport
