#pragma once
#include <filesystem>
#include <string>

namespace TestSupport {

// The folders the test run is given through its environment.
std::filesystem::path SourceDir();
std::filesystem::path DataDir();
std::filesystem::path BinaryDir();

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    // Writes a file (and its folders) below the folder.
    void WriteFile(const std::string& relativePath, const std::string& contents) const;

private:
    std::filesystem::path m_path;
};

// Runs a test body with the working directory changed, restoring it after.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::filesystem::path& path);
    ~ScopedWorkingDirectory();

private:
    std::filesystem::path m_previous;
};

} // namespace TestSupport
