#include "Common/VarIds.h"

#include "Hash/CoreCrc32.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(VarIdsTest, CountsAndFixedIds)
{
    EXPECT_EQ(VARBOOL_LAST, 1059);
    EXPECT_EQ(VARINT_LAST, 36);

    EXPECT_EQ(VARBOOL_C_WIN_MINIGAME, 0);
    EXPECT_EQ(VARBOOL_C_CHEAT_MINIGAME, 1);
    EXPECT_EQ(VARBOOL_C_PLAYED_MINIGAME_01, 2);
    EXPECT_EQ(VARBOOL_WIN_MINIGAME_01, 3);
    EXPECT_EQ(VARBOOL_WIN_MINIGAME_09, 11);
    EXPECT_EQ(VARBOOL_ACTIVE_MAP, 12);
    EXPECT_EQ(VARBOOL_PICK_BO_MAP, 13);
    EXPECT_EQ(std::string(Id::GetVarBoolName(14)).rfind("VARBOOL_BO_MAP_", 0), 0u);
    EXPECT_EQ(VARBOOL_QUEST_C2_CREW01, 722);
    EXPECT_EQ(VARBOOL_QUEST_C2_CREW01_DONE, 723);
    EXPECT_EQ(VARBOOL_TROPHY_TALK_TO_ACTOR_BEGIN, 986);
    EXPECT_EQ(VARBOOL_TROPHY_TALK_TO_ACTOR_00, 987);
    EXPECT_EQ(VARBOOL_TROPHY_TALK_TO_ACTOR_59, 1046);
    EXPECT_EQ(VARBOOL_TROPHY_TALK_TO_ACTOR_END, 1047);
    EXPECT_EQ(VARBOOL_RESERVED_00, 1048);
    EXPECT_EQ(VARBOOL_RESERVED_10, 1058);

    EXPECT_EQ(VARINT_C_PLAYING_CHARACTER, 0);
    EXPECT_EQ(VARINT_C_FAIL_RESPONSE, 13);
    EXPECT_EQ(VARINT_LOCAL_ISLAND_MAP, 14);
    EXPECT_EQ(VARINT_CRACKPOT_RESULT, 19);
    EXPECT_EQ(VARINT_COLUMN4, 35);
}

TEST(VarIdsTest, GroupsFollowEachOtherInOrder)
{
    // The quest flags fill 708..985 and every name before them belongs to the
    // map, the front end, a scene or the spare flags.
    for (int id = 708; id < 986; ++id)
        EXPECT_EQ(std::string(Id::GetVarBoolName(id)).rfind("VARBOOL_QUEST_", 0), 0u) << id;
    int previousScene = 0;
    for (int id = 14; id < 708; ++id) {
        const std::string name = Id::GetVarBoolName(id);
        if (name.rfind("VARBOOL_BG", 0) != 0)
            continue;
        const int scene = std::stoi(name.substr(10, 3));
        EXPECT_GE(scene, previousScene) << name;
        previousScene = scene;
    }
}

TEST(VarIdsTest, NamesHashToTheirHashesWithoutCollisions)
{
    std::set<uint32_t> hashes;
    for (int id = 0; id < VARBOOL_LAST; ++id) {
        EXPECT_EQ(Id::GetVarBoolHash(id), CoreCrc32::HashString(Id::GetVarBoolName(id))) << id;
        hashes.insert(Id::GetVarBoolHash(id));
    }
    for (int id = 0; id < VARINT_LAST; ++id) {
        EXPECT_EQ(Id::GetVarIntHash(id), CoreCrc32::HashString(Id::GetVarIntName(id))) << id;
        hashes.insert(Id::GetVarIntHash(id));
    }
    EXPECT_EQ(hashes.size(), static_cast<size_t>(VARBOOL_LAST) + VARINT_LAST);
}

TEST(VarIdsTest, HashLookups)
{
    EXPECT_EQ(Id::GetVarIntFromHash(CoreCrc32::HashString("VARINT_CURRENT_CHAPTER")), 12);
    EXPECT_EQ(Id::GetVarBoolFromHash(CoreCrc32::HashString("VARBOOL_RESERVED_10")), 1058);
    EXPECT_EQ(Id::GetVarBoolFromHash(CoreCrc32::HashString("VARBOOL_C_WIN_MINIGAME")), 0);

    TestSupport::LogCapture capture;
    EXPECT_EQ(Id::GetVarIntFromHash(CoreCrc32::HashString("VARBOOL_ACTIVE_MAP")), -1);
    const std::string report = capture.Take();
    EXPECT_NE(report.find("condition: FALSE\n"), std::string::npos) << report;
}

} // namespace
