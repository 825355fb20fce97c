// Walks the compiled dialogs of the town hall's reception on Hollow island in
// the order chapter 4 tells them: the first talk, Percy's talk only while
// Miss Brown sobs (the doubloons once, the chest, the lost key, her
// fainting), nothing while she lies fainted, her coming to with the idea, the
// found key opening the chest in chapter 4 only, the dark beach on the wall
// map once the report is read; and every callback the script waits for.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t RECEPTION = 32;
constexpr uint32_t TALK = 0x765e5a40;
constexpr uint32_t COMES_TO_OR_KEY_FOUND = 0x114cce5a;
constexpr uint32_t WALL_MAP = 0xc10fb505;
constexpr uint32_t DOUBLOONS = 0x3b8a8324;
constexpr uint32_t SOBBING_ENDS = 0xa283d29e;
constexpr uint32_t FAINTS = 0xcf5a179d;
constexpr uint32_t CHEST_OPENS = 0x25be5658;
constexpr uint32_t POINTS_AT_DARK_BEACH = 0x27f11b3c;

class TownHallReceptionDialogsTest : public SceneDialogsTest {
protected:
    TownHallReceptionDialogsTest()
    {
        UseGroup("bg305_HO_TownHallReception.dialogs.dat", RECEPTION);
        InChapter(4);
    }
    void InChapter(int32_t iChapter) { g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter); }
    static bool Sends(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
};

TEST_F(TownHallReceptionDialogsTest, ChapterFoursTalksSetTheirFlagsInStoryOrderAndTheDoubloonsComeOnce)
{
    // The first talk opens the map and the half-disk.
    std::vector<uint32_t> sent = Walk(TALK, "BG305_BYE");
    EXPECT_TRUE(Get(VARBOOL_BG305_C04_TALK_MISS_BROWN));
    EXPECT_FALSE(Sends(sent, DOUBLOONS) || Get(VARBOOL_BG305_C04_MISS_BROWN_FAINTING));

    // The half-disk made her sob: Percy's talk calms her, gives the
    // doubloons, takes her to the locked chest and makes her faint.
    Set(VARBOOL_BG305_C04_MISS_BROWN_SOBBING);
    sent = Walk(TALK, "BG305_ASK_PERCY");
    EXPECT_EQ(std::count(sent.begin(), sent.end(), DOUBLOONS), 1);
    for (uint32_t uCallback : {SOBBING_ENDS, 0xfc050431u, 0x92c4137cu, 0x552e8aeeu, 0x5134b850u, FAINTS})
        EXPECT_TRUE(Sends(sent, uCallback)) << std::hex << uCallback;
    EXPECT_LT(std::find(sent.begin(), sent.end(), SOBBING_ENDS) - sent.begin(),
              std::find(sent.begin(), sent.end(), FAINTS) - sent.begin());
    EXPECT_TRUE(Get(VARBOOL_BG305_C04_TALK_MISS_BROWN_ABOUT_PERCY));
    EXPECT_TRUE(Get(VARBOOL_BG305_C04_MISS_BROWN_FAINTING));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C4_FIND_KEY));

    // Lying fainted she says nothing and nothing moves.
    EXPECT_TRUE(Walk(TALK).empty());

    // She comes to: the heroine's idea, and no chest yet.
    sent = Walk(COMES_TO_OR_KEY_FOUND);
    EXPECT_TRUE(Get(VARBOOL_BG305_C04_EVENT_EUREKA));
    EXPECT_FALSE(Sends(sent, CHEST_OPENS));
    Set(VARBOOL_BG305_C04_EVENT_MISSBROWN_UNFAINT);

    // Sobbing again later, the Percy talk is not offered twice.
    Set(VARBOOL_BG305_C04_MISS_BROWN_SOBBING);
    EXPECT_FALSE(Sends(Walk(TALK, "BG305_BYE"), DOUBLOONS));

    // The key found on the rack opens the chest.
    Set(VARBOOL_BG305_C04_EVENT_FOUND_KEY);
    Set(VARBOOL_BG305_C04_EVENT_EUREKA, false);
    sent = Walk(COMES_TO_OR_KEY_FOUND);
    EXPECT_EQ(sent, (std::vector<uint32_t> {0xbcb707e2, CHEST_OPENS, 0x56534627}));
    EXPECT_FALSE(Get(VARBOOL_BG305_C04_EVENT_EUREKA));
    // Outside chapter 4 the chest's people are not there to move.
    InChapter(5);
    EXPECT_TRUE(Walk(COMES_TO_OR_KEY_FOUND).empty());
}

TEST_F(TownHallReceptionDialogsTest, TheDarkBeachIsFoundOnTheWallMapOnlyOnceTheReportIsReadAndOnlyOnce)
{
    EXPECT_FALSE(Sends(Walk(WALL_MAP), POINTS_AT_DARK_BEACH));
    Set(VARBOOL_BG305_C04_READ_TORN_REPORT);
    EXPECT_TRUE(Sends(Walk(WALL_MAP), POINTS_AT_DARK_BEACH));
    Set(VARBOOL_HO_MAP_BG307);
    EXPECT_FALSE(Sends(Walk(WALL_MAP), POINTS_AT_DARK_BEACH));
}

