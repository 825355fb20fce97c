#include "PC/SettingsFile.h"

#include "System/IniFile.h"

SettingsValues ReadSettingsFile(const char* path)
{
    SettingsValues values;
    const SettingsValues defaults;

    values.uWidth = Platform::ReadIniInteger("ScreenResolution", "ResolutionX", defaults.uWidth, path);
    values.uHeight = Platform::ReadIniInteger("ScreenResolution", "ResolutionY", defaults.uHeight, path);
    if (values.uWidth == 0)
        values.uWidth = defaults.uWidth;
    if (values.uHeight == 0)
        values.uHeight = defaults.uHeight;

    values.bFullScreen = Platform::ReadIniInteger("Application", "FullScreen", 0, path) != 0;

    values.uAntiAliasing = Platform::ReadIniInteger("Application", "AA", defaults.uAntiAliasing, path);
    if (values.uAntiAliasing == 1 || values.uAntiAliasing > 16)
        values.uAntiAliasing = 0;

    values.uVideoHD = Platform::ReadIniInteger("Application", "VideoHD", defaults.uVideoHD, path);
    return values;
}
