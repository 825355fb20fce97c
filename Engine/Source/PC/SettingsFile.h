#pragma once
#include <cstdint>

// The values of "Settings.ini", with the defaults for what the file lacks.
struct SettingsValues {
    uint32_t uWidth = 1280;
    uint32_t uHeight = 960;
    bool bFullScreen = false;
    uint32_t uAntiAliasing = 0;
    uint32_t uVideoHD = 1;
};

// Reads the settings file at path; a missing file gives the defaults. A
// width or height of 0 takes its default (nothing can be shown in it, and
// the renderer divides by both); an anti-aliasing level of 1 or above 16
// means none.
SettingsValues ReadSettingsFile(const char* path);
