// Damaged copies of the sample dialog files: every one is refused, or loads
// into a group that every dialog can be walked through.
#include "Dialogs/Common/Dialog.h"

#include "DialogWalker.h"
#include "Managers/Common/VarManager.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TestSupport::LogCapture;

std::vector<uint8_t> ReadSample(const char* name)
{
    return TestSupport::ReadFileBytes(TestSupport::DataDir() / "scenes" / name);
}

const char* const SAMPLES[] = {"common.dialogs.dat", "bg101_BO_CastilloLivingRoom.dialogs.dat"};

TEST(DialogFileMutationTest, EveryTruncationIsRefused)
{
    for (const char* name : SAMPLES) {
        const std::vector<uint8_t> bytes = ReadSample(name);
        ASSERT_GT(bytes.size(), 28u) << name;
        Dialog dialog;
        for (size_t size = 0; size < bytes.size(); ++size) {
            LogCapture capture;
            EXPECT_FALSE(dialog.Initialize(bytes.data(), size, name)) << name << " cut to " << size;
            EXPECT_NE(capture.Take().find(std::string("\"") + name + "\" refused"), std::string::npos);
        }
        LogCapture capture;
        EXPECT_TRUE(dialog.Initialize(bytes.data(), bytes.size(), name)) << name;
    }
}

TEST(DialogFileMutationTest, EveryDamagedByteIsRefusedOrWalksSafely)
{
    const VarSet saved = g_VarManager;
    for (const char* name : SAMPLES) {
        const std::vector<uint8_t> bytes = ReadSample(name);
        int loaded = 0;
        for (size_t offset = 0; offset < bytes.size(); ++offset) {
            for (uint8_t damage : {uint8_t(0xFF), uint8_t(0x80), uint8_t(0x01)}) {
                std::vector<uint8_t> damaged = bytes;
                damaged[offset] ^= damage;
                Dialog dialog;
                LogCapture capture;
                if (dialog.Initialize(damaged.data(), damaged.size(), name)) {
                    ++loaded;
                    WalkEveryDialog(dialog);
                }
            }
        }
        // Keys, texts, speakers and values may change freely.
        EXPECT_GT(loaded, 0) << name;
    }
    g_VarManager = saved;
}

} // namespace
