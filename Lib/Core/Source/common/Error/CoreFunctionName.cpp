#include "Error/CoreFunctionName.h"

#include <cstring>

const char* CoreQualifiedFunctionName(const char* prettyFunction, char* buffer, size_t bufferSize)
{
    if (!prettyFunction || bufferSize == 0)
        return "";

    // The parameter list starts at the first '(' outside template brackets
    // ("operator()" keeps its own pair).
    const char* end = prettyFunction;
    int depth = 0;
    for (; *end; ++end) {
        if (*end == '<')
            ++depth;
        else if (*end == '>')
            --depth;
        else if (*end == '(' && depth == 0) {
            if (end - prettyFunction >= 8 && std::strncmp(end - 8, "operator", 8) == 0 && end[1] == ')')
                ++end;
            else
                break;
        }
    }

    // The name starts after the last blank before it outside template brackets.
    const char* start = end;
    depth = 0;
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
