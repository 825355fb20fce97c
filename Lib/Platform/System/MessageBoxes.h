#pragma once
#include <deque>
#include <string>
#include <vector>

namespace Platform {

// The answers of the "ASSERT" box; Dismissed stands for any other outcome
// (the box could not be shown, or was closed without a button).
enum class AssertAnswer {
    Ignore,
    Always,
    Break,
    Dismissed
};

// Modal boxes that stop the program until the user answers.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void ShowOk(const char* title, const char* text) = 0;
    // An OK box with the error icon.
    virtual void ShowError(const char* title, const char* text) = 0;
    // The topmost "ASSERT" box with the buttons "Ignore", "Always" and "BREAK".
    virtual AssertAnswer ShowAssert(const char* text) = 0;
};

// Real boxes through SDL; usable before any window exists.
class SdlMessageBoxes final : public MessageBoxes {
public:
    void ShowOk(const char* title, const char* text) override;
    void ShowError(const char* title, const char* text) override;
    AssertAnswer ShowAssert(const char* text) override;
};

// Headless boxes: records what was shown and answers from a script (Ignore
// when the script has run out).
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        std::string title;
        std::string text;
        bool bErrorIcon = false;
    };

    void ShowOk(const char* title, const char* text) override;
    void ShowError(const char* title, const char* text) override;
    AssertAnswer ShowAssert(const char* text) override;

    void QueueAnswer(AssertAnswer answer) { m_answers.push_back(answer); }
    const std::vector<Shown>& ShownBoxes() const { return m_shown; }

private:
    std::deque<AssertAnswer> m_answers;
    std::vector<Shown> m_shown;
};

// The boxes every caller uses; tests install scripted ones, nullptr restores
// the real ones.
MessageBoxes& GetMessageBoxes();
void SetMessageBoxes(MessageBoxes* boxes);

} // namespace Platform
