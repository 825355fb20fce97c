#include "Engine/Scripts/Common/StoryLinksAllowed.h"

const AllowedLinks& AllowedUnsetFlags()
{
    static const AllowedLinks s_allowed {
        // The only way from the hut down to this square is the hut's exit,
        // which plays no dialog, and every way up to the hut clears it.
        {"VARBOOL_BG504_C10_OUT_FROM_BG511",
         "read on the way down from the hut only; the hut's exit plays no dialog and the way up clears it"},
        {"VARBOOL_RESERVED_00", "tested only by a town-hall callback that no dialog sends and whose action does "
                                "nothing"},
        {"VARBOOL_QUEST_C4_FIND_TOOLS", "opens and closes the same quest-log row, which so never shows"},
        // A wait for the uncle's letter: chapter 4 opens on that letter.
        {"VARBOOL_QUEST_C4_UNCLE_EDUARDO04",
         "still no letter from the uncle, but the letter is chapter 4's first line"},
        {"VARBOOL_QUEST_C4_UNCLE_EDUARDO04_DONE", "closes an entry that chapter 4's opening letter makes moot"},
        {"VARBOOL_QUEST_C7_TALKCHIEFS", "the sample village has no elders for her to tell"},
        {"VARBOOL_QUEST_C7_TALKCHIEFS_DONE", "the sample village has no elders for her to tell"},
        {"VARBOOL_QUEST_C8_PEDRO01_DONE",
         "the sample tells the stranger's story the other way round: Anita learns it from the witness account"},
        {"VARBOOL_QUEST_C8_PEDRO02",
         "the sample tells the stranger's story the other way round: no witness is ever asked for"},
        {"VARBOOL_QUEST_C8_PEDRO02_DONE",
         "the sample tells the stranger's story the other way round: no witness is ever asked for"},
        {"VARBOOL_QUEST_C8_PEDRO03",
         "the sample tells the stranger's story the other way round: Pedro's trouble is never asked about"},
        {"VARBOOL_QUEST_C8_TURTLE_INN02", "nobody sends her to Sonia: she asks Sonia herself"},
        {"VARBOOL_QUEST_C8_TURTLE_INN02_DONE", "nobody sends her to Sonia: she asks Sonia herself"},
        {"VARBOOL_QUEST_C9_HUT",
         "tells of a wall plank knocked out, where the sample's way out is a plank laid across the posts"},
        {"VARBOOL_QUEST_C9_THIEVES_DONE",
         "nothing in the sample stops Hilary: she is last seen as the shaman's friend"},
    };
    return s_allowed;
}

const AllowedLinks& AllowedLateQuestEntries()
{
    static const AllowedLinks s_allowed {};
    return s_allowed;
}

const AllowedLinks& AllowedUnsentCallbacks()
{
    static const AllowedLinks s_allowed {
        {"bg107 0xC3FCE571", "its one action is one the script runtime ignores: sending it would show nothing"},
    };
    return s_allowed;
}
