// Walks the compiled dialogs of the graveyard on Crab island: every callback
// its script answers is sent, the chapter-3 quest flags are set on every walk
// of the dialog that the script plays, the pickups come only when there is
// something to pick up, and no dialog moves Razzo or Father Jerome in a
// chapter in which he is not in the graveyard.
#include "SceneDialogsTestKit.h"

#include "Common/SceneIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t GRAVEYARD = 24;

// Callbacks that the script answers by moving or animating Razzo (chapter 3)
// or the priest (chapter 8).
const std::set<uint32_t> RAZZOS_CALLBACKS = {0xb9460319, 0xad128f9b, 0x60ab8383, 0xce9c138e, 0x57954234, 0x209272a2};
const std::set<uint32_t> PRIESTS_CALLBACKS = {0x5d0490c6, 0x6ecad21e, 0x330f7815, 0x51608736,
                                              0xc869d68c, 0xbf6ee61a, 0x210a73b9, 0x560d432f};

// The flags the dialogs look at, each walked clear and set.
const int32_t STATES[] = {VARBOOL_BG203_C03_MAP_CYLINDER_IS_OPEN, VARBOOL_BG203_C03_PICK_FLOWERS,
                          VARBOOL_BG203_C08_PICK_WILD_BERRIES, VARBOOL_BG203_C03_FIREFLY_IS_IN_MOUTH_OF_STATUE};

class GraveyardDialogsTest : public SceneDialogsTest {
protected:
    GraveyardDialogsTest() { UseGroup("bg203_CR_GraveyardOfTheAncients.dialogs.dat", GRAVEYARD); }

    std::vector<uint32_t> WalkIn(int32_t iChapter, uint32_t uDialog)
    {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        return Walk(uDialog);
    }
    // Every dialog of the group in every chapter, with the flags clear and
    // then set; `check` sees each walk's callbacks.
    template <typename Check>
    void WalkEverything(Check check)
    {
        for (const uint32_t uDialog : Keys())
            for (int32_t chapter = 1; chapter <= 10; ++chapter)
                for (const bool bLater : {false, true}) {
                    for (const int32_t flag : STATES)
                        Set(flag, bLater);
                    check(uDialog, chapter, WalkIn(chapter, uDialog));
                }
    }
};

TEST_F(GraveyardDialogsTest, EveryCallbackTheScriptAnswersIsSentByADialogOfTheGraveyard)
{
    std::set<uint32_t> sent;
    WalkEverything([&](uint32_t, int32_t, const std::vector<uint32_t>& callbacks) {
        sent.insert(callbacks.begin(), callbacks.end());
    });
    for (const uint32_t callback : HandledCallbacks(GRAVEYARD))
        EXPECT_TRUE(sent.count(callback)) << std::hex << callback << " is never sent";
}

TEST_F(GraveyardDialogsTest, TheChapterThreeQuestStepsAreSetByTheDialogsTheScriptPlays)
{
    // Looking at or knocking on the cylinder asks for its combination.
    for (const uint32_t uDialog : {0x9fda94e0u, 0x70a9cef7u}) {
        Set(VARBOOL_QUEST_C3_FIND_THE_COMBINATION, false);
        WalkIn(3, uDialog);
        EXPECT_TRUE(Get(VARBOOL_QUEST_C3_FIND_THE_COMBINATION)) << std::hex << uDialog;
    }

    // Razzo lifts her before she looks through the telescope.
    EXPECT_EQ(WalkIn(3, 0x573fd23b), std::vector<uint32_t>({0xce9c138e}));

    // Back from the telescope, the statue lit, both climb down, then Razzo
    // walks back to his place; the map is to be found next.
    Set(VARBOOL_BG203_C03_FIREFLY_IS_IN_MOUTH_OF_STATUE);
    EXPECT_EQ(WalkIn(3, 0xe042091b), std::vector<uint32_t>({0x57954234, 0x209272a2}));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C3_FIND_THE_MAP));

    // The end: the map is shown, opened, held and rolled up again, and the
    // golden turtle is the next quest.
    EXPECT_EQ(WalkIn(3, 0x4f3120e4), std::vector<uint32_t>({0x4fc092e2, 0x38c7a274, 0xa6a337d7, 0xd1a40741}));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C3_GOLDEN_TURTLE01));
}

