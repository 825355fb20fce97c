#include "Dialogs/Common/Dialog.h"

#include "Managers/Common/VarManager.h"
#include "ScriptEngine/common/ScriptTreeContext.h"
#include "Support/HandMadeDialogs.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace TestSupport::HandMadeDialog;
using TestSupport::HandMadeDialogs;
using TestSupport::LogCapture;

constexpr const char* FILE_NAME = "scenes/test.dialogs.dat";

struct Loaded {
    bool ok;
    std::string log;
};

Loaded Load(Dialog& dialog, const std::vector<uint8_t>& bytes)
{
    LogCapture capture;
    const bool ok = dialog.Initialize(bytes.data(), bytes.size(), FILE_NAME);
    return {ok, capture.Take()};
}

HandMadeDialogs OneDialog(Node root)
{
    HandMadeDialogs file;
    file.Add(0x1234, std::move(root));
    return file;
}

TEST(DialogFileTest, OneDialogWithAnEmptyRootLoadsEnded)
{
    Dialog dialog;
    const Loaded loaded = Load(dialog, OneDialog(Root()).Bytes());
    ASSERT_TRUE(loaded.ok) << loaded.log;
    EXPECT_EQ(loaded.log, "");
    EXPECT_EQ(dialog.GetNumDialogs(), 1);
    EXPECT_EQ(dialog.GetKeys()[0].m_uKey, 0x1234u);
    EXPECT_EQ(dialog.GetKeys()[0].m_iRootIndex, 0);
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_FALSE(dialog.IsWaitingForScript());
    ASSERT_NE(dialog.GetScriptContext(), nullptr);
    EXPECT_TRUE(dialog.GetScriptContext()->GetEvent().IsEmpty());
    EXPECT_STREQ(dialog.GetName(), "test");
}

TEST(DialogFileTest, PropositionsAreNumberedAcrossTheWholeGroupInTreeOrder)
{
    HandMadeDialogs file;
    file.Add(1, Root({Sentence(1), Choice({Proposition(10, {Choice({Proposition(11)})}), Proposition(12)})}));
    file.Add(2, Root({Choice({Proposition(20), Proposition(21)})}));
    Dialog dialog;
    ASSERT_TRUE(Load(dialog, file.Bytes()).ok);

    const DialogNode& first = dialog.GetRoot(0)->m_pChildren[1];
    EXPECT_EQ(first.m_pChildren[0].m_iPropositionIndex, 0);
    EXPECT_EQ(first.m_pChildren[0].m_pChildren[0].m_pChildren[0].m_iPropositionIndex, 1);
    EXPECT_EQ(first.m_pChildren[1].m_iPropositionIndex, 2);
    const DialogNode& second = dialog.GetRoot(1)->m_pChildren[0];
    EXPECT_EQ(second.m_pChildren[0].m_iPropositionIndex, 3);
    EXPECT_EQ(second.m_pChildren[1].m_iPropositionIndex, 4);
    // Every other node, roots included, has none.
    EXPECT_EQ(dialog.GetRoot(0)->m_iPropositionIndex, -1);
    EXPECT_EQ(dialog.GetRoot(0)->m_pChildren[0].m_iPropositionIndex, -1);
    EXPECT_EQ(second.m_iPropositionIndex, -1);
    // Siblings and parents are linked; roots are not.
    EXPECT_EQ(first.m_pChildren[0].m_pNextSibling, &first.m_pChildren[1]);
    EXPECT_EQ(first.m_pChildren[1].m_pNextSibling, nullptr);
    EXPECT_EQ(first.m_pParent, dialog.GetRoot(0));
    EXPECT_EQ(dialog.GetRoot(0)->m_pNextSibling, nullptr);
    EXPECT_EQ(dialog.GetRoot(0)->m_pParent, nullptr);
}

TEST(DialogFileTest, NodesKeepTheirPayloadInMemoryOrder)
{
    Dialog dialog;
    ASSERT_TRUE(Load(dialog, OneDialog(Root({Sentence(0x77, 0x80000042u, 3), SetBool(VARBOOL_LAST - 1, 5),
                                             SetInt(VARINT_LAST - 1, 0x0001FFFF), Callback(0xCAFE), End()}))
                                 .Bytes())
                    .ok);
    const DialogNode* nodes = dialog.GetRoot(0)->m_pChildren.get();
    EXPECT_EQ(nodes[0].m_uWord1, 0x77u);
    EXPECT_EQ(nodes[0].m_uWord2, 0x80000042u);
    EXPECT_EQ(nodes[0].m_uWord3, 3u);
    EXPECT_EQ(nodes[1].m_uWord2, uint32_t(VARBOOL_LAST - 1));
    EXPECT_EQ(nodes[1].m_uWord3, 1u);
    EXPECT_EQ(nodes[2].m_uWord2, uint32_t(VARINT_LAST - 1));
    EXPECT_EQ(nodes[2].m_uWord3, 0x0001FFFFu);
    EXPECT_EQ(nodes[3].m_uWord1, uint32_t(DialogNode::DLG_ACTION_CALLBACK));
    EXPECT_EQ(nodes[3].m_uWord2, 0xCAFEu);
    EXPECT_EQ(nodes[4].m_uWord1, uint32_t(DialogNode::DLG_JUMP_END));
}

