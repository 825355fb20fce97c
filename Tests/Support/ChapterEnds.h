#pragma once
#include "Support/StoryRecord.h"

namespace TestSupport {

// Where the story stands once chapter 1 is played to its end, however it was
// played: on the loading screen between the chapters with the kid, every
// step of the chapter's way noted, and in her hands only what she keeps.
void ExpectChapterOneEnded(const StoryRecord& story);

} // namespace TestSupport
