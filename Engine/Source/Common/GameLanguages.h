#pragma once
#include <cstdint>

// The game languages: text tables, subtitles and (for the first three) the
// voices exist in these.
enum GameLanguage : int32_t {
    LANGUAGE_EN_GB = 0,
    LANGUAGE_FR_FR = 1,
    LANGUAGE_DE_DE = 2,
    LANGUAGE_IT_IT = 3,
    LANGUAGE_ES_ES = 4,
    GAME_LANGUAGE_COUNT = 5,
};

// The code of a language id ("en-GB"...); "unknown" for an id without one.
const char* GetLanguageCode(int32_t language);

// The game language of a user interface in the given primary language
// (Platform/System/Locale.h numbering); English for the languages the game
// does not offer.
int32_t GameLanguageOfPrimaryLanguage(uint16_t primaryLanguage);

// The voice language for a game language: the voices exist in English,
// French and German only; the others hear English.
int32_t VoiceLanguageOfGameLanguage(int32_t gameLanguage);
