// A 3D scene file read as a scene reads it: the camera, the lights and the
// walk mesh.
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
    SerialStream stream(data, size, "fuzz.3dscene.o");
    scene.Initialize3D(stream);
    return 0;
}
