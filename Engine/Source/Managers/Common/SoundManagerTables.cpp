#include "Common/IdHash.h"
#include "Managers/Common/SoundManager.h"

namespace {

constexpr uint32_t KID = ActorIdOf("tavrine_kid");
constexpr uint32_t ADULT = ActorIdOf("tavrine");
constexpr fx32 STEP_VOLUME = 410;

// The footstep sounds of each step-sound set: on the first and on the second
// frame of a step.
constexpr int32_t FIRST_STEP[] = {0x19E8FD0A, 0x093C838C, 0x26B9ED25};
constexpr int32_t SECOND_STEP[] = {0x1795FA7A, 0x13DE0811, 0x3C7B9633};

} // namespace

#define STEP_ROWS(set)                                                                                                \
    {KID, 898, set, 1, FIRST_STEP[set - 1], STEP_VOLUME}, {KID, 898, set, 8, SECOND_STEP[set - 1], STEP_VOLUME},      \
        {KID, 891, set, 4, FIRST_STEP[set - 1], STEP_VOLUME}, {KID, 891, set, 10, SECOND_STEP[set - 1], STEP_VOLUME}, \
        {ADULT, 538, set, 1, FIRST_STEP[set - 1], STEP_VOLUME},                                                       \
        {ADULT, 538, set, 8, SECOND_STEP[set - 1], STEP_VOLUME},                                                      \
        {ADULT, 516, set, 4, FIRST_STEP[set - 1], STEP_VOLUME},                                                       \
    {                                                                                                                 \
        ADULT, 516, set, 10, SECOND_STEP[set - 1], STEP_VOLUME                                                        \
    }

const AnimSoundRow SoundManager::s_aAnimSounds[ANIM_SOUND_ROWS] = {
    {0, 0, 0, 0, -1, 0},
    STEP_ROWS(1),
    STEP_ROWS(2),
    STEP_ROWS(3),
};

#undef STEP_ROWS
