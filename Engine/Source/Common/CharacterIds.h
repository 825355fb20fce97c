#pragma once

// Bones that attachments hang on, and the moods of the dialog portraits.
constexpr int ID_BONE_INVALID = -1;
constexpr int ID_BONE_LAST = 7;
constexpr int MOOD_COUNT = 9;

namespace Id {

// "root", "Bip01", "Bip01_L_Hand", ... by bone id; null outside 0..6.
const char* GetBoneName(int iBoneId);
// "default", "afraid", ... "wondering" by mood; null outside 0..8.
const char* GetMoodName(int iMood);

} // namespace Id
