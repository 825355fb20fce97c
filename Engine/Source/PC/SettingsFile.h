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

// Reads the settings file at path; a missing file, key or empty value gives
// the default. A value that is not a whole number, or that the renderer cannot
// use, takes its default with a log line naming the key: a width or height
// outside 1 to 8192 (the renderer divides by both), an anti-aliasing level of
// 1, below 0 or above 16, and a full-screen or movie value beyond 32 bits.
SettingsValues ReadSettingsFile(const char* path);