TEST_F(GraveyardDialogsTest, BackFromTheTelescopeTheCombinationIsToldOnlyIfTheStatueWasLit)
{
    // Razzo may lift her before the firefly sits in the statue's mouth: then
    // she saw nothing and the map's quest waits, but both still climb down.
    const uint32_t combination = CoreCrc32Of("BG203_SAW_COMBINATION");
    const uint32_t dark = CoreCrc32Of("BG203_SAW_DARK");
    const uint32_t cylinder = CoreCrc32Of("BG203_RAZZO_HINT_CYLINDER");
    const uint32_t telescope = CoreCrc32Of("BG203_RAZZO_HINT_TELESCOPE");
    for (const bool bLit : {false, true}) {
        SCOPED_TRACE(bLit ? "lit" : "dark");
        Set(VARBOOL_BG203_C03_FIREFLY_IS_IN_MOUTH_OF_STATUE, bLit);
        Set(VARBOOL_QUEST_C3_FIND_THE_MAP, false);
        EXPECT_EQ(WalkIn(3, 0xe042091b), std::vector<uint32_t>({0x57954234, 0x209272a2}));
        EXPECT_EQ(Get(VARBOOL_QUEST_C3_FIND_THE_MAP), bLit);
        const std::vector<uint32_t> lines = Lines(0xe042091b);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), combination), bLit ? 1 : 0);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), dark), bLit ? 0 : 1);

        // Razzo's hint then sends her to the cylinder, or still to the
        // telescope once the statue is lit.
        Set(VARBOOL_BG203_C03_PICK_IRONWORK_PIECE);
        Set(VARBOOL_QUEST_C3_FIND_THE_COMBINATION_DONE);
        const std::vector<uint32_t> hints = Lines(0x29b40234);
        EXPECT_EQ(std::count(hints.begin(), hints.end(), cylinder), bLit ? 1 : 0);
        Set(VARBOOL_BG203_C03_FIREFLY_IS_IN_MOUTH_OF_STATUE);
        const std::vector<uint32_t> litHints = Lines(0x29b40234);
        EXPECT_EQ(std::count(litHints.begin(), litHints.end(), telescope), bLit ? 0 : 1);
    }
}

TEST_F(GraveyardDialogsTest, ThingsArePickedUpOnlyWhileTheyAreThere)
{
    // The closed cylinder holds nothing to pick up; the open one its three
    // things, key, disc and map.
    EXPECT_TRUE(WalkIn(3, 0x8a9dd7e9).empty());
    Set(VARBOOL_BG203_C03_MAP_CYLINDER_IS_OPEN);
    EXPECT_EQ(WalkIn(3, 0x8a9dd7e9), std::vector<uint32_t>({0x3f7fea74, 0xd19d5eed, 0xd6c9c358}));

    // The flowers once, the berries once.
    EXPECT_EQ(WalkIn(3, 0x14abf696), std::vector<uint32_t>({0xb5c408ce}));
    Set(VARBOOL_BG203_C03_PICK_FLOWERS);
    EXPECT_TRUE(WalkIn(3, 0x14abf696).empty());
    EXPECT_EQ(WalkIn(8, 0x24a0c70c), std::vector<uint32_t>({0xfeba645b}));
    Set(VARBOOL_BG203_C08_PICK_WILD_BERRIES);
    EXPECT_TRUE(WalkIn(8, 0x24a0c70c).empty());
}

TEST_F(GraveyardDialogsTest, NoDialogMovesRazzoOrThePriestOutsideTheirChapter)
{
    WalkEverything([](uint32_t uDialog, int32_t chapter, const std::vector<uint32_t>& callbacks) {
        for (const uint32_t callback : callbacks) {
            EXPECT_TRUE(!RAZZOS_CALLBACKS.count(callback) || chapter == 3)
                << std::hex << uDialog << " sends " << callback << std::dec << " in chapter " << chapter;
            EXPECT_TRUE(!PRIESTS_CALLBACKS.count(callback) || chapter == 8)
                << std::hex << uDialog << " sends " << callback << std::dec << " in chapter " << chapter;
        }
    });
}

} // namespace
