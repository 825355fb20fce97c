#include "ContentBuilder/AutoTestSource.h"
#include "ContentBuilder/ContentError.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(AutoTestSourceTest, FaultsNameTheSourceLineAndWhatIsWrong)
{
    struct Case {
        const char* source;
        const char* error;
    };
    const Case cases[] = {
        {"Jump 1\n", "rec:1: unknown event \"Jump\""},
        {"# a comment\nLook\n", "rec:2: Look takes 1 word"},
        {"UseItem 4\n", "rec:1: UseItem takes 2 words"},
        {"scene nowhere\n", "rec:1: no scene \"nowhere\""},
        {"Look water_jug\n", "rec:1: \"water_jug\" is neither an entity of the current scene nor an actor"},
        {"Look actor:goto_bg204\n",
         "rec:1: \"actor:goto_bg204\" is neither an entity of the current scene nor an actor"},
        {"scene bg101_BO_CastilloLivingRoom\nUseItem dustpan ITEM_NOTHING\n", "rec:2: no item \"ITEM_NOTHING\""},
        {"Map 256\n", "rec:1: bad number \"256\" (0 to 255)"},
        {"Map -1\n", "rec:1: bad number \"-1\" (0 to 255)"},
        {"Look 3x\n", "rec:1: bad number \"3x\" (0 to 2147483647)"},
        {"Dialog_AutoTest 0x123456789\n", "rec:1: bad id \"0x123456789\""},
        {"System 1 2\n", "rec:1: System takes at most one number"},
    };
    for (const Case& c : cases) {
        try {
            CompileAutoTestRecording(c.source, "rec");
            ADD_FAILURE() << "accepted: " << c.source;
        } catch (const ContentError& error) {
            EXPECT_EQ(std::string(error.what()), c.error);
        }
    }
}

TEST(AutoTestSourceTest, TheActorPrefixNamesTheActorWhereAnEntityBearsItsName)
{
    // The golden turtle inn has an entity named as the uncle who sits there.
    const std::string inn = "scene bg206_CR_TortueOr\n";
    EXPECT_NE(CompileAutoTestRecording(inn + "Talk uncle_eduardo\n", "rec"),
              CompileAutoTestRecording(inn + "Talk actor:uncle_eduardo\n", "rec"));
    EXPECT_EQ(CompileAutoTestRecording("Talk actor:uncle_eduardo\n", "rec"),
              CompileAutoTestRecording("Talk uncle_eduardo\n", "rec"));
}

TEST(AutoTestSourceTest, AnEntityWhoseNameStartsWithADigitIsNamedAndNotCounted)
{
    // The safe's lock names its digits by line and digit; "1_4" is the
    // eighth entity of the close-up.
    const std::string lock = "scene bg806_CU_06_DrakesSafe\n";
    EXPECT_EQ(CompileAutoTestRecording(lock + "Activate 1_4\n", "rec"),
              CompileAutoTestRecording(lock + "Activate 7\n", "rec"));
}

TEST(AutoTestSourceTest, AnEmptySourceIsAnEmptyRecording)
{
    const std::vector<uint8_t> bytes = CompileAutoTestRecording("# nothing yet\n\n", "rec");
    EXPECT_EQ(bytes, (std::vector<uint8_t> {'A', 'T', 'R', 'C', 0, 0, 0, 0}));
}

TEST(AutoTestSourceTest, AnIncludedSourcePlaysInPlaceWithTheSceneItLeavesAndTheSourceAsAWholeDoes)
{
    TestSupport::TempDir folder;
    const std::string room = "scene bg101_BO_CastilloLivingRoom\n";
    folder.WriteFile("room.txt", room);
    folder.WriteFile("dust.txt", "Activate dustpan\nLook 3\n");
    folder.WriteFile("both.txt", "include room.txt\ninclude dust.txt\n");
    const std::vector<uint8_t> whole =
        CompileAutoTestRecording("Talk uncle_eduardo\n" + room + "Activate dustpan\nLook 3\nMap 2\n", "rec");
    EXPECT_EQ(CompileAutoTestRecording("Talk uncle_eduardo\ninclude both.txt\nMap 2\n", "rec", folder.Path()), whole);
    // A file is read from its own folder.
    folder.WriteFile("main.txt", "Talk uncle_eduardo\ninclude both.txt\nMap 2\n");
    EXPECT_EQ(CompileAutoTestRecordingFile(folder / "main.txt"), whole);
}

TEST(AutoTestSourceTest, AnIncludeThatLoopsLeavesTheFolderOrReadsNothingIsRefusedWhereItStands)
{
    TestSupport::TempDir folder;
    folder.WriteFile("a.txt", "# a\ninclude b.txt\n");
    folder.WriteFile("b.txt", "include a.txt\n");
    folder.WriteFile("bad.txt", "\nJump 1\n");
    folder.WriteFile("sub/c.txt", "Map 1\n");
    struct Case {
        const char* source;
        const char* error;
    };
    const Case cases[] = {
        {"include a.txt\n", "b.txt:1: \"a.txt\" includes itself"},
        {"include rec\n", "rec:1: \"rec\" includes itself"},
        {"include bad.txt\n", "bad.txt:2: unknown event \"Jump\""},
        {"Map 1\ninclude sub/c.txt\n", "rec:2: include takes a file name of the same folder, not \"sub/c.txt\""},
        {"include ..\n", "rec:1: include takes a file name of the same folder, not \"..\""},
        {"include sub\n", "rec:1: cannot read \"sub\""},
        {"include none.txt\n", "rec:1: cannot read \"none.txt\""},
        {"include\n", "rec:1: include takes 1 word"},
    };
    for (const Case& c : cases) {
        try {
            CompileAutoTestRecording(c.source, "rec", folder.Path());
            ADD_FAILURE() << "accepted: " << c.source;
        } catch (const ContentError& error) {
            EXPECT_EQ(std::string(error.what()), c.error);
        }
    }
}

} // namespace
