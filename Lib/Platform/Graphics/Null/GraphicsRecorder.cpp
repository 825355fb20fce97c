#include "Graphics/Null/GraphicsRecorder.h"

namespace Platform {

std::string GraphicsCall::Text() const
{
    std::string text = name + "(";
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (i != 0)
            text += ", ";
        text += std::to_string(arguments[i]);
    }
    return text + ")";
}

void GraphicsRecorder::Add(const char* name, std::initializer_list<uint64_t> arguments, const void* data, size_t size)
{
    if (!m_bEnabled)
        return;
    GraphicsCall call {name, arguments, {}};
    if (data && size != 0) {
        const uint8_t* bytes = static_cast<const uint8_t*>(data);
        call.data.assign(bytes, bytes + size);
    }
    m_calls.push_back(std::move(call));
}

std::vector<std::string> GraphicsRecorder::Texts(const std::string& name) const
{
    std::vector<std::string> texts;
    for (const GraphicsCall& call : m_calls) {
        if (name.empty() || call.name == name)
            texts.push_back(call.Text());
    }
    return texts;
}

std::vector<GraphicsCall> GraphicsRecorder::Named(const std::string& name) const
{
    std::vector<GraphicsCall> calls;
    for (const GraphicsCall& call : m_calls) {
        if (call.name == name)
            calls.push_back(call);
    }
    return calls;
}

} // namespace Platform
