#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace Platform {

// One call made to a recording graphics device or system.
struct GraphicsCall {
    std::string name;
    std::vector<uint64_t> arguments;
    std::vector<uint8_t> data; // the block the call was given, if any

    // "Name(a, b, ...)" with the arguments in decimal.
    std::string Text() const;
};

// The calls in the order they were made.
class GraphicsRecorder {
public:
    void Add(const char* name, std::initializer_list<uint64_t> arguments, const void* data, size_t size);
    void Clear() { m_calls.clear(); }
    // While disabled nothing is kept (for long measurements).
    void SetEnabled(bool enabled) { m_bEnabled = enabled; }

    const std::vector<GraphicsCall>& Calls() const { return m_calls; }
    // The texts of the calls, of every call or only of those with the name.
    std::vector<std::string> Texts(const std::string& name = std::string()) const;
    std::vector<GraphicsCall> Named(const std::string& name) const;

private:
    bool m_bEnabled = true;
    std::vector<GraphicsCall> m_calls;
};

} // namespace Platform
