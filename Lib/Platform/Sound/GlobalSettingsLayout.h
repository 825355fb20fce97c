#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Platform {

// What the sound layer keeps of a global settings file (".xgs").
struct GlobalSettingsInfo {
    std::vector<std::string> categoryNames;
    std::vector<std::string> variableNames;
};

// Checks that an untrusted image is a global settings file whose tables the
// engine can read without leaving the image: its header, counts and offsets,
// the tables in the order in which they are read, a category tree rooted at
// the first category, and the reserved variables that cues and 3D placement
// use. Returns an empty text when it is, otherwise why not.
std::string CheckGlobalSettings(const uint8_t* bytes, size_t size, GlobalSettingsInfo& info);

} // namespace Platform
