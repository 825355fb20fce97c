#include "System/Locale.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(LocaleTest, PrimaryLanguageOfLocaleNames)
{
    EXPECT_EQ(Platform::PrimaryLanguageOfLocale("de_DE.UTF-8"), Platform::LanguageGerman);
    EXPECT_EQ(Platform::PrimaryLanguageOfLocale("fr_CA"), Platform::LanguageFrench);
    EXPECT_EQ(Platform::PrimaryLanguageOfLocale("es"), Platform::LanguageSpanish);
    EXPECT_EQ(Platform::PrimaryLanguageOfLocale("it_IT@euro"), Platform::LanguageItalian);
    EXPECT_EQ(Platform::PrimaryLanguageOfLocale("C.UTF-8"), Platform::LanguageEnglish);
    EXPECT_EQ(Platform::PrimaryLanguageOfLocale("POSIX"), Platform::LanguageEnglish);
    EXPECT_EQ(Platform::PrimaryLanguageOfLocale("pt_BR.UTF-8"), Platform::LanguageNeutral);
    EXPECT_EQ(Platform::PrimaryLanguageOfLocale("ast_ES"), Platform::LanguageNeutral);
}

TEST(LocaleTest, EnvironmentPrecedence)
{
    setenv("LANG", "it_IT.UTF-8", 1);
    setenv("LC_MESSAGES", "fr_FR.UTF-8", 1);
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    EXPECT_EQ(Platform::UserInterfacePrimaryLanguage(), Platform::LanguageGerman);
    unsetenv("LC_ALL");
    EXPECT_EQ(Platform::UserInterfacePrimaryLanguage(), Platform::LanguageFrench);
    unsetenv("LC_MESSAGES");
    EXPECT_EQ(Platform::UserInterfacePrimaryLanguage(), Platform::LanguageItalian);
    unsetenv("LANG");
    EXPECT_EQ(Platform::UserInterfacePrimaryLanguage(), Platform::LanguageEnglish);
}

} // namespace
