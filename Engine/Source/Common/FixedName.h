#pragma once
#include <cstddef>
#include <string_view>

// A name written where a template argument goes (Character<"tavrine_kid">),
// so that lookups can resolve it while the code is compiled.
template <size_t SIZE>
struct FixedName {
    consteval FixedName(const char (&text)[SIZE])
    {
        for (size_t index = 0; index < SIZE; ++index)
            m_aText[index] = text[index];
    }
    constexpr std::string_view View() const { return {m_aText, SIZE - 1}; }

    char m_aText[SIZE] {};
};
