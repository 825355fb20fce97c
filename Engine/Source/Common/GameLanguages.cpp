#include "Common/GameLanguages.h"

#include "System/Locale.h"

namespace {

struct LanguageCodeRow {
    int32_t iLanguage;
    const char* pCode;
};

// Ends with a row without a code.
const LanguageCodeRow s_LanguageCodes[] = {
    {5, "ja-JP"},
    {LANGUAGE_EN_GB, "en-GB"},
    {LANGUAGE_FR_FR, "fr-FR"},
    {LANGUAGE_DE_DE, "de-DE"},
    {LANGUAGE_IT_IT, "it-IT"},
    {LANGUAGE_ES_ES, "es-ES"},
    {7, "zh-CN"},
    {8, "ko-KR"},
    {-1, nullptr},
};

} // namespace

const char* GetLanguageCode(int32_t language)
{
    for (const LanguageCodeRow* row = s_LanguageCodes; row->pCode; ++row) {
        if (row->iLanguage == language)
            return row->pCode;
    }
    return "unknown";
}

int32_t GameLanguageOfPrimaryLanguage(uint16_t primaryLanguage)
{
    switch (primaryLanguage & 0x3FF) {
    case Platform::LanguageGerman: return LANGUAGE_DE_DE;
    case Platform::LanguageSpanish: return LANGUAGE_ES_ES;
    case Platform::LanguageFrench: return LANGUAGE_FR_FR;
    case Platform::LanguageItalian: return LANGUAGE_IT_IT;
    default: return LANGUAGE_EN_GB;
    }
}

int32_t VoiceLanguageOfGameLanguage(int32_t gameLanguage)
{
    if (gameLanguage == LANGUAGE_EN_GB || gameLanguage == LANGUAGE_FR_FR || gameLanguage == LANGUAGE_DE_DE)
        return gameLanguage;
    return LANGUAGE_EN_GB;
}
