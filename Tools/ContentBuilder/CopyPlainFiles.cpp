#include "ContentSteps.h"

#include <cstdio>

namespace fs = std::filesystem;

// Content/Files holds files that the game reads as they are (Settings.ini...).
bool CopyPlainFiles(const fs::path& content, const fs::path& data)
{
    const fs::path source = content / "Files";
    if (!fs::exists(source))
        return true;
    std::error_code error;
    fs::copy(source, data, fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
    if (error) {
        std::fprintf(stderr, "ContentBuilder: copying %s failed: %s\n", source.c_str(), error.message().c_str());
        return false;
    }
    return true;
}
