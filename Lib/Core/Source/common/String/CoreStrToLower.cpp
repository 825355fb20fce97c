#include "String/CoreStrToLower.h"

#include <cctype>

void CoreStrToLower(char* destination, const char* source)
{
    if (!destination)
        return;
    if (!source)
        source = destination;
    // tolower takes an unsigned char's value: a UTF-8 byte must not reach it
    // as a negative char.
    do {
        *destination = static_cast<char>(std::tolower(static_cast<unsigned char>(*source)));
        ++destination;
    } while (*source++);
}
