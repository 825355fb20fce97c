#include "Dialogs/Common/Dialog.h"

#include "Managers/Common/VarManager.h"
#include "Support/HandMadeDialogs.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace TestSupport::HandMadeDialog;
using TestSupport::HandMadeDialogs;
using TestSupport::LogCapture;

constexpr uint32_t KEY = 0x42;
constexpr int FLAG = VARBOOL_QUEST_C1_CHORES;
constexpr int OTHER_FLAG = VARBOOL_QUEST_C1_CHORES_DONE;

// One dialog under KEY, walked on the game's variables.
class DialogWalkTest : public testing::Test {
protected:
    DialogWalkTest()
    {
        m_oSavedVars = g_VarManager;
        g_VarManager = VarSet {};
    }
    ~DialogWalkTest() override { g_VarManager = m_oSavedVars; }

    void Load(Node root)
    {
        HandMadeDialogs file;
        file.Add(KEY, std::move(root));
        const std::vector<uint8_t> bytes = file.Bytes();
        ASSERT_TRUE(dialog.Initialize(bytes.data(), bytes.size(), "walk.dialogs.dat"));
    }
    void Start()
    {
        ASSERT_TRUE(dialog.SetCurrentDialog(KEY));
        dialog.Advance();
    }
    // What the talk screen would see: "say <text>", "offer <text> <text>...",
    // "wait" or "end".
    std::string Stop() const
    {
        if (dialog.IsWaitingForScript())
            return "wait";
        if (dialog.IsEnded())
            return "end";
        if (dialog.GetSentenceNode() != nullptr)
            return "say " + std::to_string(dialog.GetSentenceNode()->m_uWord1);
        std::string offer = "offer";
        for (int32_t i = 0; i < dialog.GetNumPropositions(); ++i) {
            offer += ' ';
            offer += std::to_string(dialog.GetProposition(i)->m_uWord1);
        }
        return offer;
    }
    // Stops until the end, choosing offer `choice` at every offer.
    std::vector<std::string> Walk(const std::vector<int32_t>& choices)
    {
        std::vector<std::string> stops;
        size_t next = 0;
        for (int guard = 0; guard < 50 && !dialog.IsEnded(); ++guard) {
            stops.push_back(Stop());
            if (dialog.HasProposition()) {
                if (next == choices.size())
                    return stops;
                EXPECT_TRUE(dialog.SelectProposition(choices[next++]));
            }
            dialog.Advance();
        }
        stops.push_back(Stop());
        return stops;
    }

    Dialog dialog;

private:
    VarSet m_oSavedVars;
};

using Stops = std::vector<std::string>;

TEST_F(DialogWalkTest, SentencesStopInTurnAndClimbingToTheRootEnds)
{
    Load(Root({Sentence(1), Sentence(2)}));
    Start();
    EXPECT_EQ(Walk({}), (Stops {"say 1", "say 2", "end"}));
    EXPECT_EQ(dialog.GetCurrentNode(), dialog.GetRoot(0));
    uint32_t speaker = 1, text = 1, mood = 1;
    LogCapture capture;
    EXPECT_FALSE(dialog.GetSentence(speaker, text, mood));
    EXPECT_NE(capture.Take().find("Dialog::GetSentence"), std::string::npos);
    EXPECT_EQ(speaker + text + mood, 0u);
}

TEST_F(DialogWalkTest, HiddenPropositionsAreLeftOutAndOffersKeepTheirChildIndex)
{
    g_VarManager.SetBool(FLAG, 1);
    Load(Root({Choice({Proposition(10, {Sentence(1)}), Proposition(11, {Sentence(2)}).If(Bool(FLAG, 0)),
                       Proposition(12, {Sentence(3)})})}));
    Start();
    EXPECT_EQ(Stop(), "offer 10 12");
    EXPECT_EQ(dialog.GetPropositionChildIndex(0), 0);
    EXPECT_EQ(dialog.GetPropositionChildIndex(1), 2);
    ASSERT_TRUE(dialog.SelectProposition(1));
    EXPECT_EQ(dialog.GetCurrentNode()->m_uWord1, 12u);
    dialog.Advance();
    EXPECT_EQ(Stop(), "say 3");
}

TEST_F(DialogWalkTest, AChoiceIsOfferedAgainWithItsConditionsTestedAnew)
{
    // The first proposition hides itself once taken.
    Load(Root({Choice(
        {Proposition(10, {SetBool(FLAG, 1), Sentence(1)}).If(Bool(FLAG, 0)), Proposition(11, {Sentence(2), End()})})}));
    Start();
    EXPECT_EQ(Walk({0, 0}), (Stops {"offer 10 11", "say 1", "offer 11", "say 2", "end"}));
}

TEST_F(DialogWalkTest, AConditionLaterInTheSameWalkSeesAVariableJustSet)
{
    Load(Root({SetBool(FLAG, 1), SetInt(VARINT_CURRENT_CHAPTER, 0x0001FFFF), Sentence(1), Sentence(2).If(Bool(FLAG, 0)),
               Sentence(3).If(Int(VARINT_CURRENT_CHAPTER, 5, 0xFFFF))}));
    Start();
    EXPECT_EQ(Stop(), "say 1");
    EXPECT_EQ(g_VarManager.GetBool(FLAG), 1);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_CURRENT_CHAPTER), -1);
    dialog.Advance();
    EXPECT_EQ(Stop(), "say 3");
}

