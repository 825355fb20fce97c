// Walks the compiled dialogs of the dark beach of Hollow island: the coin is
// picked out of the puddle once, only the found coin goes back with a wish,
// and the wish is made once; so both callbacks the script waits for are
// sent, and neither twice.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t DARK_BEACH = 34;
constexpr uint32_t REACH_INTO_PUDDLE = 0xed5f916d;
constexpr uint32_t DOUBLOON_ON_PUDDLE = 0xd488d957;
constexpr uint32_t COIN_TAKEN = 0xa4e9831b;
constexpr uint32_t COIN_THROWN = 0xa1411ba4;

class DarkBeachDialogsTest : public SceneDialogsTest {
protected:
    DarkBeachDialogsTest()
    {
        UseGroup("bg307_HO_DarkBeach.dialogs.dat", DARK_BEACH);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 4);
    }
};

TEST_F(DarkBeachDialogsTest, TheCoinIsTakenOnceAndASecondVisitOffersNothing)
{
    EXPECT_EQ(Walk(REACH_INTO_PUDDLE), std::vector<uint32_t> {COIN_TAKEN});
    EXPECT_TRUE(Get(VARBOOL_BG307_C04_PICK_COIN));
    EXPECT_TRUE(Walk(REACH_INTO_PUDDLE).empty());
}

TEST_F(DarkBeachDialogsTest, OnlyTheFoundCoinGoesBackWithAWishAndOnlyOnce)
{
    // Her own doubloons stay in her purse.
    EXPECT_TRUE(Walk(DOUBLOON_ON_PUDDLE).empty());
    Set(VARBOOL_BG307_C04_PICK_COIN);
    // Changing her mind throws nothing.
    EXPECT_TRUE(Walk(DOUBLOON_ON_PUDDLE, "BG307_NO_WISH").empty());
    EXPECT_FALSE(Get(VARBOOL_BG307_C04_A_WISH));

    struct Wish {
        const char* pOption;
        int32_t iFlag;
    };
    for (const Wish& wish : {Wish {"BG307_WISH_FATHERS_GRIEF", VARBOOL_BG307_C04_WISH_FATHERS_GRIEF},
                             Wish {"BG307_WISH_GOLDEN_TURTLE", VARBOOL_BG307_C04_WISH_GOLDEN_TURTLE},
                             Wish {"BG307_WISH_UNCLE_EDUARDO", VARBOOL_BG307_C04_WISH_UNCLE_EDUARDO}}) {
        SCOPED_TRACE(wish.pOption);
        Set(VARBOOL_BG307_C04_A_WISH, false);
        EXPECT_EQ(Walk(DOUBLOON_ON_PUDDLE, wish.pOption), std::vector<uint32_t> {COIN_THROWN});
        EXPECT_TRUE(Get(wish.iFlag) && Get(VARBOOL_BG307_C04_A_WISH));
        EXPECT_TRUE(Walk(DOUBLOON_ON_PUDDLE).empty());
    }
    for (const uint32_t uCallback : HandledCallbacks(DARK_BEACH))
        EXPECT_TRUE(uCallback == COIN_TAKEN || uCallback == COIN_THROWN) << std::hex << uCallback;
}

} // namespace
