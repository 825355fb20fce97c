#pragma once
#include <cstdint>

namespace Platform {

// Reads an integer key of an INI file the way the original platform's profile
// reader does: section and key names ignore case; a missing file, section, key
// or an empty value gives the default; otherwise the leading decimal number
// (with its sign) is taken, "-1" giving all bits set and text without digits 0.
uint32_t ReadIniInteger(const char* section, const char* key, uint32_t defaultValue, const char* path);

} // namespace Platform
