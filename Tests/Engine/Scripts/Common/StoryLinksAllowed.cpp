#include "Engine/Scripts/Common/StoryLinksAllowed.h"

namespace {

// Quest-log entries that the sample story neither opens nor closes: the
// quest log alone reads them, and the story goes on without them.
constexpr const char* QUEST_LOG_ONLY_ENTRIES[] = {
    "VARBOOL_QUEST_C7_BAJARI",
    "VARBOOL_QUEST_C7_BAJARI_DONE",
    "VARBOOL_QUEST_C7_MIXING03",
    "VARBOOL_QUEST_C7_MIXING03_DONE",
    "VARBOOL_QUEST_C7_TALKCHIEFS",
    "VARBOOL_QUEST_C7_TALKCHIEFS_DONE",
    "VARBOOL_QUEST_C7_TANNERSFRIEND02",
    "VARBOOL_QUEST_C7_TANNERSFRIEND02_DONE",
    "VARBOOL_QUEST_C8_CONSIGNMENT01_DONE",
    "VARBOOL_QUEST_C8_CONSIGNMENT02_DONE",
    "VARBOOL_QUEST_C8_CONSIGNMENT04",
    "VARBOOL_QUEST_C8_CONSIGNMENT04_DONE",
    "VARBOOL_QUEST_C8_CONSIGNMENT05",
    "VARBOOL_QUEST_C8_CONSIGNMENT05_DONE",
    "VARBOOL_QUEST_C8_CONSIGNMENT06",
    "VARBOOL_QUEST_C8_DRAKES_OFFICE",
    "VARBOOL_QUEST_C8_DRAKES_OFFICE_DONE",
    "VARBOOL_QUEST_C8_GHOST",
    "VARBOOL_QUEST_C8_GUARDS",
    "VARBOOL_QUEST_C8_NOTES02",
    "VARBOOL_QUEST_C8_NOTES02_DONE",
    "VARBOOL_QUEST_C8_PEDRO01_DONE",
    "VARBOOL_QUEST_C8_PEDRO02",
    "VARBOOL_QUEST_C8_PEDRO02_DONE",
    "VARBOOL_QUEST_C8_PEDRO03",
    "VARBOOL_QUEST_C8_PEDRO04_DONE",
    "VARBOOL_QUEST_C8_PRIEST",
    "VARBOOL_QUEST_C8_ROOM",
    "VARBOOL_QUEST_C8_ROOM_DONE",
    "VARBOOL_QUEST_C8_TURTLE_INN01",
    "VARBOOL_QUEST_C8_TURTLE_INN01_DONE",
    "VARBOOL_QUEST_C8_TURTLE_INN02",
    "VARBOOL_QUEST_C8_TURTLE_INN02_DONE",
    "VARBOOL_QUEST_C8_UNCLE_EDUARDO06",
    "VARBOOL_QUEST_C9_CAPTIVES_DONE",
    "VARBOOL_QUEST_C9_GOLDENTURTLE_03",
    "VARBOOL_QUEST_C9_GOLDENTURTLE_03_DONE",
    "VARBOOL_QUEST_C9_GOLDENTURTLE_04_DONE",
    "VARBOOL_QUEST_C9_HUT",
    "VARBOOL_QUEST_C9_JUNGLE",
    "VARBOOL_QUEST_C9_THIEVES_DONE",
    "VARBOOL_QUEST_C10_SPIRITEGG_01",
    "VARBOOL_QUEST_C10_SPIRITEGG_02",
};

constexpr const char* QUEST_LOG_ONLY_REASON = "a quest-log entry the sample story skips; read by nothing else";

} // namespace

const AllowedLinks& AllowedUnsetFlags()
{
    static const AllowedLinks s_allowed = [] {
        AllowedLinks allowed {
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
        };
        for (const char* pName : QUEST_LOG_ONLY_ENTRIES)
            allowed.emplace(pName, QUEST_LOG_ONLY_REASON);
        return allowed;
    }();
    return s_allowed;
}

const AllowedLinks& AllowedUnsentCallbacks()
{
    static const AllowedLinks s_allowed {
        {"bg107 0xC3FCE571", "its one action is one the script runtime ignores: sending it would show nothing"},
    };
    return s_allowed;
}
