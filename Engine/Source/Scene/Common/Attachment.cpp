#include "Scene/Common/Attachment.h"

#include <iterator>

namespace {

const char* const s_apBoneNames[] = {"root",       "Bip01",        "Bip01_L_Hand",   "Bip01_R_Hand",
                                     "Bip01_Head", "Bip01_R_Foot", "Bip01_Footsteps"};

} // namespace

const char* GetBoneName(int32_t iBoneId)
{
    if (iBoneId < 0 || iBoneId >= static_cast<int32_t>(std::size(s_apBoneNames)))
        return nullptr;
    return s_apBoneNames[iBoneId];
}
