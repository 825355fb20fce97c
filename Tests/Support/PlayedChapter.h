#pragma once
#include "Support/PlayScript.h"
#include "Support/PlayWay.h"
#include "Support/TestPaths.h"

#include <initializer_list>
#include <string>

namespace TestSupport {

// From the start menu, the first slot continued: the chapter's start, which
// the test wrote there, comes up in its first scene; no new game begins.
void ContinueTheChapter(Way& way, const std::string& firstScene);

// The real game played by the play in the folder, small and fast, to its
// end: no step failed, no engine assert, and the game's log shows the way's
// lines in order. Fails (fatally) when the game does not end in time.
void ExpectThePlayWentItsWay(const TempDir& folder, PlayScript& play, const Way& way);

// The pictures the play took, each compared with its reference in the
// folder of references (such as "Engine/PC/ChapterTwoPlay").
void ExpectPicturesAsReferenced(const TempDir& folder, const std::string& references,
                                std::initializer_list<const char*> pictures);

} // namespace TestSupport