TEST(DialogFileTest, ConditionsKeepTheirTreeAndTheLow16BitsOfIntegerValues)
{
    Dialog dialog;
    const auto condition =
        Logic(0, Int(VARINT_CURRENT_CHAPTER, 9, 0x0001FFFF), Logic(3, Bool(VARBOOL_QUEST_C1_CHORES, 7)));
    ASSERT_TRUE(Load(dialog, OneDialog(Root({Sentence(1).If(condition)})).Bytes()).ok);
    const auto& records = dialog.GetRoot(0)->m_pChildren[0].m_pCondition->GetRecords();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].m_iOp, Op_And);
    EXPECT_EQ(records[records[0].m_iA].m_iOp, Op_IntGreaterEqual);
    EXPECT_EQ(records[records[0].m_iA].m_iA, VARINT_CURRENT_CHAPTER);
    EXPECT_EQ(records[records[0].m_iA].m_iValue, -1);
    const MatchCondition& negation = records[records[0].m_iB];
    EXPECT_EQ(negation.m_iOp, Op_Not);
    EXPECT_EQ(records[negation.m_iA].m_iA, VARBOOL_QUEST_C1_CHORES);
    EXPECT_EQ(records[negation.m_iA].m_iValue, 1);

    VarSet vars;
    vars.SetInt(VARINT_CURRENT_CHAPTER, -1);
    EXPECT_TRUE(dialog.GetRoot(0)->m_pChildren[0].IsValid(&vars));
    vars.SetBool(VARBOOL_QUEST_C1_CHORES, 1);
    EXPECT_FALSE(dialog.GetRoot(0)->m_pChildren[0].IsValid(&vars));
}

TEST(DialogFileTest, ChunkSizesAreNotReadAndAWrongChunkIdIsOnlyReported)
{
    HandMadeDialogs file = OneDialog(Root({Sentence(1)}));
    file.chunkSize = 0xDEADBEEF;
    Dialog dialog;
    Loaded loaded = Load(dialog, file.Bytes());
    EXPECT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.log, "");

    std::vector<uint8_t> bytes = file.Bytes();
    bytes[28 + 12 + 1] = 'X'; // DKEY becomes DXEY
    loaded = Load(dialog, bytes);
    EXPECT_TRUE(loaded.ok);
    EXPECT_NE(loaded.log.find("oChunk.m_iId == SERIALSTREAM_MAKE_ID('D','K','E','Y')"), std::string::npos)
        << loaded.log;
}

TEST(DialogFileTest, AGroupNameThatFillsItsFieldIsTerminated)
{
    HandMadeDialogs file = OneDialog(Root());
    file.name = "sixteen_letters!";
    Dialog dialog;
    ASSERT_TRUE(Load(dialog, file.Bytes()).ok);
    EXPECT_STREQ(dialog.GetName(), "sixteen_letters!");
}

TEST(DialogFileTest, AKeyWithoutADialogLoads)
{
    HandMadeDialogs file;
    file.Add(5, Root({Sentence(1)}));
    file.Add(6, Root({Sentence(2)}));
    file.SetRootIndex(0, 0xFFFFFFFF);
    Dialog dialog;
    ASSERT_TRUE(Load(dialog, file.Bytes()).ok);
    EXPECT_EQ(dialog.GetKeys()[0].m_iRootIndex, -1);
    EXPECT_FALSE(dialog.SetCurrentDialog(5));
    EXPECT_TRUE(dialog.SetCurrentDialog(6));
}

TEST(DialogFileTest, AnUnknownVariableOfASetActionIsKeptAsNone)
{
    Node unknown = SetBool(0, 1);
    unknown.payload[1] = 0x12345678;
    Dialog dialog;
    const Loaded loaded = Load(dialog, OneDialog(Root({unknown})).Bytes());
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(dialog.GetRoot(0)->m_pChildren[0].m_uWord2, 0xFFFFFFFFu);
}

