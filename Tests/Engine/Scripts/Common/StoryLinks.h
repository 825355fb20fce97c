#pragma once
#include "Common/SceneIds.h"
#include "Dialogs/Common/DialogNode.h"
#include "ScriptEngine/common/ScriptNode.h"

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

// Whether every moment of the story can happen: each flag that something
// reads has something that sets it, no later than a chapter it is read in,
// and each callback a scene's script waits for is sent by one of its
// dialogs. A flag nobody sets, or a callback nobody sends, is a branch of
// the story that no player ever sees.

// Ids used chapter by chapter, with the first place found using each, for
// the messages.
struct ChapterUses {
    std::map<int32_t, std::set<int32_t>> chapters;
    std::map<int32_t, std::string> places;

    void Add(int32_t iId, int32_t iChapter, const std::string& place);
};

// The flags read (in a condition, by a dialog or the quest log), set true by
// what the story plays (a script action, a dialog, an item's use or the
// engine itself) and set true by the chapter menu's start of a chapter.
struct FlagUses {
    ChapterUses reads;
    ChapterUses sets;
    ChapterUses started;
};

// Adds the flags that the chapter's script nodes test and set true; the
// places name the scene's handlers.
void AddScriptFlagUses(const ScriptNodePool& pool, ScriptNodeIndex iRoot, std::span<const ScriptNodeIndex> nodes,
                       const SceneDesc& scene, int32_t iChapter, FlagUses& uses);

// Calls visit with each dialog's key and each of its nodes that no
// condition on the chapter shuts, for the built group at path; false when
// the group cannot be read.
bool VisitDialogNodesInChapter(const std::string& path, int32_t iChapter,
                               const std::function<void(uint32_t, const DialogNode&)>& visit);

// Adds the flags that the built dialog group at path tests and sets true in
// the chapter; false when the group cannot be read.
bool AddDialogFlagUses(const std::string& path, int32_t iChapter, FlagUses& uses);

// Adds the flags that the quest log reads in every chapter of the story, the
// ones that the chapter menu sets at each chapter's start, and the ones that
// the engine sets itself (the mini-games' results, the map's flag, the
// talk trophies).
void AddGameFlagUses(FlagUses& uses);

// Adds the callbacks that the chapter's nodes wait for.
void AddAwaitedCallbacks(const ScriptNodePool& pool, ScriptNodeIndex iRoot, std::span<const ScriptNodeIndex> nodes,
                         const SceneDesc& scene, int32_t iChapter, ChapterUses& awaited);

// Explained exceptions, by the name that the faults give them.
using AllowedLinks = std::map<std::string, std::string>;

// One line for each flag read that is not set in a chapter at or before one
// it is read in, unless allowed by name, and one for each allowed name that
// no longer needs to be.
std::vector<std::string> UnsetFlags(const FlagUses& uses, const AllowedLinks& allowed);

// One line for each quest-log entry of a chapter (its opening flag is named
// VARBOOL_QUEST_C<chapter>_...) that something opens but nothing that
// chapter plays: only the chapter menu's start of a chapter opens it, or the
// story opens it in another chapter. Allowed by the opening flag's name; an
// allowed name that no longer needs to be is reported too.
std::vector<std::string> QuestEntriesOpenedLate(const FlagUses& uses, const AllowedLinks& allowed);

// The name that the callback's faults give it in the scene:
// "bg105 0x0E889964".
std::string CallbackName(const SceneDesc& scene, uint32_t uCallback);

// One line for each callback that the scene waits for in no chapter where a
// dialog sends it (sent: the callbacks its dialog groups send, by chapter),
// unless allowed by its CallbackName; and one for each allowed callback of
// the scene that is sent after all.
std::vector<std::string> UnsentCallbacks(const SceneDesc& scene, const ChapterUses& awaited,
                                         const std::map<int32_t, std::set<uint32_t>>& sent,
                                         const AllowedLinks& allowed);
