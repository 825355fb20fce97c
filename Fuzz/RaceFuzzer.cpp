// The chase's race file read as the chase reads it (25 obstacle kinds), then
// a track built and its elements placed, so that a pattern or element read
// from outside the file, or a slot past the arrays, is caught.
#include "FuzzSupport.h"
#include "MiniGame/Common/MiniGameRace.h"
#include "MiniGame/Common/SpritePool.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    constexpr int32_t CHASE_OBSTACLE_KINDS = 25;
    if (size > 0xFFFFFFFFu)
        return 0;
    SpritePool pool;
    MiniGameRace race;
    if (!pool.Initialize(CHASE_OBSTACLE_KINDS) || !race.Initialize(&pool))
        std::abort();
    CoreResource resource;
    resource.m_pBuffer = const_cast<uint8_t*>(data);
    resource.m_uSize = static_cast<uint32_t>(size);
    if (race.InitializePatterns(resource, "fuzz.race")) {
        race.GetRandom().Init(static_cast<int64_t>(size));
        const int32_t slots = race.GenerateRacePatterns();
        if (slots <= 0 || slots > race.GetRacePatternsMax())
            std::abort();
        race.ResetElements();
        for (int32_t i = 0; i < race.GetElementCapacity(); ++i) {
            const RaceElement& element = race.GetElements()[i];
            if (element.m_iKind != RACE_ELEMENT_TYPE_NONE &&
                pool.GetSprite(element.m_iKind, element.m_iCopy) == nullptr)
                std::abort();
        }
    }
    race.FreePatterns();
    race.Shutdown();
    pool.Shutdown();
    return 0;
}
