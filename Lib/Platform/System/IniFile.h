#pragma once
#include <cstdint>
#include <string>

namespace Platform {

// Reads a key of an INI file the way the original platform's profile reader
// finds it: section and key names ignore case, ";" starts a comment line.
// Gives the value as written (blanks around it and one pair of quotes
// removed); false, leaving value alone, when the file, section or key is
// missing.
bool ReadIniText(const char* section, const char* key, const char* path, std::string& value);

} // namespace Platform