TEST_F(TownHallReceptionDialogsTest, TheWeedKillerKillsTheFlowersAndGivesTheirPetalsOnce)
{
    InChapter(7);
    constexpr uint32_t WEED_KILLER = 0xd26e7e94;
    constexpr uint32_t FLOWERS_DIE = 0x1cdc0d34;
    constexpr uint32_t PETALS_PICKED = 0x3c18865d;
    const std::vector<uint32_t> first = Walk(WEED_KILLER);
    EXPECT_TRUE(Sends(first, FLOWERS_DIE) && Sends(first, PETALS_PICKED));
    // The script records the spraying once the dialog is over; a second
    // spray has nothing to kill and no petals to give.
    Set(VARBOOL_BG305_C07_USE_WEED_KILLER_ON_VASE_OF_FLOWERS);
    const std::vector<uint32_t> again = Walk(WEED_KILLER);
    EXPECT_FALSE(Sends(again, FLOWERS_DIE) || Sends(again, PETALS_PICKED));
}

TEST_F(TownHallReceptionDialogsTest, OnceOpenedTheChestIsNoLongerSaidToBeStuckShut)
{
    constexpr uint32_t USE_CHEST = 0xd03b13e9;
    const uint32_t uStuck = CoreCrc32Of("BG305_CHEST_HEAVY_LID");
    const auto says = [&](uint32_t uLine) {
        const std::vector<uint32_t> lines = Lines(USE_CHEST);
        return std::find(lines.begin(), lines.end(), uLine) != lines.end();
    };
    EXPECT_TRUE(says(uStuck));
    Set(VARBOOL_BG305_C04_CHEST_IS_UNLOCKED);
    EXPECT_FALSE(says(uStuck));
    EXPECT_TRUE(says(CoreCrc32Of("BG305_LOOK_CHEST_OPENED")));
}

TEST_F(TownHallReceptionDialogsTest, EveryCallbackTheReceptionWaitsForIsSent)
{
    std::set<uint32_t> sent;
    const auto walk = [&](uint32_t uDialog, const char* pAnswer = nullptr) {
        for (uint32_t uCallback : Walk(uDialog, pAnswer))
            sent.insert(uCallback);
    };
    for (uint32_t uDialog : {0xc38ff813u, 0x7b3b8aaeu, 0x1ee93b4bu, 0xd03b13e9u, 0x164ea3f0u, 0xd26e7e94u})
        walk(uDialog);
    walk(TALK, "BG305_BYE");
    Set(VARBOOL_BG305_C04_MISS_BROWN_SOBBING);
    walk(TALK, "BG305_ASK_PERCY");
    Set(VARBOOL_BG305_C04_READ_TORN_REPORT);
    walk(WALL_MAP);
    Set(VARBOOL_BG305_C04_EVENT_FOUND_KEY);
    walk(COMES_TO_OR_KEY_FOUND);
    // Every callback the script answers.
    const std::set<uint32_t> handled = HandledCallbacks(RECEPTION);
    EXPECT_GE(handled.size(), 28u);
    for (uint32_t uCallback : handled)
        EXPECT_TRUE(sent.contains(uCallback)) << std::hex << uCallback;
    // Every dialog the script starts is in the group.
    const std::vector<uint32_t> keys = Keys();
    for (uint32_t uDialog :
         {0x8be430c6u, TALK,        COMES_TO_OR_KEY_FOUND, 0xc38ff813u, 0x7b3b8aaeu, 0x1ee93b4bu, WALL_MAP,
          0xb5859bc7u, 0x565546b0u, 0xd03b13e9u,           0x3b9d933eu, 0x292c41dfu, 0x0ed0aa2eu, 0x18e55307u,
          0x164ea3f0u, 0xdd38ba3bu, 0xd26e7e94u,           0x3ee0ac50u, 0xc04af721u, 0xa7e9fdeau, 0x5943a69bu})
        EXPECT_NE(std::find(keys.begin(), keys.end(), uDialog), keys.end()) << std::hex << uDialog;
}

TEST_F(TownHallReceptionDialogsTest, InChapterSevenMissBrownTellsOfTheIslandAndSendsSanchaToTheReefs)
{
    InChapter(7);
    Walk(TALK, "BG305_BYE");
    EXPECT_FALSE(Get(VARBOOL_BG305_C07_TALK_MISS_BROWN_ABOUT_ISLAND));
    Walk(TALK, "BG305_ASK_ISLAND");
    EXPECT_TRUE(Get(VARBOOL_BG305_C07_TALK_MISS_BROWN_ABOUT_ISLAND));
}

} // namespace