TEST_F(DialogWalkTest, JumpsEndTheDialogOrLeaveTheOuterChoice)
{
    // C1 offers 10 and 11; 10 opens C2, whose proposition 20 leaves C1.
    const Node inner = Choice({Proposition(20, {Sentence(2), LeaveChoice(), Sentence(99)}), Proposition(21)});
    Load(Root({Choice({Proposition(10, {Sentence(1), inner}), Proposition(11, {End(), Sentence(98)})}),
               Sentence(3).If(Bool(FLAG, 1)), Sentence(4)}));
    Start();
    EXPECT_EQ(Walk({0, 0}), (Stops {"offer 10 11", "say 1", "offer 20 21", "say 2", "say 4", "end"}));

    Start();
    EXPECT_EQ(Walk({1}), (Stops {"offer 10 11", "end"}));
}

TEST_F(DialogWalkTest, AWalkNeverStepsSidewaysIntoAProposition)
{
    // After sentence 1 the walk climbs, and proposition 10 offers its choice
    // again; stepping into proposition 12 would offer the inner choice.
    Load(Root({Choice({Proposition(10, {Choice({Sentence(1), Proposition(12)})}), Proposition(11)})}));
    Start();
    EXPECT_EQ(Walk({0}), (Stops {"offer 10 11", "say 1", "offer 10 11"}));
    // A proposition without lines of its own climbs out of its choice.
    EXPECT_EQ(Walk({1}), (Stops {"offer 10 11", "end"}));

    // Propositions straight under a root are offered by the root, which ends.
    Load(Root({Proposition(10, {Sentence(1)}), Sentence(2)}));
    LogCapture capture;
    Start();
    EXPECT_EQ(Stop(), "end");
    EXPECT_NE(capture.Take().find("Dialog::GetSubProposition -- Children can be only of type propositon"),
              std::string::npos);
}

TEST_F(DialogWalkTest, AChoiceWithEveryPropositionHiddenIsPassed)
{
    Load(Root({Choice({Proposition(10, {Sentence(1), SetBool(FLAG, 1)}).If(Bool(FLAG, 0))}), Sentence(2)}));
    Start();
    EXPECT_EQ(Walk({0}), (Stops {"offer 10", "say 1", "say 2", "end"}));
}

TEST_F(DialogWalkTest, ARootWithNothingValidBelowEndsWithAWarning)
{
    Load(Root({Sentence(1).If(Bool(FLAG, 1))}));
    LogCapture capture;
    Start();
    EXPECT_EQ(capture.Take(), "Warning : Empty node !\n");
    EXPECT_EQ(Stop(), "end");
}

TEST_F(DialogWalkTest, AnUnknownKeyStartsNothing)
{
    Load(Root({Sentence(1)}));
    EXPECT_FALSE(dialog.SetCurrentDialog(KEY + 1));
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_EQ(dialog.GetCurrentNode(), nullptr);
    dialog.Advance();
    EXPECT_EQ(Stop(), "end");
}

TEST_F(DialogWalkTest, SelectionsOutsideTheOfferAreRefused)
{
    Load(Root({Sentence(1), Choice({Proposition(10, {Sentence(2)}), Proposition(11)})}));
    Start();
    LogCapture capture;
    EXPECT_FALSE(dialog.SelectProposition(0));
    EXPECT_NE(capture.Take().find("Selecting a proposition in a non proposition mode"), std::string::npos);
    dialog.Advance();
    ASSERT_EQ(Stop(), "offer 10 11");
    for (int32_t i : {-1, 2}) {
        LogCapture refused;
        EXPECT_FALSE(dialog.SelectProposition(i));
        EXPECT_NE(refused.Take().find("Dialog::SelectProposition -- Invalid proposition selected"), std::string::npos);
        EXPECT_EQ(Stop(), "offer 10 11");
    }
}

TEST_F(DialogWalkTest, AnOfferedNodeThatIsNoPropositionLeadsToTheFirstValidOneBelow)
{
    Load(Root({Choice({Proposition(10), Sentence(5),
                       Choice({Proposition(20, {Sentence(2)}).If(Bool(FLAG, 1)), Proposition(21, {Sentence(3)})})})}));
    LogCapture capture;
    Start();
    capture.Take();
    EXPECT_EQ(Stop(), "offer 10 5 0");
    LogCapture refused;
    EXPECT_FALSE(dialog.SelectProposition(1));
    const std::string log = refused.Take();
    EXPECT_NE(log.find("Dialog::SelectProposition -- Selected condition-proposition without valid subnodes !"),
              std::string::npos)
        << log;
    EXPECT_EQ(Stop(), "offer 10 5 0");

    ASSERT_TRUE(dialog.SelectProposition(2));
    EXPECT_EQ(dialog.GetCurrentNode()->m_uWord1, 21u);
    dialog.Advance();
    EXPECT_EQ(Stop(), "say 3");
}

TEST_F(DialogWalkTest, AnUnknownVariableOfASetActionChangesNothing)
{
    Node unknown = SetInt(0, 7);
    unknown.payload[1] = 0x12345678;
    HandMadeDialogs file;
    file.Add(KEY, Root({unknown, Sentence(1)}));
    const std::vector<uint8_t> bytes = file.Bytes();
    LogCapture capture;
    ASSERT_TRUE(dialog.Initialize(bytes.data(), bytes.size(), "walk.dialogs.dat"));
    capture.Take();
    const VarSet before = g_VarManager;
    Start();
    EXPECT_EQ(Stop(), "say 1");
    EXPECT_EQ(std::memcmp(&before, &g_VarManager, sizeof before), 0);
}

} // namespace
