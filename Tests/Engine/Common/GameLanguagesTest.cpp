#include "Common/GameLanguages.h"
#include "System/Locale.h"

#include <gtest/gtest.h>

namespace {

TEST(GameLanguagesTest, UserInterfaceLanguageChoosesGameAndVoiceLanguage)
{
    struct Case {
        uint16_t primary;
        int32_t game;
        int32_t voice;
    };
    const Case cases[] = {
        {Platform::LanguageSpanish, LANGUAGE_ES_ES, LANGUAGE_EN_GB},
        {Platform::LanguageFrench, LANGUAGE_FR_FR, LANGUAGE_FR_FR},
        {Platform::LanguageGerman, LANGUAGE_DE_DE, LANGUAGE_DE_DE},
        {Platform::LanguageItalian, LANGUAGE_IT_IT, LANGUAGE_EN_GB},
        {Platform::LanguageJapanese, LANGUAGE_EN_GB, LANGUAGE_EN_GB},
        {Platform::LanguageNeutral, LANGUAGE_EN_GB, LANGUAGE_EN_GB},
        // Only the primary language's 10 bits count.
        {static_cast<uint16_t>(0x400 | Platform::LanguageFrench), LANGUAGE_FR_FR, LANGUAGE_FR_FR},
    };
    for (const Case& c : cases) {
        const int32_t game = GameLanguageOfPrimaryLanguage(c.primary);
        EXPECT_EQ(game, c.game) << c.primary;
        EXPECT_EQ(VoiceLanguageOfGameLanguage(game), c.voice) << c.primary;
    }
}

TEST(GameLanguagesTest, CodesOfTheTableAndUnknownIds)
{
    EXPECT_STREQ(GetLanguageCode(LANGUAGE_EN_GB), "en-GB");
    EXPECT_STREQ(GetLanguageCode(LANGUAGE_ES_ES), "es-ES");
    EXPECT_STREQ(GetLanguageCode(5), "ja-JP");
    EXPECT_STREQ(GetLanguageCode(8), "ko-KR");
    EXPECT_STREQ(GetLanguageCode(6), "unknown");
    EXPECT_STREQ(GetLanguageCode(-1), "unknown");
}

} // namespace
