#include "Support/TestPaths.h"

#include <cstdlib>
#include <fstream>
#include <random>

namespace TestSupport {
namespace {

std::filesystem::path FromEnvironment(const char* variable, const std::filesystem::path& fallback)
{
    const char* value = std::getenv(variable);
    return (value && *value) ? std::filesystem::path(value) : fallback;
}

} // namespace

std::filesystem::path SourceDir()
{
    return FromEnvironment("VELMARSH_SOURCE_DIR", std::filesystem::current_path());
}

std::filesystem::path BinaryDir()
{
    return FromEnvironment("VELMARSH_BINARY_DIR", std::filesystem::current_path());
}

std::filesystem::path DataDir()
{
    return FromEnvironment("VELMARSH_DATA_DIR", BinaryDir() / "Data");
}

TempDir::TempDir()
{
    std::random_device device;
    const auto base = std::filesystem::temp_directory_path();
    do {
        m_path = base / ("velmarsh-test-" + std::to_string(device()));
    } while (!std::filesystem::create_directory(m_path));
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void TempDir::WriteFile(const std::string& relativePath, const std::string& contents) const
{
    const auto path = m_path / relativePath;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << contents;
}

ScopedWorkingDirectory::ScopedWorkingDirectory(const std::filesystem::path& path)
    : m_previous(std::filesystem::current_path())
{
    std::filesystem::current_path(path);
}

ScopedWorkingDirectory::~ScopedWorkingDirectory()
{
    std::filesystem::current_path(m_previous);
}

} // namespace TestSupport
