#include "Game/TwGame.h"

#include "App/CoreApp.h"
#include "App/CoreSystem.h"
#include "Common/GameLanguages.h"
#include "Log/CoreLog.h"
#include "PC/SettingsFile.h"
#include "System/DataFile.h"
#include "System/Locale.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace {

// A game language to use whatever the user's language is; -1 for none.
constexpr int32_t FORCED_GAME_LANGUAGE = -1;

std::string SettingsFilePath()
{
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::current_path(error);
    const std::string path = error ? std::string("Settings.ini") : (directory / "Settings.ini").string();
    return Platform::ResolveDataPath(path.c_str());
}

} // namespace

bool TwGame::ReadSettings()
{
    const std::string path = SettingsFilePath();
    m_oDisplaySettings.uPrimitiveVertexCount = PRIMITIVE_VERTEX_COUNT;

    const SettingsValues values = ReadSettingsFile(path.c_str());
    m_oDisplaySettings.uWidth = values.uWidth;
    m_oDisplaySettings.uHeight = values.uHeight;
    m_oDisplaySettings.bFullScreen = values.bFullScreen ? 1 : 0;
    m_oDisplaySettings.uAntiAliasing = values.uAntiAliasing;
    m_uLowResolutionVideo = values.uVideoHD == 0 ? 1 : 0;

    CoreSystem::Initialize(values.bFullScreen);
    Platform::Window* window = g_pCoreApp ? g_pCoreApp->GetWindow() : nullptr;
    m_oDisplaySettings.pWindow = window ? window->GetSdlWindow() : nullptr;
    return true;
}

void TwGame::GetSystemInformations()
{
    CorePrint(&g_oCoreLog, " - Get System Informations...\n");

    m_iSystemLanguage = GameLanguageOfPrimaryLanguage(Platform::UserInterfacePrimaryLanguage());
    m_iGameLanguage = m_iSystemLanguage;
    CorePrint(&g_oCoreLog, " -> System Language: %s, Game Language: %s\n", GetLanguageCode(m_iSystemLanguage),
              GetLanguageCode(m_iGameLanguage));

    if (FORCED_GAME_LANGUAGE != -1) {
        CorePrint(&g_oCoreLog, " -> **** Force Game Language : %s ****\n", GetLanguageCode(FORCED_GAME_LANGUAGE));
        m_iGameLanguage = FORCED_GAME_LANGUAGE;
        m_iVoiceLanguage = FORCED_GAME_LANGUAGE;
    }
}
