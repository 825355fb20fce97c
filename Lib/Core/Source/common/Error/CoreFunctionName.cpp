#include "Error/CoreFunctionName.h"

#include <cctype>
#include <cstring>

namespace {

bool IsIdentifierCharacter(char character)
{
    return std::isalnum(static_cast<unsigned char>(character)) || character == '_';
}

// The keyword of an operator function's name ("operator<", "operator new",
// "operator bool"), or null for any other function.
const char* FindOperatorKeyword(const char* prettyFunction)
{
    constexpr size_t KEYWORD_LENGTH = 8;
    for (const char* at = std::strstr(prettyFunction, "operator"); at; at = std::strstr(at + 1, "operator")) {
        const bool startsWord = at == prettyFunction || !IsIdentifierCharacter(at[-1]);
        if (startsWord && !IsIdentifierCharacter(at[KEYWORD_LENGTH]))
            return at;
    }
    return nullptr;
}

} // namespace

const char* CoreQualifiedFunctionName(const char* prettyFunction, char* buffer, size_t bufferSize)
{
    if (!prettyFunction || bufferSize == 0)
        return "";

    // The name ends where the parameter list starts, and its scope is cut at
    // the last blank before it outside template brackets. An operator's
    // symbol ("<", "->", "()", "new", "bool") belongs to the name: the
    // parameter list is looked for after it and the scope before the keyword.
    const char* end = prettyFunction;
    const char* scopeEnd = nullptr;
    if (const char* keyword = FindOperatorKeyword(prettyFunction)) {
        const char* symbol = keyword + 8;
        while (*symbol == ' ')
            ++symbol;
        if (symbol[0] == '(' && symbol[1] == ')')
            symbol += 2;
        end = std::strchr(symbol, '(');
        if (!end)
            end = symbol + std::strlen(symbol);
        scopeEnd = keyword;
    } else {
        int depth = 0;
        for (; *end; ++end) {
            if (*end == '<')
                ++depth;
            else if (*end == '>')
                --depth;
            else if (*end == '(' && depth == 0)
                break;
        }
        scopeEnd = end;
    }

    const char* start = scopeEnd;
    int depth = 0;
    while (start > prettyFunction) {
        const char previous = start[-1];
        if (previous == '>')
            ++depth;
        else if (previous == '<')
            --depth;
        else if ((previous == ' ' || previous == '*' || previous == '&') && depth == 0)
            break;
        --start;
    }

    size_t length = static_cast<size_t>(end - start);
    if (length >= bufferSize)
        length = bufferSize - 1;
    std::memcpy(buffer, start, length);
    buffer[length] = '\0';
    return buffer;
}
