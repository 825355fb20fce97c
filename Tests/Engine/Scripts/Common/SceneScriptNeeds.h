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
// freezes), and every sound they play in a wave bank loaded then (else the
// sound layer asserts).

// Why a figure, given its animations by its scene, cannot walk (stand
// idle): empty when it can, or when its animation table holds no walk (idle)
// cycle for the actor, which no scene can give it.
struct FigureMoves {
    std::string walk;
    std::string idle;
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
// place or animate without an idle one, in a cast they stand in.
std::vector<UnmetNeed> UnmetFigureNeeds(const ScriptNodePool& pool, ScriptNodeIndex iRoot,
                                        std::span<const ScriptNodeIndex> nodes, const SceneDesc& scene,
                                        const ChapterSupplies& supplies);

// The sounds that the chapter's nodes play from a wave bank that is not
// loaded: a node that a condition on the chapter leads to needs it in
// every choice of the chapter's loaded banks; a node of a handler that runs
// whatever the chapter (a callback, an item's use) fires in a chapter that
// the tree does not tell, and needs it among the banks the scene loads in
// some chapter, `everLoaded`.
std::vector<UnmetNeed> UnmetSoundNeeds(const ScriptNodePool& pool, ScriptNodeIndex iRoot,
                                       std::span<const ScriptNodeIndex> nodes, const SceneDesc& scene, int32_t iChapter,
                                       const ChapterSupplies& supplies, const std::set<std::string>& everLoaded,
                                       const SoundCueBanks& cues);
