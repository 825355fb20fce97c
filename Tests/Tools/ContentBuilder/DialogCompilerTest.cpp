// The dialog compiler: what its sources may say, the faults it names, and the
// files it writes, read back by the engine's loader.
#include "Common/IdHash.h"
#include "ContentBuilder/ContentError.h"
#include "ContentBuilder/ContentSteps.h"
#include "ContentBuilder/DialogFileWriter.h"
#include "ContentBuilder/DialogSource.h"
#include "Dialogs/Common/Dialog.h"
#include "Managers/Common/VarManager.h"
#include "Support/Files.h"
#include "Support/StreamCapture.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string CompileError(const std::string& source)
{
    try {
        ParseDialogSource(source, "common.txt", "common");
    } catch (const ContentError& error) {
        return error.what();
    }
    return "";
}

TEST(DialogCompilerTest, SourcesCompileIntoFilesTheEngineReads)
{
    const DialogSourceGroup group = ParseDialogSource(R"(# a comment
dialog GREETING
    say tavrine_kid HELLO happy   # and another
    set VARINT_CURRENT_CHAPTER -2
    choice
        option ASK if VARBOOL_QUEST_C1_CHORES or not (VARINT_CURRENT_CHAPTER>=3 and VARBOOL_QUEST_C1_CHORES_DONE == false)
            callback 0x1234ABCD
            leave
        option BYE if VARINT_CURRENT_CHAPTER != -1 xor VARBOOL_QUEST_C1_CHORES != true
            end
dialog 0x2
)",
                                                      "bg101_BO_CastilloLivingRoom.txt", "bg101");
    const std::vector<uint8_t> bytes = WriteDialogFile(group);
    Dialog dialog;
    ASSERT_TRUE(dialog.Initialize(bytes.data(), bytes.size(), "bg101"));
    EXPECT_STREQ(dialog.GetName(), "bg101");
    ASSERT_EQ(dialog.GetNumDialogs(), 2);
    EXPECT_EQ(dialog.GetKeys()[0].m_uKey, CoreCrc32Of("GREETING"));
    EXPECT_EQ(dialog.GetKeys()[1].m_uKey, 2u);
    EXPECT_EQ(dialog.GetRoot(1)->m_iNbChildren, 0);

    const DialogNode* lines = dialog.GetRoot(0)->m_pChildren.get();
    ASSERT_EQ(dialog.GetRoot(0)->m_iNbChildren, 3);
    EXPECT_EQ(lines[0].m_eType, DialogNode::DLG_SENTENCE);
    EXPECT_EQ(lines[0].m_uWord1, CoreCrc32Of("HELLO"));
    EXPECT_EQ(lines[0].m_uWord2, ActorIdOf("tavrine_kid"));
    EXPECT_EQ(lines[0].m_uWord3, 3u);
    EXPECT_EQ(lines[1].m_uWord1, uint32_t(DialogNode::DLG_ACTION_SET_INT));
    EXPECT_EQ(lines[1].m_uWord2, uint32_t(VARINT_CURRENT_CHAPTER));
    EXPECT_EQ(lines[1].m_uWord3 & 0xFFFF, 0xFFFEu);

    const DialogNode& ask = lines[2].m_pChildren[0];
    EXPECT_EQ(ask.m_uWord1, CoreCrc32Of("ASK"));
    EXPECT_EQ(ask.m_iPropositionIndex, 0);
    EXPECT_EQ(ask.m_pChildren[0].m_uWord2, 0x1234ABCDu);
    EXPECT_EQ(ask.m_pChildren[1].m_uWord1, uint32_t(DialogNode::DLG_JUMP_LEAVE_CHOICE));
    const DialogNode& bye = lines[2].m_pChildren[1];
    EXPECT_EQ(bye.m_pChildren[0].m_uWord1, uint32_t(DialogNode::DLG_JUMP_END));

    // Both conditions, tried on every combination of their variables.
    for (int chapter : {-1, 2, 3}) {
        for (uint8_t chores : {0, 1}) {
            for (uint8_t done : {0, 1}) {
                VarSet vars;
                vars.SetInt(VARINT_CURRENT_CHAPTER, chapter);
                vars.SetBool(VARBOOL_QUEST_C1_CHORES, chores);
                vars.SetBool(VARBOOL_QUEST_C1_CHORES_DONE, done);
                EXPECT_EQ(ask.IsValid(&vars), chores || !(chapter >= 3 && !done)) << chapter << chores << done;
                EXPECT_EQ(bye.IsValid(&vars), (chapter != -1) != (chores != 1)) << chapter << chores << done;
            }
        }
    }
}

