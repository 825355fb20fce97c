#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace TestSupport {

// A whole file; empty when it cannot be read.
std::string ReadFileText(const std::filesystem::path& path);
std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path);

// Everything an open file descriptor holds, read from its start without
// moving its offset.
std::string ReadDescriptor(int descriptor);

} // namespace TestSupport
