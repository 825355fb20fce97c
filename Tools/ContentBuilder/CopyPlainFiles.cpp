#include "ContentSteps.h"

#include <array>
#include <cstdio>
#include <strings.h>

namespace fs = std::filesystem;

namespace {

// Files of the data folder that belong to the user once written: the build
// writes them only when the data folder has none, so that edited settings and
// saved games survive every build.
constexpr std::array<const char*, 2> USER_FILES = {"Settings.ini", "save.dat"};

bool IsUserFile(const fs::path& relative)
{
    for (const char* name : USER_FILES)
        if (strcasecmp(relative.string().c_str(), name) == 0)
            return true;
    return false;
}

// Whether the folder holds the file under any letter case (the game finds
// its files without regard to case).
bool HasFile(const fs::path& folder, const fs::path& name)
{
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        if (strcasecmp(entry.path().filename().c_str(), name.c_str()) == 0)
            return true;
    return false;
}

} // namespace

// Content/Files holds files that the game reads as they are (Settings.ini...).
bool CopyPlainFiles(const fs::path& content, const fs::path& data)
{
    const fs::path source = content / "Files";
    if (!fs::exists(source))
        return true;
    std::error_code error;
    fs::recursive_directory_iterator entry(source, error);
    for (; !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
        const fs::path relative = entry->path().lexically_relative(source);
        const fs::path target = data / relative;
        if (entry->is_directory())
            fs::create_directories(target, error);
        else if (!IsUserFile(relative) || !HasFile(data, relative))
            fs::copy_file(entry->path(), target, fs::copy_options::overwrite_existing, error);
    }
    if (error) {
        std::fprintf(stderr, "ContentBuilder: copying %s failed: %s\n", source.c_str(), error.message().c_str());
        return false;
    }
    return true;
}
