#include "Utils/Common/LocalizedFormat.h"

#include <cstdio>

namespace {

// The output cursor: writes what fits and keeps room for the terminator.
class Output {
public:
    Output(char* pOut, size_t uSize) : m_pOut(pOut), m_uSize(uSize) { }

    void Put(char character)
    {
        if (m_uLength + 1 < m_uSize)
            m_pOut[m_uLength++] = character;
    }
    void Put(const char* pText, size_t uLength)
    {
        for (size_t index = 0; index < uLength; ++index)
            Put(pText[index]);
    }
    void Terminate()
    {
        if (m_uSize != 0)
            m_pOut[m_uLength] = '\0';
    }

private:
    char* m_pOut;
    size_t m_uSize;
    size_t m_uLength = 0;
};

// A conversion that starts at pText ('%'): its flag and width, and where it
// ends; false when the text there is not one of ours.
struct Conversion {
    bool bZeroPad = false;
    int iWidth = 0;
    size_t uLength = 0;
};

bool ReadConversion(const char* pText, Conversion& conversion)
{
    size_t position = 1;
    if (pText[position] == '0') {
        conversion.bZeroPad = true;
        ++position;
    }
    for (int digits = 0; digits < 2 && pText[position] >= '0' && pText[position] <= '9'; ++digits)
        conversion.iWidth = conversion.iWidth * 10 + (pText[position++] - '0');
    const char type = pText[position];
    if (type != 'd' && type != 'i' && type != 'u')
        return false;
    conversion.uLength = position + 1;
    return true;
}

} // namespace

void FormatLocalizedIntegers(char* pOut, size_t uSize, const char* pPattern, std::span<const int64_t> aValues)
{
    Output output(pOut, uSize);
    size_t uNextValue = 0;
    const char* pText = pPattern ? pPattern : "";
    while (*pText != '\0') {
        if (pText[0] == '%' && pText[1] == '%') {
            output.Put('%');
            pText += 2;
            continue;
        }
        Conversion conversion;
        if (pText[0] == '%' && uNextValue < aValues.size() && ReadConversion(pText, conversion)) {
            // Room for a width of 99 and the longest 64-bit number.
            char digits[128];
            const int length = std::snprintf(digits, sizeof digits, conversion.bZeroPad ? "%0*lld" : "%*lld",
                                             conversion.iWidth, static_cast<long long>(aValues[uNextValue++]));
            output.Put(digits, static_cast<size_t>(length));
            pText += conversion.uLength;
            continue;
        }
        output.Put(*pText++);
    }
    output.Terminate();
}
