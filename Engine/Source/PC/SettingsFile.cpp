#include "PC/SettingsFile.h"

#include "Log/CoreLog.h"
#include "System/IniFile.h"

#include <cctype>
#include <string>

namespace {

// The largest back buffer side the graphics device offers.
constexpr int64_t MAX_SCREEN_SIZE = 8192;
constexpr uint32_t MAX_ANTI_ALIASING = 16;
// Levels of anti-aliasing are counts of samples: one sample is none.
constexpr uint32_t ONE_SAMPLE = 1;

// A whole decimal number with an optional sign and nothing else; false for
// text, and for numbers beyond 64 bits.
bool ParseWholeNumber(const std::string& text, int64_t& number)
{
    size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++at;
    if (at == text.size())
        return false;
    int64_t value = 0;
    for (; at < text.size(); ++at) {
        if (!std::isdigit(static_cast<unsigned char>(text[at])))
            return false;
        const int digit = text[at] - '0';
        if (value > (INT64_MAX - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    number = negative ? -value : value;
    return true;
}

// One key of the file: its number when it is a whole number in [lowest,
// highest], otherwise the default with a log line naming the key. A missing
// key or an empty value gives the default without a word.
uint32_t ReadKey(const char* path, const char* section, const char* key, uint32_t defaultValue, int64_t lowest,
                 int64_t highest)
{
    std::string text;
    if (!Platform::ReadIniText(section, key, path, text) || text.empty())
        return defaultValue;
    int64_t number = 0;
    if (ParseWholeNumber(text, number) && number >= lowest && number <= highest)
        return static_cast<uint32_t>(number);
    CorePrint(&g_oCoreLog, "%s: %s=%.40s is not usable, taking %u\n", path, key, text.c_str(), defaultValue);
    return defaultValue;
}

} // namespace

SettingsValues ReadSettingsFile(const char* path)
{
    SettingsValues values;
    const SettingsValues defaults;

    values.uWidth = ReadKey(path, "ScreenResolution", "ResolutionX", defaults.uWidth, 1, MAX_SCREEN_SIZE);
    values.uHeight = ReadKey(path, "ScreenResolution", "ResolutionY", defaults.uHeight, 1, MAX_SCREEN_SIZE);
    values.bFullScreen = ReadKey(path, "Application", "FullScreen", 0, INT32_MIN, UINT32_MAX) != 0;
    values.uAntiAliasing = ReadKey(path, "Application", "AA", defaults.uAntiAliasing, 0, MAX_ANTI_ALIASING);
    if (values.uAntiAliasing == ONE_SAMPLE) {
        CorePrint(&g_oCoreLog, "%s: AA=1 is not usable, taking %u\n", path, defaults.uAntiAliasing);
        values.uAntiAliasing = defaults.uAntiAliasing;
    }
    values.uVideoHD = ReadKey(path, "Application", "VideoHD", defaults.uVideoHD, INT32_MIN, UINT32_MAX);
    return values;
}
