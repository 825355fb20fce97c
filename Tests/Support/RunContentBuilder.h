#pragma once
#include <filesystem>
#include <string>

namespace TestSupport {

struct ContentBuildResult {
    int exitCode;
    std::string errors;
};

// Runs the content builder of the build folder on `content`, writing into
// `data`; its exit code and what it printed on standard error.
ContentBuildResult RunContentBuilder(const std::filesystem::path& content, const std::filesystem::path& data);

} // namespace TestSupport
