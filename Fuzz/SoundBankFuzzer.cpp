// The check that stands before the sound engine reads a sound bank.
#include "Sound/SoundBankLayout.h"

#include <cstdint>
#include <vector>

namespace {

// More categories than the sample's global settings define, so that a
// category index is refused only when it is far out.
constexpr size_t CATEGORY_COUNT = 32;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so that reading one byte past the image is caught.
    const std::vector<uint8_t> image(data, data + size);
    Platform::SoundBankInfo info;
    Platform::CheckSoundBank(image.data(), image.size(), CATEGORY_COUNT, info);
    return 0;
}
