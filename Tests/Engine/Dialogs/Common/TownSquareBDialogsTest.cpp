// Walks the compiled dialogs of the middle town square of Hollow island:
// Sancha sells only what the purse pays for, the earring once, and every
// callback that the square's script waits for is sent.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t TOWN_SQUARE_B = 30;
constexpr uint32_t SANCHA_TALK = 0x032e1881;
constexpr uint32_t EARRING_TRADE = 0x83af9f0b;
constexpr uint32_t NET_TRADE = 0x8ce355b6;
constexpr uint32_t SANCHA_EMBARRASSED = 0x8befc6ff;

class TownSquareBDialogsTest : public SceneDialogsTest {
protected:
    TownSquareBDialogsTest()
    {
        UseGroup("bg303_HO_TownSquareB.dialogs.dat", TOWN_SQUARE_B);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 4);
    }
    void Doubloons(int32_t iCount) { g_VarManager.SetInt(VARINT_INV_DOUBLOON, iCount); }
    // Runs the dialog up to its first choice; the answers offered there.
    std::vector<uint32_t> Offered(uint32_t uDialog)
    {
        manager.StartDialog(uDialog);
        const Dialog& dialog = *manager.GetCurrentDialog();
        for (int i = 0; i < 64 && !dialog.IsEnded(); ++i) {
            if (dialog.IsWaitingForScript()) {
                manager.UpdateScript();
                RunFrame();
            } else if (dialog.GetSentenceNode() != nullptr) {
                manager.GetCurrentDialog()->Advance();
            } else {
                break;
            }
        }
        int32_t iCount = 0, iLast = -1;
        std::vector<uint32_t> offered(MAX_OFFERED_PROPOSITIONS);
        manager.GetPropositions(iCount, offered.data(), nullptr, iLast);
        offered.resize(static_cast<size_t>(std::max(iCount, 0)));
        return offered;
    }
    static bool Sends(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
};

TEST_F(TownSquareBDialogsTest, SanchaTradesOnlyWhatThePursePaysFor)
{
    struct Case {
        const char* pAnswer;
        int32_t iDoubloons;
        uint32_t uSent;
    };
    for (const Case& trade :
         {Case {"BG303_BUY_NET", 1, NET_TRADE}, Case {"BG303_BUY_NET", 0, SANCHA_EMBARRASSED},
          Case {"BG303_BUY_EARRING", 2, EARRING_TRADE}, Case {"BG303_BUY_EARRING", 1, SANCHA_EMBARRASSED}}) {
        SCOPED_TRACE(trade.pAnswer);
        Set(VARBOOL_BG303_C04_GET_GOLD_EARRING, false);
        Doubloons(trade.iDoubloons);
        const std::vector<uint32_t> sent = Walk(SANCHA_TALK, trade.pAnswer);
        EXPECT_TRUE(Sends(sent, trade.uSent)) << trade.iDoubloons;
        // One trade at most, and none that the purse cannot pay.
        EXPECT_EQ(Sends(sent, NET_TRADE) + Sends(sent, EARRING_TRADE), trade.uSent == SANCHA_EMBARRASSED ? 0 : 1);
        EXPECT_EQ(Get(VARBOOL_BG303_C04_GET_GOLD_EARRING), trade.uSent == EARRING_TRADE);
    }
}

TEST_F(TownSquareBDialogsTest, TheEarringIsSoldOnce)
{
    Doubloons(4);
    EXPECT_TRUE(Sends(Walk(SANCHA_TALK, "BG303_BUY_EARRING"), EARRING_TRADE));
    // Bought: she offers the net alone.
    EXPECT_EQ(Offered(SANCHA_TALK), (std::vector<uint32_t> {CoreCrc32Of("BG303_BUY_NET"), CoreCrc32Of("BG303_BYE")}));
}

TEST_F(TownSquareBDialogsTest, EveryCallbackTheSquareWaitsForIsSent)
{
    std::set<uint32_t> sent;
    const auto walk = [&](uint32_t uDialog, const char* pAnswer = nullptr) {
        for (uint32_t uCallback : Walk(uDialog, pAnswer))
            sent.insert(uCallback);
    };
    Doubloons(3);
    walk(SANCHA_TALK, "BG303_BUY_EARRING");
    walk(SANCHA_TALK, "BG303_BUY_NET");
    Doubloons(0);
    walk(SANCHA_TALK, "BG303_BUY_NET");
    for (uint32_t uDialog : {0x19aa844du, 0xa8a535e0u})
        walk(uDialog);
    for (uint32_t uCallback : {0xc7f3f060u, 0x22a8abc2u, 0x8081b403u, 0xaf7db1a6u, 0xe6bfa140u, EARRING_TRADE,
                               NET_TRADE, SANCHA_EMBARRASSED})
        EXPECT_TRUE(sent.contains(uCallback)) << std::hex << uCallback;
}

} // namespace
