// The check that stands before the sound engine reads a global settings file.
#include "Sound/GlobalSettingsLayout.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so that reading one byte past the image is caught.
    const std::vector<uint8_t> image(data, data + size);
    Platform::GlobalSettingsInfo info;
    Platform::CheckGlobalSettings(image.data(), image.size(), info);
    return 0;
}