TEST(DialogCompilerTest, FaultsInASourceNameTheirLine)
{
    std::string options;
    for (int i = 0; i < 17; ++i)
        options += "        option O" + std::to_string(i) + "\n";
    std::string deep = "dialog A\n    end if ";
    for (int i = 0; i < 32; ++i)
        deep += "not ";
    deep += "VARBOOL_QUEST_C1_CHORES\n";
    const struct {
        std::string source;
        std::string message;
    } cases[] = {
        {"# nothing\n", "common.txt: no dialog"},
        {"dialog A\n    shout x\n", "common.txt:2: unknown keyword \"shout\""},
        {"say tavrine x\n", "common.txt:1: \"say\" outside a dialog"},
        {"dialog A\n  dialog B\n", "common.txt:2: a dialog starts at the beginning of its line"},
        {"dialog A\ndialog 0xD3D99E8B\n", "common.txt:2: dialog 0xD3D99E8B is defined twice"},
        {"dialog 1\n", "common.txt:1: bad id \"1\": a name begins with a letter, a number with 0x"},
        {"dialog A\n    callback 0x123456789\n", "common.txt:2: bad id \"0x123456789\""},
        {"dialog A\n\tend\n", "common.txt:2: indent with spaces, not tabs"},
        {"dialog A\n    say nobody x\n", "common.txt:2: unknown actor \"nobody\""},
        {"dialog A\n    say tavrine x grumpy\n", "common.txt:2: unknown mood \"grumpy\""},
        {"dialog A\n    say tavrine x\n        end\n",
         "common.txt:3: only a dialog, a choice or an option holds further lines"},
        {"dialog A\n    option x\n", "common.txt:2: a choice holds options, and options stand only in a choice"},
        {"dialog A\n    choice\n        end\n", "common.txt:3: a choice holds options"},
        {"dialog A\n    choice\n" + options, "common.txt:19: a choice offers at most 16 options"},
        {"dialog A\n    set VARINT_CURRENT_CHAPTER 40000\n", "common.txt:2: bad value \"40000\" (-32768 to 32767)"},
        {"dialog A\n    set VARBOOL_NOTHING true\n", "common.txt:2: unknown variable \"VARBOOL_NOTHING\""},
        {"dialog A\n    set VARBOOL_QUEST_C1_CHORES yes\n", "common.txt:2: expected true or false, not \"yes\""},
        {"dialog A\n    end if\n", "common.txt:2: \"if\" without a condition"},
        {"dialog A\n    end if (VARBOOL_QUEST_C1_CHORES\n", "common.txt:2: a \"(\" without its \")\""},
        {"dialog A\n    end if VARINT_CURRENT_CHAPTER =< 2\n", "common.txt:2: unknown comparison \"=<\""},
        {"dialog A\n    end if VARBOOL_QUEST_C1_CHORES VARBOOL_QUEST_C1_CHORES\n",
         "common.txt:2: unexpected \"VARBOOL_QUEST_C1_CHORES\" in the condition"},
        {"dialog A\n    end if VARINT_CURRENT_CHAPTER >=\n", "common.txt:2: expected: VARINT_CURRENT_CHAPTER"},
        {deep, "common.txt:2: the condition nests deeper than 32"},
        {"dialog A\n    end now\n", "common.txt:2: expected: end"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompileError(c.source).rfind(c.message, 0), 0u) << c.source << ": " << CompileError(c.source);
}

TEST(DialogCompilerTest, AGroupHoldsAtMost64Options)
{
    std::string source = "dialog A\n";
    for (int i = 0; i < 65; ++i)
        source += "    choice\n        option O" + std::to_string(i) + "\n";
    EXPECT_EQ(CompileError(source), "common.txt:131: a group holds at most 64 options");
}

TEST(DialogCompilerTest, EachSourceBecomesTheDialogsFileOfItsGroup)
{
    TestSupport::TempDir folder;
    folder.WriteFile("content/Dialogs/common.txt", "dialog _7\n    say tavrine 0x00000009\n");
    folder.WriteFile("content/Dialogs/bg102_BO_CastilloHouseExterior.txt", "dialog A\n");
    folder.WriteFile("content/Dialogs/notes.md", "not a source");
    ASSERT_TRUE(BuildDialogs(folder / "content", folder / "data"));
    EXPECT_TRUE(std::filesystem::exists(folder / "data/scenes/bg102_BO_CastilloHouseExterior.dialogs.dat"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "data/scenes"), {}), 2);

    const std::vector<uint8_t> bytes = TestSupport::ReadFileBytes(folder / "data/scenes/common.dialogs.dat");
    Dialog dialog;
    ASSERT_TRUE(dialog.Initialize(bytes.data(), bytes.size(), "common"));
    EXPECT_STREQ(dialog.GetName(), "common");
    EXPECT_EQ(dialog.GetKeys()[0].m_uKey, CoreCrc32Of("_7"));
    EXPECT_EQ(dialog.GetRoot(0)->m_pChildren[0].m_uWord1, 9u);

    // A source that names no group stops the step.
    folder.WriteFile("content/Dialogs/bg999.txt", "dialog A\n");
    TestSupport::StreamCapture errors(stderr);
    EXPECT_FALSE(BuildDialogs(folder / "content", folder / "data"));
    EXPECT_EQ(errors.Take(), "ContentBuilder: bg999.txt: names neither the common group nor a scene\n");
}

} // namespace
