// An auto-test recording read as the game reads it at start-up.
#include "FuzzSupport.h"
#include "ScriptEngine/common/AutoTestRecording.h"

#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so that reading one byte past the file is caught.
    const std::vector<uint8_t> file(data, data + size);
    AutoTestRecording recording;
    recording.Parse(file, "fuzz autotest.dat");
    return 0;
}
