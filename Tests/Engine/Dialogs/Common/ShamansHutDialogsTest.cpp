// Walks the compiled dialogs of the shaman's hut: every callback its script
// answers is sent in chapter 10, and her word on the first return from the
// trap's close-up says the trap is open only when the columns opened it.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

constexpr int32_t SHAMANS_HUT = 50;
constexpr uint32_t BACK_FROM_THE_CLOSE_UP = 0x3bace2f8;

class ShamansHutDialogsTest : public SceneDialogsTest {
protected:
    ShamansHutDialogsTest()
    {
        UseGroup("bg511_TU_ShamansHut.dialogs.dat", SHAMANS_HUT);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 10);
    }
};

TEST_F(ShamansHutDialogsTest, EveryCallbackTheScriptWaitsForIsSentInChapterTen)
{
    std::set<uint32_t> sent;
    for (const uint32_t uDialog : Keys()) {
        const std::vector<uint32_t> callbacks = Walk(uDialog);
        sent.insert(callbacks.begin(), callbacks.end());
    }
    for (const uint32_t uCallback : HandledCallbacks(SHAMANS_HUT))
        EXPECT_TRUE(sent.count(uCallback)) << std::hex << uCallback;
}

TEST_F(ShamansHutDialogsTest, BackFromTheCloseUpSheSaysTheTrapIsOpenOnlyWhenItIs)
{
    EXPECT_EQ(Lines(BACK_FROM_THE_CLOSE_UP), std::vector<uint32_t> {CoreCrc32Of("BG511_TRAP_STILL_SHUT")});
    Set(VARBOOL_BG511_C10_SECRET_TRAP_OPEN);
    EXPECT_EQ(Lines(BACK_FROM_THE_CLOSE_UP),
              (std::vector<uint32_t> {CoreCrc32Of("BG511_TRAP_OPENED"), CoreCrc32Of("BG511_SOMETHING_GLOWS")}));
}

} // namespace
