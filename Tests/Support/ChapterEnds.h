#pragma once
#include "Support/StoryRecord.h"

#include <cstdint>
#include <set>
#include <string>

namespace TestSupport {

// Where the story stands once chapter 1 is played to its end, however it was
// played: on the loading screen between the chapters with the kid, every
// step of the chapter's way noted, and in her hands only what she keeps.
void ExpectChapterOneEnded(const StoryRecord& story);

// The same for chapter 2: the heroine on the loading screen after Briscoe
// took his map, every step from the cabin to the map room noted, and the
// next chapter's start holding.
void ExpectChapterTwoEnded(const StoryRecord& story);

// The same for chapter 3: the heroine on the loading screen after the map
// cylinder opened, every step from the docks to the graveyard noted, and
// chapter 4's start holding.
void ExpectChapterThreeEnded(const StoryRecord& story);

// Where the story stands in chapter 4 once Percy has let the heroine up to
// his garden: Briscoe gone after the other half disk, the bell mended, Miss
// Brown's key found and her chest opened, the dark beach found on the wall
// map, Diego along, and the garden entered.
void ExpectChapterFourAtTheOpenGarden(const StoryRecord& story);

// The same for chapter 4: the heroine on the loading screen after Briscoe,
// untied on the dark reefs, was carried back aboard, every step from the
// garden to the reefs noted, and the next chapter's start holding.
void ExpectChapterFourEnded(const StoryRecord& story);

// The same for chapter 5: the heroine on the loading screen after Arno,
// Carlo and Razzo were caught on the docks, every step from Manuel's errands
// over Briscoe's burning house to the won chase noted, the sketch map in her
// hands, and the next chapter's start holding.
void ExpectChapterFiveEnded(const StoryRecord& story);

// The same for chapter 6: the heroine on the loading screen after her
// father, put to sleep by the tsetse fly and carried home, shared his
// memories, every step from the sketch map to Tanner island's burial
// chamber noted, and the next chapter's start holding.
void ExpectChapterSixEnded(const StoryRecord& story);

// Where the story stands in chapter 7 as the heroine first comes into the
// voodoo village: Briscoe cheered by the turtle map and his word of the
// village noted, Miss Brown's flowers killed with the weed killer from
// Percy's shed and their petals picked up.
void ExpectChapterSevenInTheVillage(const StoryRecord& story);

// The same for chapter 7: the heroine on the loading screen after Bajari
// brought Tanner's notes to the jetty, every step from the ingredients to
// Chemin's spell and Bajari's cure noted, and the next chapter's start
// holding.
void ExpectChapterSevenEnded(const StoryRecord& story);

// Where the story stands in chapter 8 as the heroine first comes into
// Drake's office: the sheet, the cork and Anita's fishing rod made the
// flying ghost that scared the guards off, and the pole below the canopy is
// hers.
void ExpectChapterEightInTheOffice(const StoryRecord& story);

// The same for chapter 8: the heroine on the loading screen after uncle
// Eduardo, found at the golden turtle inn by the turtle rod, talked with her
// in Alessandro's cabin, every step from the flying ghost over Mabel's
// justice and Drake's note from the safe (Mabel at rest) to Sonia's and
// Diego's word of the inn noted, the ram rod back on its musket, and the
// next chapter's start holding.
void ExpectChapterEightEnded(const StoryRecord& story);

// Where the story stands in chapter 9 as the heroine first comes out of the
// altar house: Diego's axe opened the jungle, the bridge was crossed and the
// lever sprang the trap; Eduardo pulled the pins, the earrings went to
// Briscoe and out of the chest into her hands, and the shell is still hers.
void ExpectChapterNineOutOfTheAltarHouse(const StoryRecord& story);

// The same for chapter 9: the heroine on the loading screen after the
// whistle called Eduardo on the turtle beach, every step from the bay over
// the ruins and the altar house to the mask that scared the harvesters off
// and Tanama shown the maps noted, and the next chapter's start holding.
void ExpectChapterNineEnded(const StoryRecord& story);

// The same for chapter 10, the last: the heroine on the loading screen
// before the credits after the confrontation on the turtle beach, every
// step from the turtle door over the spirit egg fetched from the shaman's
// hut past the guards to the hatching, the tanner's name and the chest
// noted.
void ExpectChapterTenEnded(const StoryRecord& story);

// What the chapter menu's start of the chapter sets holds in the story: its
// playing character, every flag but those given (which only the chapter menu
// sets: the story must not hold them), every number but the chapter's own
// (the loading screen's click sets it) and those given, and exactly its
// items.
void ExpectChapterStartHolds(const StoryRecord& story, int32_t chapter,
                             const std::set<std::string>& onlyTheMenuSets = {});

// The names of the flags the chapter menu's start of the chapter sets (none
// for a chapter it does not start).
std::set<std::string> ChapterStartFlags(int32_t chapter);

// The quest log carries over into the chapter: the playing character's open
// entries, by opening flag, are those the chapter menu's start of it opens,
// so that no finished errand stays in the log and none the chapter goes on
// with is missing; but for those only the chapter menu opens and those the
// story keeps open (a side quest still to do, an entry a later chapter
// closes).
void ExpectQuestLogCarriesOver(const StoryRecord& story, int32_t chapter,
                               const std::set<std::string>& onlyTheMenuOpens = {},
                               const std::set<std::string>& theStoryKeepsOpen = {});

} // namespace TestSupport
