#pragma once
#include <filesystem>
#include <string>
#include <vector>

// One include line of a source file, with the file it names.
struct IncludeEdge {
    // Both relative to the project root, with '/' separators.
    std::string from;
    std::string to;
    int line = 0;
};

// The include lines of every source file below the project's library and
// engine folders, each resolved through the include roots the build gives
// (or, failing that, the including file's own folder), whether the name is
// quoted or in angle brackets. An include of a file outside the project (the
// standard library, SDL...) is left out.
std::vector<IncludeEdge> ReadIncludeGraph(const std::filesystem::path& projectRoot);
