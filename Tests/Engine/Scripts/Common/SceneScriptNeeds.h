#pragma once
#include "Common/SceneIds.h"
#include "ScriptEngine/common/ScriptNode.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

class ActorSet;

// What a scene's handlers need of the built data in a chapter: a walk
// animation in the figure of every actor they walk (else it slides), an idle
// one in the figure of every actor they turn, place or animate (else it
// freezes), a walk or an idle one given to every actor they walk or turn
// (else the turn asserts), and every sound they play in a wave bank loaded
// then (else the sound layer asserts).

// Why a figure, given its animations by its scene, cannot walk (stand
// idle): empty when it can, or when its animation table holds no walk (idle)
// cycle for the actor, which no scene can give it.
struct FigureMoves {
    std::string walk;
    std::string idle;
    // Why it cannot turn: empty when its set gives it a walk or an idle
    // animation to turn with, whatever its table holds.
    std::string turn;
    // The animations the set gives the character, by id.
    std::set<int32_t> given;
};

// A cast the scene may load: the actor set's name and its actors' figures.
struct CastFigures {
    std::string name;
    std::map<uint32_t, FigureMoves> figures;
};

// Wave banks loaded while the scene runs: those of its sound group (-1 when
// it loads none) and those loaded for the whole game.
struct LoadedBanks {
    int32_t iGroup = -1;
    std::set<std::string> banks;
};

// What the built data gives the scene in one chapter: every cast and every
// choice of loaded banks it may have then.
struct ChapterSupplies {
    std::vector<CastFigures> casts;
    std::vector<LoadedBanks> loads;
};

// The wave banks that each sound's cue plays from, by sound id.
using SoundCueBanks = std::map<int32_t, std::set<std::string>>;

// A need a handler finds unmet: the handler and what is missing.
struct UnmetNeed {
    std::string handler;
    std::string fault;
};

// The figure's moves, from the built pack at pPath with the animation types
// that the set gives its character iCharacter; none when the pack does not
// load.
std::optional<FigureMoves> ReadFigureMoves(const char* pPath, uint32_t uActorId, const ActorSet& set,
                                           int32_t iCharacter);

// The built sound bank's cues, read with the category count of the built
// global settings; none when either is missing or refused.
std::optional<SoundCueBanks> ReadSoundCueBanks(const std::string& settingsPath, const std::string& soundBankPath);

// Of the conditions that pick the first that holds (an actor set, a sound
// group), the indices of those picked in the chapter for some value of the
// flags they test; the count itself stands for the fallback, picked when
// none holds. Conditions on other numbers, or on many flags, are judged by
// the chapter alone: one it does not decide may be picked.
std::vector<int32_t> ChoicesInChapter(const ScriptNodePool& pool, std::span<const ScriptNodeIndex> conditions,
                                      int32_t iChapter);

// The actors that the chapter's nodes walk without a walk animation, or turn,
// place or animate without an idle one, or walk or turn with neither, in a
// cast they stand in.
std::vector<UnmetNeed> UnmetFigureNeeds(const ScriptNodePool& pool, ScriptNodeIndex iRoot,
                                        std::span<const ScriptNodeIndex> nodes, const SceneDesc& scene,
                                        const ChapterSupplies& supplies);

// The animations that the chapter's nodes play on an actor whose list in a
// cast it stands in lacks them (the engine would log the animation missing
// and the actor stand still). Where they play more on one actor than a
// character holds, a full list is as much as the cast can give.
std::vector<UnmetNeed> UnmetAnimationNeeds(const ScriptNodePool& pool, ScriptNodeIndex iRoot,
                                           std::span<const ScriptNodeIndex> nodes, const SceneDesc& scene,
                                           const ChapterSupplies& supplies);

// An action that plays a sound or starts one of the scene's dialogs, in a
// handler that a chapter reaches.
struct ChapterAction {
    // What runs the handler: the scene's start (every entry), a dialog's
    // callback, or anything else (a click, an item's use), whose chapter the
    // tree does not tell.
    enum class Trigger {
        Start,
        Callback,
        Other
    };
    std::string handler;
    Trigger trigger = Trigger::Other;
    uint32_t uCallback = 0;
    // Whether a condition that the chapter decides leads to it.
    bool bChapterLed = false;
    int32_t iActionType = 0;
    int32_t iValue = 0;
};

// Callbacks by dialog key.
using DialogCallbacks = std::map<uint32_t, std::set<uint32_t>>;

// The chapter's nodes that play a sound or start a dialog of the scene.
std::vector<ChapterAction> SoundAndDialogActions(const ScriptNodePool& pool, ScriptNodeIndex iRoot,
                                                 std::span<const ScriptNodeIndex> nodes, const SceneDesc& scene,
                                                 int32_t iChapter);

// The callbacks that each dialog of the built group at `path` may send in
// the chapter: those on no path that a condition on the chapter shuts;
// none when the group cannot be read.
DialogCallbacks DialogCallbacksInChapter(const std::string& path, int32_t iChapter);

// The callbacks that each dialog of the group sends on every run in the
// chapter: its own lines that no condition but the chapter holds back,
// before any choice or jump that may end it.
DialogCallbacks CallbacksEveryRunSends(const std::string& path, int32_t iChapter);

// The callbacks sent in a chapter: by a dialog that an action of the
// chapter starts (one that runs then for sure: at the scene's start, under a
// condition on the chapter, or on a callback sent then for sure), and by a
// dialog that an action of no known chapter (a click, an item's use) may
// start then.
struct SentCallbacks {
    std::set<uint32_t> known;
    std::set<uint32_t> maybe;
};

// The callbacks sent in each chapter (by index), found to a fixed point,
// since a callback's handler may start another dialog. A callback that the
// group's dialogs send somewhere, `sendable`, runs its handler only where it
// is sent; any other may run it anywhere.
std::vector<SentCallbacks> CallbacksSentByChapter(const std::vector<std::vector<ChapterAction>>& actions,
                                                  const std::vector<DialogCallbacks>& dialogs,
                                                  const std::set<uint32_t>& sendable);

// The sounds that the chapter's actions play from a wave bank that is not
// loaded when they run: an action that runs in a chapter the tree tells
// (the scene's start, a condition on the chapter, a callback sent then for
// sure) needs it in every choice of the chapter's loaded banks; any other
// fires in a chapter it does not tell, and needs it among the banks that
// the scene loads in some chapter, `everLoaded`.
std::vector<UnmetNeed> UnmetSoundNeeds(std::span<const ChapterAction> actions, const SentCallbacks& sentThen,
                                       const std::set<uint32_t>& sendable, const ChapterSupplies& supplies,
                                       const std::set<std::string>& everLoaded, const SoundCueBanks& cues);
