// A scene description read as a scene reads it: layers with their sprites and
// regions, entities registered with the script manager, locators and actor
// sets, all released and unregistered with the scene.
#include "FuzzSupport.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SerialStream.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Scene scene;
    SerialStream stream(data, size, "fuzz.twscene.pc");
    scene.Initialize2D(stream);
    return 0;
}
