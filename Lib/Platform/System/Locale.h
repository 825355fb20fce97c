#pragma once
#include <cstdint>

namespace Platform {

// Primary language ids in the numbering the game's language choice uses.
enum PrimaryLanguage : uint16_t {
    LanguageNeutral = 0x00,
    LanguageChinese = 0x04,
    LanguageGerman = 0x07,
    LanguageEnglish = 0x09,
    LanguageSpanish = 0x0A,
    LanguageFrench = 0x0C,
    LanguageItalian = 0x10,
    LanguageJapanese = 0x11,
    LanguageKorean = 0x12,
};

// The primary language of a POSIX locale name such as "de_DE.UTF-8"; "C",
// "POSIX" and empty names count as English, unknown ones as neutral.
uint16_t PrimaryLanguageOfLocale(const char* localeName);

// The primary language of the user's interface: the first of LC_ALL,
// LC_MESSAGES and LANG that is set.
uint16_t UserInterfacePrimaryLanguage();

} // namespace Platform
