#include "IncludeLayers/IncludeGraph.h"

#include <algorithm>
#include <fstream>
#include <regex>

namespace {

// The folders the build adds to the include path, and the folders scanned.
constexpr const char* INCLUDE_ROOTS[] = {"Engine/Source", "Lib/Core/Source/common", "Lib/Core/Source/Linux",
                                         "Lib/Platform"};
constexpr const char* SCANNED_FOLDERS[] = {"Engine/Source", "Lib"};

bool IsSourceFile(const std::filesystem::path& path)
{
    const std::string extension = path.extension().string();
    return extension == ".h" || extension == ".cpp" || extension == ".c" || extension == ".inc";
}

std::string RelativeName(const std::filesystem::path& path, const std::filesystem::path& root)
{
    return path.lexically_relative(root).generic_string();
}

// The project file the include names, or empty when it is not one of ours.
std::string Resolve(const std::filesystem::path& root, const std::filesystem::path& includingFile,
                    const std::string& name)
{
    std::error_code error;
    const std::filesystem::path local = (includingFile.parent_path() / name).lexically_normal();
    if (std::filesystem::is_regular_file(local, error))
        return RelativeName(local, root);
    for (const char* includeRoot : INCLUDE_ROOTS) {
        const std::filesystem::path candidate = (root / includeRoot / name).lexically_normal();
        if (std::filesystem::is_regular_file(candidate, error))
            return RelativeName(candidate, root);
    }
    return {};
}

void ReadFileIncludes(const std::filesystem::path& root, const std::filesystem::path& file,
                      std::vector<IncludeEdge>& edges)
{
    static const std::regex INCLUDE_LINE(R"re(^\s*#\s*include\s*["<]([^">]+)[">])re");
    std::ifstream stream(file);
    std::string text;
    int line = 0;
    while (std::getline(stream, text)) {
        ++line;
        std::smatch match;
        if (!std::regex_search(text, match, INCLUDE_LINE))
            continue;
        std::string target = Resolve(root, file, match[1].str());
        if (!target.empty())
            edges.push_back({RelativeName(file, root), std::move(target), line});
    }
}

} // namespace

std::vector<IncludeEdge> ReadIncludeGraph(const std::filesystem::path& projectRoot)
{
    std::vector<IncludeEdge> edges;
    for (const char* folder : SCANNED_FOLDERS) {
        std::error_code error;
        std::filesystem::recursive_directory_iterator it(projectRoot / folder, error);
        if (error)
            continue;
        std::vector<std::filesystem::path> files;
        for (const auto& entry : it)
            if (entry.is_regular_file() && IsSourceFile(entry.path()))
                files.push_back(entry.path());
        // Reports come out in the same order on every file system.
        std::ranges::sort(files);
        for (const std::filesystem::path& file : files)
            ReadFileIncludes(projectRoot, file, edges);
    }
    return edges;
}
