#pragma once
#include "Log/CoreLog.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace TestSupport {

// Collects everything the log says while the object lives, instead of the
// terminal; the log's file, when open, is still written. Captures nest: the
// previous one is back when this one ends.
class LogCapture : public CoreLogCapture {
public:
    LogCapture();
    ~LogCapture() override;
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    void Write(const char* text) override;

    // What was logged so far.
    const std::string& Text() const { return m_text; }
    // What was logged so far; the capture starts again empty.
    std::string Take() { return std::exchange(m_text, std::string()); }
    bool Contains(const std::string& part) const { return m_text.find(part) != std::string::npos; }

private:
    CoreLogCapture* m_pPrevious;
    std::string m_text;
};

// What the log says while `call` runs.
template <typename Call>
std::string LogOf(Call&& call)
{
    LogCapture capture;
    call();
    return capture.Take();
}

// Whether the texts stand in the log in this order.
testing::AssertionResult InOrder(const std::string& log, const std::vector<std::string>& texts);

// How often the part stands in the text.
size_t Occurrences(const std::string& text, const std::string& part);

// The log's lines where a character was asked for an animation that its
// scene did not give it, and stood still instead: empty when none was.
std::string CharactersStandingStill(const std::string& log);

// The line the game logs when it loads the scene.
std::string SceneLoadLine(const std::string& scene);

} // namespace TestSupport
