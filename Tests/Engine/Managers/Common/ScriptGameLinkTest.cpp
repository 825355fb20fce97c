// The script manager's language actions reach the game: a new game language
// brings the common texts of that language, and a number that is no game
// language leaves them as they are.
#include "Game/TwGame.h"
#include "Hash/CoreCrc32.h"
#include "Managers/Common/ResourceManager.h"
#include "Managers/Common/ScriptGameLink.h"
#include "Support/HandMadeTextTable.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"
#include "Utils/Common/DkLocalizer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TestSupport::LogOf;

const char* const CODES[] = {"en-GB", "fr-FR", "de-DE", "it-IT", "es-ES"};
constexpr uint32_t GREETING = CoreCrc32Of("GREETING");

class ScriptGameLinkTest : public testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        ResourceManager::CreateSingleton();
        for (const char* code : CODES) {
            const std::vector<uint8_t> table =
                TestSupport::HandMadeTextTable({{GREETING, std::string("hello in ") + code}});
            m_folder.WriteFile(std::string("text/") + code + "TextCommon.dat", std::string(table.begin(), table.end()));
        }
        g_oTwGame.m_iGameLanguage = 0;
        LogOf([] { ASSERT_TRUE(g_oTwGame.InitializeLocalizerCommon()); });
    }
    void TearDown() override
    {
        LogOf([] { g_oTwGame.ShutdownLocalizer(); });
        ResourceManager::DestroySingleton();
        g_oTwGame.m_iGameLanguage = 0;
    }

    static std::string Greeting()
    {
        std::string text;
        LogOf([&] { text = g_oDkLocalizer.GetText(GREETING); });
        return text;
    }

    TestSupport::TempDir m_folder;
    TestSupport::ScopedWorkingDirectory m_workingDirectory {m_folder.Path()};
    TwGameScriptLink m_link;
};

TEST_F(ScriptGameLinkTest, EachGameLanguageBringsItsCommonTexts)
{
    for (const int32_t language : {1, 2, 3, 4, 0}) {
        LogOf([&] { m_link.SetGameLanguage(language); });
        EXPECT_EQ(g_oTwGame.m_iGameLanguage, language);
        EXPECT_EQ(Greeting(), std::string("hello in ") + CODES[language]);
    }
}

TEST_F(ScriptGameLinkTest, ANumberThatIsNoGameLanguageLeavesTheTexts)
{
    LogOf([&] { m_link.SetGameLanguage(3); });
    for (const int32_t language : {5, -1}) {
        const std::string log = LogOf([&] { m_link.SetGameLanguage(language); });
        EXPECT_EQ(log, "No game language " + std::to_string(language) + ": the texts stay in their language\n");
        EXPECT_EQ(g_oTwGame.m_iGameLanguage, 3);
        EXPECT_EQ(Greeting(), "hello in it-IT");
    }
}

} // namespace
