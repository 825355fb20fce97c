#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace Platform {

// What the sound layer keeps of a wave bank (".xwb").
struct WaveBankInfo {
    std::string name;
    bool streaming = false;
    uint32_t waveCount = 0;
};

// The number of leading bytes of a wave bank that hold everything but the
// wave data (0 when the 52-byte header is incomplete): what has to be read of
// a streamed bank to check it.
uint64_t WaveBankTablesSize(const uint8_t* bytes, size_t size);

// Checks that an untrusted wave bank image is one the engine can read without
// leaving it: the header and segments, the bank data, and every wave's
// format and region. The image holds at least the tables (all of a bank that
// is loaded into memory); fileSize is the size of the whole file, which the
// wave data must fit. Only PCM waves are accepted. Returns an empty text
// when it is, otherwise why not.
std::string CheckWaveBank(const uint8_t* bytes, size_t size, uint64_t fileSize, WaveBankInfo& info);

} // namespace Platform
