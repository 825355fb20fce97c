// The start-up and shutdown steps of the common text tables and the fonts.
#include "Game/TwGame.h"
#include "Hash/CoreCrc32.h"
#include "Managers/Common/ResourceManager.h"
#include "Support/HandMadeTextTable.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"
#include "Utils/Common/DkLocalizer.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

using testing::HasSubstr;
using testing::Not;
using TestSupport::LogOf;

namespace {

const char* const CODES[] = {"en-GB", "fr-FR", "de-DE", "it-IT", "es-ES"};
constexpr uint32_t GREETING = CoreCrc32Of("GREETING");

class TextStepsTest : public testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        Prepare();
    }

    // The resource manager and the five tables.
    void Prepare()
    {
        if (!ResourceManager::GetInstance())
            m_manager = ResourceManager::CreateSingleton();
        for (const char* code : CODES)
            WriteTable(code, TestSupport::HandMadeTextTable({{GREETING, std::string("hello in ") + code}}));
    }
    void TearDown() override
    {
        LogOf([&] {
            m_game.ShutdownLocalizer();
            m_game.ReleaseFonts();
        });
        ResourceManager::DestroySingleton();
    }

    void WriteTable(const char* code, const std::vector<uint8_t>& bytes)
    {
        m_folder.WriteFile(std::string("text/") + code + "TextCommon.dat", std::string(bytes.begin(), bytes.end()));
    }

    std::string Greeting()
    {
        std::string text;
        LogOf([&] { text = g_oDkLocalizer.GetText(GREETING); });
        return text;
    }

    TestSupport::TempDir m_folder;
    TestSupport::ScopedWorkingDirectory m_workingDirectory {m_folder.Path()};
    ResourceManager* m_manager = nullptr;
    TwGame m_game;
};

TEST_F(TextStepsTest, TheGameLanguagesTableIsTheCommonBankUntilShutdown)
{
    m_game.m_iGameLanguage = 1;
    std::string log = LogOf([&] { ASSERT_TRUE(m_game.InitializeLocalizerCommon()); });
    EXPECT_THAT(log, HasSubstr("]: - Initialize Localizer...\n"));
    EXPECT_THAT(log, HasSubstr("]:Localizer done\n"));
    EXPECT_EQ(m_game.m_iCommonTextBank, 0);
    EXPECT_EQ(Greeting(), "hello in fr-FR");
    for (int language = 0; language < 5; ++language)
        ASSERT_NE(m_game.m_pCommonTextPackages[language], nullptr) << language;

    // A language change replaces the table in the same bank.
    m_game.m_iGameLanguage = 4;
    log = LogOf([&] { m_game.ReloadLocalizer(); });
    EXPECT_THAT(log, HasSubstr("]: - Reload Localizer...\n"));
    EXPECT_THAT(log, HasSubstr("]: - Reload Localizer done.\n"));
    EXPECT_EQ(m_game.m_iCommonTextBank, 0);
    EXPECT_EQ(Greeting(), "hello in es-ES");

    log = LogOf([&] { m_game.ShutdownLocalizer(); });
    EXPECT_THAT(log, HasSubstr("]: - Shutdown Localizer...\n"));
    EXPECT_THAT(log, HasSubstr("]:Localizer done\n"));
    EXPECT_EQ(m_game.m_iCommonTextBank, -1);
    EXPECT_EQ(m_manager->m_pPackages, nullptr);
    EXPECT_EQ(Greeting(), "!! INVALID TEXTID " + std::to_string(int32_t(GREETING)) + " !!");
}

TEST_F(TextStepsTest, AMissingOrDamagedTableOfAnyLanguageStopsStartUp)
{
    struct Case {
        const char* what;
        const char* code;
        std::vector<uint8_t> bytes; // empty: no file
        const char* message;
    };
    std::vector<uint8_t> cut = TestSupport::HandMadeTextTable({{GREETING, "ciao"}});
    cut.resize(cut.size() - 3);
    const std::vector<Case> cases = {
        {"missing", "de-DE", {}, "Error loading \"text/de-DETextCommon.dat\"\n"},
        {"cut short", "it-IT", cut, "text table \"text/it-ITTextCommon.dat\" refused: "},
        {"old version", "es-ES", TestSupport::HandMadeTextTable({{GREETING, "hola"}}, 2, 0),
         "Only version 3.0 of localization is supported (got 2.0)!\n"},
    };
    for (const Case& c : cases) {
        Prepare();
        const std::filesystem::path path = m_folder / (std::string("text/") + c.code + "TextCommon.dat");
        std::filesystem::remove(path);
        if (!c.bytes.empty())
            WriteTable(c.code, c.bytes);
        m_game.m_iGameLanguage = 0;
        const std::string log = LogOf([&] { EXPECT_FALSE(m_game.InitializeLocalizerCommon()) << c.what; });
        EXPECT_THAT(log, HasSubstr(c.message)) << c.what;
        EXPECT_THAT(log, HasSubstr("Cannot load common text data\nASSERT\n")) << c.what;
        EXPECT_THAT(log, Not(HasSubstr("Localizer done"))) << c.what;
        // Shutdown unloads what was loaded.
        LogOf([&] { m_game.ShutdownLocalizer(); });
        EXPECT_EQ(m_manager->m_pPackages, nullptr) << c.what;
        ResourceManager::DestroySingleton();
    }
}

TEST_F(TextStepsTest, FontsThatCannotLoadLeaveStartUpGoing)
{
    std::string log = LogOf([&] { EXPECT_TRUE(m_game.InitializeFonts()); });
    EXPECT_THAT(log, HasSubstr(" - Initialize main font(s)...\n"));
    EXPECT_THAT(log, HasSubstr("Cannot load the font ressource: fonts/MainFont.fnt.bin!\n"));
    EXPECT_THAT(log, HasSubstr("Cannot load the font ressource: fonts/SmallFont.fnt.bin!\n"));
    EXPECT_THAT(log, HasSubstr("]:Font done\n"));
    EXPECT_EQ(TwGame::MainFont.GetGlyphCount(), 0u);

    std::filesystem::copy(TestSupport::DataDir() / "fonts", m_folder / "fonts");
    log = LogOf([&] { EXPECT_TRUE(m_game.InitializeFonts()); });
    EXPECT_THAT(log, Not(HasSubstr("ASSERT")));
    EXPECT_GT(TwGame::MainFont.GetGlyphCount(), 0u);
    EXPECT_GT(TwGame::SmallFont.GetGlyphCount(), 0u);
    EXPECT_STREQ(TwGame::MainFont.GetTextureName(), "MainFont_00");
    EXPECT_STREQ(TwGame::SmallFont.GetTextureName(), "SmallFont_00");
    m_game.ReleaseFonts();
    EXPECT_EQ(TwGame::MainFont.GetGlyphCount(), 0u);
}

} // namespace
