#pragma once
#include <cstdio>
#include <string>

namespace Platform {

// The path to use for a data file: the path itself when it exists, otherwise
// the existing path that differs from it only in letter case (data folders
// come from a case-insensitive file system). When nothing matches, the path is
// returned with its existing folders resolved, so a file can still be created.
std::string ResolveDataPath(const char* path);

// fopen over ResolveDataPath; a folder is not opened.
FILE* OpenDataFile(const char* path, const char* mode);

} // namespace Platform
