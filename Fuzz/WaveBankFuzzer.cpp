// The check that stands before the sound engine reads a wave bank, both ways
// the engine uses it: a bank loaded whole, and a streamed bank checked from
// its tables against the size of the whole file.
#include "Sound/WaveBankLayout.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Platform::WaveBankInfo info;
    {
        // Exact-size copies, so that reading one byte past the image is caught.
        const std::vector<uint8_t> whole(data, data + size);
        Platform::CheckWaveBank(whole.data(), whole.size(), whole.size(), info);
    }
    const uint64_t tablesSize = Platform::WaveBankTablesSize(data, size);
    if (tablesSize > 0 && tablesSize <= size) {
        const std::vector<uint8_t> tables(data, data + tablesSize);
        Platform::CheckWaveBank(tables.data(), tables.size(), size, info);
    }
    return 0;
}
