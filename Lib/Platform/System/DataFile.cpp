#include "System/DataFile.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <vector>

namespace Platform {
namespace {

bool Exists(const std::string& path)
{
    struct stat info { };
    return stat(path.c_str(), &info) == 0;
}

std::vector<std::string> SplitComponents(const std::string& path)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t slash = path.find_first_of("/\\", start);
        if (slash == std::string::npos)
            slash = path.size();
        if (slash > start)
            parts.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    return parts;
}

// The entry of a folder whose name equals the wanted one but for case.
bool FindEntryIgnoringCase(const std::string& folder, const std::string& wanted, std::string& found)
{
    DIR* directory = opendir(folder.empty() ? "." : folder.c_str());
    if (!directory)
        return false;
    bool matched = false;
    while (dirent* entry = readdir(directory)) {
        if (strcasecmp(entry->d_name, wanted.c_str()) == 0) {
            found = entry->d_name;
            matched = true;
            break;
        }
    }
    closedir(directory);
    return matched;
}

} // namespace

std::string ResolveDataPath(const char* path)
{
    const std::string original = path ? path : "";
    if (original.empty() || Exists(original))
        return original;

    const bool absolute = original[0] == '/';
    std::string resolved = absolute ? "/" : "";
    for (const std::string& part : SplitComponents(original)) {
        std::string candidate = resolved + part;
        if (!Exists(candidate) && part != "." && part != "..") {
            std::string found;
            if (FindEntryIgnoringCase(resolved, part, found))
                candidate = resolved + found;
        }
        resolved = candidate + "/";
    }
    resolved.pop_back();
    return resolved;
}

FILE* OpenDataFile(const char* path, const char* mode)
{
    FILE* file = std::fopen(ResolveDataPath(path).c_str(), mode);
    // A folder opens for reading here, but it is no data file.
    struct stat status { };
    if (file && (fstat(fileno(file), &status) != 0 || S_ISDIR(status.st_mode))) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

} // namespace Platform
