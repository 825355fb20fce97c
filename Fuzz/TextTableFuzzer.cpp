// A text table taken into a localiser bank as the game takes it (into a
// buffer of its own that the localiser may mark prepared), then searched for
// every id it names and for ids it may not hold; every text found is read to
// its end, so that a string reaching outside the table is caught.
#include "Bytes/LittleEndian.h"
#include "FuzzSupport.h"
#include "Utils/Common/DkLocalizer.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 0xFFFFFFFFu)
        return 0;
    std::vector<uint8_t> table(data, data + size);
    DkLocalizerBank banks[DkLocalizer::BANK_COUNT];
    DkLocalizer localizer;
    localizer.Initialize(banks);
    if (localizer.AddBank("fuzz", table.data(), uint32_t(table.size())) == -1)
        return 0;
    const DkLocalizerBank& bank = localizer.GetBanks()[0];
    volatile size_t length = 0;
    for (uint32_t i = 0; i < bank.m_uCount; ++i) {
        const uint32_t id = ReadWord(bank.m_pEntries, size_t(i) * 8);
        for (uint32_t probe : {id, id - 1, id + 1})
            length = length + std::strlen(localizer.GetText(probe));
    }
    length = length + std::strlen(localizer.GetText(0xFFFFFFFFu));
    return 0;
}
