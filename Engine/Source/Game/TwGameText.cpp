#include "Common/GameLanguages.h"
#include "Error/EngineAssert.h"
#include "Game/TwGame.h"
#include "Log/CoreLog.h"
#include "Managers/Common/ResourceManager.h"
#include "Utils/Common/DkLocalizer.h"

#include <cstdio>

Tw::Font TwGame::SmallFont;
Tw::Font TwGame::MainFont;

namespace {

constexpr const char* COMMON_TEXT_FILE = "TextCommon.dat";

// The localiser's banks, kept for the whole run.
DkLocalizerBank s_aLocalizerBanks[DkLocalizer::BANK_COUNT];

// The index of the game language among the five that have text tables, or
// -1.
int32_t TextLanguageIndex(int32_t language)
{
    return language >= 0 && language < GAME_LANGUAGE_COUNT ? language : -1;
}

} // namespace

void TwGame::BuildTextPath(char* out, uint32_t outSize, const char* languageCode, const char* fileName)
{
    std::snprintf(out, outSize, "text/%s%s", languageCode, fileName);
}

bool TwGame::InitializeLocalizerCommon()
{
    LogInfo(" - Initialize Localizer...\n");
    g_oDkLocalizer.Initialize(s_aLocalizerBanks);
    ResourceManager* manager = ResourceManager::GetInstance();
    for (int32_t language = 0; language < GAME_LANGUAGE_COUNT; ++language) {
        char path[CORE_MAX_PATH];
        BuildTextPath(path, sizeof path, GetLanguageCode(language), COMMON_TEXT_FILE);
        PackageResource* package = manager ? manager->LoadPackage(path) : nullptr;
        m_pCommonTextPackages[language] = package;
        // A damaged table is refused here like a missing one: any of the five
        // can become the game language's later.
        DkLocalizerBank checked;
        if (package == nullptr || !DkLocalizer::PrepareBank(path, package->Buffer(), package->Size(), checked)) {
            CorePrint(&g_oCoreLog, "Cannot load common text data\n");
            ENGINE_ASSERT(false);
            return false;
        }
    }
    const int32_t iIndex = TextLanguageIndex(m_iGameLanguage);
    ENGINE_ASSERT(iIndex != -1);
    if (iIndex == -1)
        return false;
    PackageResource* package = m_pCommonTextPackages[iIndex];
    m_iCommonTextBank = g_oDkLocalizer.AddBank(package->m_sName, package->Buffer(), package->Size());
    if (m_iCommonTextBank == -1)
        return false;
    LogStep("Localizer done");
    return true;
}

void TwGame::ReloadLocalizer()
{
    LogInfo(" - Reload Localizer...\n");
    const int32_t iIndex = TextLanguageIndex(m_iGameLanguage);
    ENGINE_ASSERT(iIndex != -1);
    PackageResource* package = iIndex == -1 ? nullptr : m_pCommonTextPackages[iIndex];
    if (package && m_iCommonTextBank >= 0) {
        g_oDkLocalizer.RemoveBank(m_iCommonTextBank);
        g_oDkLocalizer.InsertBank(m_iCommonTextBank, package->m_sName, package->Buffer(), package->Size());
    }
    LogInfo(" - Reload Localizer done.\n");
}

void TwGame::ShutdownLocalizer()
{
    LogInfo(" - Shutdown Localizer...\n");
    if (m_iCommonTextBank >= 0)
        g_oDkLocalizer.RemoveBank(m_iCommonTextBank);
    m_iCommonTextBank = -1;
    ResourceManager* manager = ResourceManager::GetInstance();
    for (int32_t language = GAME_LANGUAGE_COUNT - 1; language >= 0; --language) {
        if (manager && m_pCommonTextPackages[language])
            manager->UnloadPackage(m_pCommonTextPackages[language]);
        m_pCommonTextPackages[language] = nullptr;
    }
    g_oDkLocalizer.Release();
    LogStep("Localizer done");
}

bool TwGame::InitializeFonts()
{
    CorePrint(&g_oCoreLog, " - Initialize main font(s)...\n");
    MainFont.Initialize("fonts/MainFont.fnt.bin", {"MainFont_00", 0});
    SmallFont.Initialize("fonts/SmallFont.fnt.bin", {"SmallFont_00", 0});
    LogStep("Font done");
    return true;
}

void TwGame::ReleaseFonts()
{
    SmallFont.Release();
    MainFont.Release();
}
