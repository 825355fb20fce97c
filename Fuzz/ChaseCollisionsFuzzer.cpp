// The chase's collisions file read as the chase reads it, then every kind's
// box asked for, so that a box stored outside the kinds is caught.
#include "FuzzSupport.h"
#include "MiniGame/Common/MiniGameChase.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 0xFFFFFFFFu)
        return 0;
    MiniGameChase chase;
    if (chase.InitializeCollisionsResource(data, uint32_t(size), "fuzz.col")) {
        volatile fx32 area = 0;
        for (int32_t kind = 0; kind < chase.GetCollisionObstacleCount(); ++kind) {
            const MGRectangle* box = chase.GetCollisionBox(kind);
            area = area + (box->m_fxWidth ^ box->m_fxHeight ^ box->m_fxX ^ box->m_fxY);
        }
    }
    chase.FreeCollisionsResource();
    return 0;
}
