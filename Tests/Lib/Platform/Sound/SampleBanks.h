#pragma once
// The sample sound banks that the content builder writes into the data folder.
#include "Support/Files.h"
#include "Support/TestPaths.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace SampleBanks {

inline std::vector<uint8_t> Read(const std::string& name)
{
    return TestSupport::ReadFileBytes(TestSupport::DataDir() / "Sound" / name);
}

inline uint16_t U16(const std::vector<uint8_t>& bytes, size_t at)
{
    return static_cast<uint16_t>(bytes.at(at) | bytes.at(at + 1) << 8);
}

inline uint32_t U32(const std::vector<uint8_t>& bytes, size_t at)
{
    return U16(bytes, at) | static_cast<uint32_t>(U16(bytes, at + 2)) << 16;
}

inline std::string Text(const std::vector<uint8_t>& bytes, size_t at)
{
    return reinterpret_cast<const char*>(&bytes.at(at));
}

inline void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(at + i) = static_cast<uint8_t>(value >> (8 * i));
}

} // namespace SampleBanks
