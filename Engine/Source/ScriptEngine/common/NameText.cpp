#include "ScriptEngine/common/NameText.h"

#include <cstring>

char* CopyName(char* out, size_t uOutSize, const char* pName, size_t uFieldSize)
{
    if (uOutSize == 0)
        return out;
    size_t uLength = 0;
    if (pName != nullptr) {
        const size_t uBound = uFieldSize < uOutSize - 1 ? uFieldSize : uOutSize - 1;
        // memchr never reads past the bound, unlike strlen on an unterminated field.
        const void* pEnd = std::memchr(pName, '\0', uBound);
        uLength = pEnd ? static_cast<size_t>(static_cast<const char*>(pEnd) - pName) : uBound;
        std::memcpy(out, pName, uLength);
    }
    out[uLength] = '\0';
    return out;
}
