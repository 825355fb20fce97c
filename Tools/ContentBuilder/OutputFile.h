#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

// Writes a file of the data folder whole or not at all, making its folders;
// throws ContentError naming the file when it cannot be written.
void WriteOutputFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
