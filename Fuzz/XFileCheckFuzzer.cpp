// The check that stands before the X-file importer, on its own (it is fast,
// so it gets far more inputs than the loader).
#include "Mesh/XFileTextCheck.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so that reading one byte past the text is caught.
    const std::vector<char> text(data, data + size);
    Platform::IsSafeXFileText(text.data(), text.size());
    return 0;
}
