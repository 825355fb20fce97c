// Walks the compiled dialogs of the burial chamber: every callback that the
// chamber's script waits for is sent; no talk leaves the heroine in her talk
// loop or holding the rod; Buck takes the rod before he hands it back; and
// the sarcophagus is described as it stands: grimy, washed, or broken open
// once the rod is out and in every later chapter.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t CHAMBER = 42;
constexpr uint32_t LOOK_SARCOPHAGUS = 0x8e3259f1;
constexpr uint32_t ROD_TO_BUCK = 0x20e12754;
constexpr uint32_t ROD_SHOWN = 0xb57a89f7;
constexpr uint32_t ROD_PUT_AWAY = 0x5b74e8db;
constexpr uint32_t BUCK_TAKES_ROD = 0xd04905e6;
constexpr uint32_t BUCK_HANDS_IT_BACK = 0x4940545c;
constexpr uint32_t HEROINE_TALKS = 0xa85cc740;
constexpr uint32_t HEROINE_IDLES = 0x572c2b06;

class BurialChamberDialogsTest : public SceneDialogsTest {
protected:
    BurialChamberDialogsTest()
    {
        UseGroup("bg404_TA_BurialChamber.dialogs.dat", CHAMBER);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 6);
    }
};

TEST_F(BurialChamberDialogsTest, EveryCallbackTheChambersScriptWaitsForIsSentAndNoneLeavesHerBusy)
{
    const std::set<uint32_t> busy {HEROINE_TALKS, ROD_SHOWN, BUCK_TAKES_ROD};
    const std::set<uint32_t> settled {HEROINE_IDLES, ROD_PUT_AWAY, BUCK_HANDS_IT_BACK};
    std::set<uint32_t> sent;
    for (const uint32_t uDialog : Keys()) {
        const std::vector<uint32_t> callbacks = Walk(uDialog);
        sent.insert(callbacks.begin(), callbacks.end());
        const auto last = std::find_if(callbacks.rbegin(), callbacks.rend(), [&](uint32_t uCallback) {
            return busy.count(uCallback) || settled.count(uCallback);
        });
        if (last != callbacks.rend()) {
            EXPECT_TRUE(settled.count(*last)) << std::hex << uDialog << " " << *last;
        }
    }
    for (const uint32_t uCallback : HandledCallbacks(CHAMBER))
        EXPECT_TRUE(sent.count(uCallback)) << std::hex << uCallback;

    const std::vector<uint32_t> rod = Walk(ROD_TO_BUCK);
    const auto at = [&](uint32_t uCallback) { return std::find(rod.begin(), rod.end(), uCallback) - rod.begin(); };
    EXPECT_LT(at(ROD_SHOWN), at(BUCK_TAKES_ROD));
    EXPECT_LT(at(BUCK_TAKES_ROD), at(BUCK_HANDS_IT_BACK));
    EXPECT_LT(at(BUCK_HANDS_IT_BACK), static_cast<std::ptrdiff_t>(rod.size()));
}

TEST_F(BurialChamberDialogsTest, TheSarcophagusIsDescribedAsItStands)
{
    const auto said = [&] { return Lines(LOOK_SARCOPHAGUS); };
    EXPECT_EQ(said(), std::vector<uint32_t> {CoreCrc32Of("BG404_LOOK_SARCOPHAGUS_GRIMY")});
    Set(VARBOOL_BG404_C06_USE_CUPWATER_ON_SARCOPHAGUS);
    EXPECT_EQ(said(), std::vector<uint32_t> {CoreCrc32Of("BG404_LOOK_SARCOPHAGUS_WASHED")});
    Set(VARBOOL_QUEST_C6_TURTLEROD_DONE);
    EXPECT_EQ(said(), std::vector<uint32_t> {CoreCrc32Of("BG404_LOOK_SARCOPHAGUS_OPEN")});

    g_VarManager = VarSet {};
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 7);
    EXPECT_EQ(said(), std::vector<uint32_t> {CoreCrc32Of("BG404_LOOK_SARCOPHAGUS_OPEN")});
}

} // namespace