// Each refusal names its reason, then the file; the group is left empty.
TEST(DialogFileTest, BadFilesAreRefusedWithTheirReasonAndLeaveNoDialog)
{
    const auto file = [](Node root) { return OneDialog(std::move(root)).Bytes(); };
    const auto withHeader = [](const char* name, uint16_t major, uint16_t minor) {
        HandMadeDialogs made = OneDialog(Root());
        made.name = name;
        made.major = major;
        made.minor = minor;
        return made.Bytes();
    };
    std::vector<uint8_t> badMagic = file(Root());
    badMagic[7] = 'x';
    HandMadeDialogs noDialogs;
    HandMadeDialogs rootPastTable;
    rootPastTable.Add(1, Root());
    rootPastTable.Add(2, Root());
    rootPastTable.SetRootIndex(1, 2);
    Node badNode = Sentence(1);
    badNode.type = 7;
    Node badAction = Callback(1);
    badAction.payload[0] = 1;
    Node badOp = Sentence(1).If({12});
    Node deepNodes = Choice({});
    for (int i = 0; i < 64; ++i)
        deepNodes = Choice({deepNodes});
    std::vector<uint32_t> deepCondition = Bool(VARBOOL_QUEST_C1_CHORES, 1);
    for (int i = 0; i < 32; ++i)
        deepCondition = Logic(3, deepCondition);
    Nodes manyPropositions;
    for (uint32_t i = 0; i < 65; ++i)
        manyPropositions.push_back(Choice({Proposition(i)}));
    Nodes wideChoice;
    for (uint32_t i = 0; i < 17; ++i)
        wideChoice.push_back(Proposition(i));
    Nodes wideRoot = wideChoice;
    wideRoot.back() = Sentence(1);
    Node nestedRoot = Root({Root()});
    Node topSentence = Sentence(1);

    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* reason;
    } cases[] = {
        {"magic", badMagic, "Dialog::Initialize -- Invalid magic number !\n"},
        {"major version", withHeader("v", 3, 0), "Invalid version number (got 3.0, expected 2.0)\n"},
        {"minor version", withHeader("v", 2, 1), "Invalid version number (got 2.1, expected 2.0)\n"},
        {"no dialogs", noDialogs.Bytes(), "Dialog::Initialize -- Number of dialogs must be greater than 0 !\n"},
        {"root past the table", rootPastTable.Bytes(), "key 0x00000002 names root 2 of 2\n"},
        {"node type", file(Root({Choice({badNode})})), "DialogNode::Initialize -- Invalid dialog node found !\n"},
        {"action type", file(Root({badAction})), "DialogNode::Initialize -- Invalid action type !\n"},
        {"operator", file(Root({badOp})), "DialogCondition::Read -- unknown operator 12\n"},
        {"condition variable", file(Root({Sentence(1).If({10, 0x12345678, 1})})),
         "no boolean variable has the hash 0x12345678\n"},
        {"node nesting", file(Root({deepNodes})), "nodes nest deeper than 64\n"},
        {"condition nesting", file(Root({Sentence(1).If(deepCondition)})), "conditions nest deeper than 32\n"},
        {"65 propositions", file(Root(manyPropositions)), "more than 64 propositions\n"},
        {"17 offered", file(Root({Choice(wideChoice)})), "a choice of 17 nodes, more than 16\n"},
        {"17 offered by a root", file(Root(wideRoot)), "a choice of 17 nodes, more than 16\n"},
        {"mood", file(Root({Sentence(1, 0x80000001u, 9)})), "mood 9 above the 9 moods\n"},
        {"root inside", file(nestedRoot), "a root node must begin each dialog and only there\n"},
        {"top sentence", file(topSentence), "a root node must begin each dialog and only there\n"},
    };
    for (const auto& c : cases) {
        Dialog dialog;
        const Loaded loaded = Load(dialog, c.bytes);
        EXPECT_FALSE(loaded.ok) << c.what;
        EXPECT_NE(loaded.log.find(c.reason), std::string::npos) << c.what << ": " << loaded.log;
        EXPECT_NE(loaded.log.find("Dialog::Initialize -- \"scenes/test.dialogs.dat\" refused\n"), std::string::npos)
            << c.what;
        EXPECT_EQ(dialog.GetNumDialogs(), 0) << c.what;
        EXPECT_TRUE(dialog.IsEnded()) << c.what;
        EXPECT_EQ(dialog.GetScriptContext(), nullptr) << c.what;
        EXPECT_FALSE(dialog.SetCurrentDialog(0x1234)) << c.what;
    }
}

TEST(DialogFileTest, AFailedRootFailsTheWholeFile)
{
    HandMadeDialogs file;
    Node badNode = Sentence(1);
    badNode.type = 0;
    file.Add(1, Root({Sentence(1)}));
    file.Add(2, Root({badNode}));
    file.Add(3, Root({Sentence(3)}));
    Dialog dialog;
    EXPECT_FALSE(Load(dialog, file.Bytes()).ok);
    EXPECT_FALSE(dialog.SetCurrentDialog(1));
}

TEST(DialogFileTest, ASecondReleaseDoesNothing)
{
    Dialog dialog;
    ASSERT_TRUE(Load(dialog, OneDialog(Root({Sentence(1)})).Bytes()).ok);
    dialog.Release();
    dialog.Release();
    EXPECT_EQ(dialog.GetNumDialogs(), 0);
    EXPECT_EQ(dialog.GetKeys(), nullptr);
    EXPECT_EQ(dialog.GetRoot(0), nullptr);
}

} // namespace
