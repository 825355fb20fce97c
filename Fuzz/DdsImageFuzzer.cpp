// A texture's DDS image as the texture manager reads it; every pixel of the
// level it hands on is touched, so that a level reaching outside the data is
// caught by the sanitizer.
#include "FuzzSupport.h"
#include "Texture/DdsImage.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DdsImage image;
    if (!ReadDdsImage("fuzz", data, size, image))
        return 0;
    volatile uint8_t sum = 0;
    for (uint32_t i = 0; i < image.m_iLevel0Size; ++i)
        sum = uint8_t(sum + image.m_pLevel0[i]);
    return 0;
}
