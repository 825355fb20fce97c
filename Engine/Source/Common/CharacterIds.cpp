#include "Common/CharacterIds.h"

namespace {

const char* const s_apBoneNames[ID_BONE_LAST] = {
    "root", "Bip01", "Bip01_L_Hand", "Bip01_R_Hand", "Bip01_Head", "Bip01_R_Foot", "Bip01_Footsteps",
};

const char* const s_apMoodNames[MOOD_COUNT] = {
    "default", "afraid", "angry", "happy", "sad", "shy", "sick", "surprised", "wondering",
};

} // namespace

const char* Id::GetBoneName(int iBoneId)
{
    return iBoneId >= 0 && iBoneId < ID_BONE_LAST ? s_apBoneNames[iBoneId] : nullptr;
}

const char* Id::GetMoodName(int iMood)
{
    return iMood >= 0 && iMood < MOOD_COUNT ? s_apMoodNames[iMood] : nullptr;
}
