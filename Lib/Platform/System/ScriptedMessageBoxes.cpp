#include "System/MessageBoxes.h"

namespace Platform {

void ScriptedMessageBoxes::ShowOk(const char* title, const char* text)
{
    m_shown.push_back({title ? title : "", text ? text : ""});
}

void ScriptedMessageBoxes::ShowError(const char* title, const char* text)
{
    m_shown.push_back({title ? title : "", text ? text : "", true});
}

AssertAnswer ScriptedMessageBoxes::ShowAssert(const char* text)
{
    m_shown.push_back({"ASSERT", text ? text : ""});
    if (m_answers.empty())
        return AssertAnswer::Ignore;
    const AssertAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

} // namespace Platform
