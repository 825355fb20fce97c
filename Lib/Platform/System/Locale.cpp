#include "System/Locale.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <strings.h>

namespace Platform {

uint16_t PrimaryLanguageOfLocale(const char* localeName)
{
    if (!localeName || !*localeName || std::strcmp(localeName, "C") == 0 || std::strncmp(localeName, "C.", 2) == 0 ||
        std::strcmp(localeName, "POSIX") == 0)
        return LanguageEnglish;

    struct Row {
        const char* code;
        uint16_t language;
    };
    static const Row rows[] = {
        {"de", LanguageGerman},  {"en", LanguageEnglish},  {"es", LanguageSpanish}, {"fr", LanguageFrench},
        {"it", LanguageItalian}, {"ja", LanguageJapanese}, {"ko", LanguageKorean},  {"zh", LanguageChinese},
    };
    const size_t length = std::strcspn(localeName, "_.@");
    if (length != 2)
        return LanguageNeutral;
    for (const Row& row : rows) {
        if (strncasecmp(localeName, row.code, 2) == 0)
            return row.language;
    }
    return LanguageNeutral;
}

uint16_t UserInterfacePrimaryLanguage()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return PrimaryLanguageOfLocale(value);
    }
    return PrimaryLanguageOfLocale(nullptr);
}

} // namespace Platform
