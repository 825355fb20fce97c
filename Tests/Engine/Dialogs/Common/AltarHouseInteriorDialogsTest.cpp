// Walks the compiled dialogs of the altar house's inside: every callback its
// script answers is sent on the story's way; the shaman's word and Hilary's
// visit set the flags that move the restarting scene on, so that it never
// plays the same visit for ever; the earrings calm Briscoe; and Eduardo pulls
// the pins only from the altar.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t ALTAR_HOUSE = 46;
constexpr uint32_t SHAMANS_WORD = 0x9fa1ea5b;
constexpr uint32_t HILARYS_VISIT = 0x3de9d464;
constexpr uint32_t EARRINGS = 0x2277bde2;
constexpr uint32_t EDUARDO_AT_THE_BODKINS = 0xcd3b2a24;
constexpr uint32_t PLANK_ON_THE_POSTS = 0xa29c8d8f;
constexpr uint32_t PINS_PULLED = 0xce70ae92;
constexpr uint32_t TRAP_OPENED = 0x00a6848b;
constexpr uint32_t PLANK_LAID = 0x61181bce;

class AltarHouseInteriorDialogsTest : public SceneDialogsTest {
protected:
    AltarHouseInteriorDialogsTest()
    {
        UseGroup("bg505_TU_AltarHouseInterior.dialogs.dat", ALTAR_HOUSE);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 9);
    }
    static bool Has(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
};

TEST_F(AltarHouseInteriorDialogsTest, EveryCallbackTheScriptWaitsForIsSentOnTheStorysWay)
{
    // The story's states in order: held, Eduardo on the altar, free with the
    // chest on the posts.
    const int32_t steps[] = {VARBOOL_BG505_C09_UNCLE_EDUARDO_ON_ALTAR,
                             VARBOOL_BG505_C09_USE_SOLID_SMALL_CHEST_ON_POSTS};
    std::set<uint32_t> sent;
    for (size_t iReached = 0; iReached <= std::size(steps); ++iReached) {
        g_VarManager = VarSet {};
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 9);
        for (size_t i = 0; i < iReached; ++i)
            Set(steps[i]);
        for (const uint32_t uDialog : Keys()) {
            const std::vector<uint32_t> callbacks = Walk(uDialog);
            sent.insert(callbacks.begin(), callbacks.end());
        }
    }
    for (const uint32_t uCallback : HandledCallbacks(ALTAR_HOUSE))
        EXPECT_TRUE(sent.count(uCallback)) << std::hex << uCallback;
}

TEST_F(AltarHouseInteriorDialogsTest, TheShamansWordAndHilarysVisitEachMoveTheStoryOn)
{
    Walk(SHAMANS_WORD);
    EXPECT_TRUE(Get(VARBOOL_BG505_C09_TALK_SHAMAN));

    // Hilary is asked about the tanner without a choice: the held heroine's
    // player leads a character with no face to show over one.
    const std::vector<uint32_t> lines = Lines(HILARYS_VISIT);
    EXPECT_NE(std::find(lines.begin(), lines.end(), CoreCrc32Of("BG505_ASK_HILARY_TANNER")), lines.end());
    EXPECT_TRUE(Get(VARBOOL_BG505_C09_TALK_HILARY));
    EXPECT_TRUE(Get(VARBOOL_BG505_C09_TALK_HILARY_SIMPKINS_ABOUT_TANNER));

    Walk(EARRINGS);
    EXPECT_TRUE(Get(VARBOOL_BG505_C09_USE_EARRINGS_ON_BRISCOE));
}

TEST_F(AltarHouseInteriorDialogsTest, EduardoPullsThePinsOnlyFromTheAltarAndThePlankGoesUpOnlyFromTheChest)
{
    const std::vector<uint32_t> below = Walk(EDUARDO_AT_THE_BODKINS);
    EXPECT_FALSE(Has(below, PINS_PULLED) || Has(below, TRAP_OPENED));
    EXPECT_FALSE(Has(Walk(PLANK_ON_THE_POSTS), PLANK_LAID));

    Set(VARBOOL_BG505_C09_UNCLE_EDUARDO_ON_ALTAR);
    EXPECT_EQ(Walk(EDUARDO_AT_THE_BODKINS), (std::vector<uint32_t> {PINS_PULLED, TRAP_OPENED}));
    Set(VARBOOL_BG505_C09_USE_SOLID_SMALL_CHEST_ON_POSTS);
    EXPECT_TRUE(Has(Walk(PLANK_ON_THE_POSTS), PLANK_LAID));
}

} // namespace
