#pragma once
#include "Engine/Scripts/Common/StoryLinks.h"

// The flags that may stay unset, the quest-log entries that may open outside
// their chapter and the callbacks that may stay unsent in the game's data,
// each with why.
const AllowedLinks& AllowedUnsetFlags();
const AllowedLinks& AllowedLateQuestEntries();
const AllowedLinks& AllowedUnsentCallbacks();
