// Start-up and shutdown of the sound layer with missing, truncated and
// corrupt bank files: refused with the file's name, never a crash.
#include "Sound/CoreSound.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;

class CoreSoundFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        fs::copy(TestSupport::DataDir() / "Sound", m_dir / "Sound");
    }

    void Truncate(const std::string& name, size_t bytes) { fs::resize_file(m_dir / "Sound" / name, bytes); }

    void Poke(const std::string& name, size_t at, char value)
    {
        std::fstream file(m_dir / "Sound" / name, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(at));
        file.put(value);
    }

    // Initialises in the scratch folder; the output of the attempt.
    std::string Initialize(int& result)
    {
        TestSupport::ScopedWorkingDirectory cwd(m_dir.Path());
        TestSupport::LogCapture capture;
        result = CoreSndInitWithBuffer();
        std::string output = capture.Take();
        return output;
    }

    TestSupport::TempDir m_dir;
};

TEST_F(CoreSoundFilesTest, NoFilesFailsAndShutdownTouchesNoEngine)
{
    fs::remove_all(m_dir / "Sound");
    int result = 0;
    const std::string output = Initialize(result);
    EXPECT_EQ(result, -1);
    EXPECT_NE(output.find("function:  CoreSndInitWithBuffer\ncondition: FALSE\nmessage:\nerror loading "
                          "Sound/SoundPack.xgs\n"),
              std::string::npos)
        << output;
    EXPECT_EQ(CoreSndGetEngine(), nullptr);
    CoreSndDestroy();
    CoreSndDestroy();
    CoreSndPauseAll();
    EXPECT_FALSE(CoreSndIsPaused());
    EXPECT_FALSE(CoreSndLoadGroup("sound/common"));
}

TEST_F(CoreSoundFilesTest, TruncatedSettingsAreRefusedByName)
{
    Truncate("SoundPack.xgs", 100);
    int result = 0;
    const std::string output = Initialize(result);
    EXPECT_EQ(result, -1);
    EXPECT_NE(output.find("Refused sound file Sound/SoundPack.xgs: "), std::string::npos) << output;
    EXPECT_NE(output.find("XACT engine init failed!!!! 8ac7f001"), std::string::npos) << output;
    CoreSndDestroy();
}

TEST_F(CoreSoundFilesTest, CorruptSoundBankIsRefusedByName)
{
    Poke("SoundPack.xsb", 0x46, 0x7F); // the sounds' offset
    int result = 0;
    const std::string output = Initialize(result);
    EXPECT_EQ(result, -1);
    EXPECT_NE(output.find("Refused sound file Sound/SoundPack.xsb: sounds out of place"), std::string::npos) << output;
    EXPECT_NE(output.find("couldn't create sound bank"), std::string::npos);
    CoreSndDestroy();
}

TEST_F(CoreSoundFilesTest, CorruptWaveBanksAreRefusedByName)
{
    Truncate("common.xwb", 1000);
    Poke("stream.xwb", 52 + 80, 0x01); // alignment
    int result = 0;
    Initialize(result);
    ASSERT_EQ(result, 0);
    {
        TestSupport::ScopedWorkingDirectory cwd(m_dir.Path());
        TestSupport::LogCapture capture;
        EXPECT_FALSE(CoreSndLoadGroup("sound/common"));
        EXPECT_FALSE(CoreSndLoadStreamGroup());
        const std::string output = capture.Take();
        EXPECT_NE(output.find("Refused sound file sound/common.xwb: "), std::string::npos) << output;
        EXPECT_NE(output.find("Refused sound file sound/stream.xwb: streamed bank not aligned to 2048 bytes"),
                  std::string::npos)
            << output;
        EXPECT_EQ(CoreSndGroupDepth(), 0);
        EXPECT_TRUE(CoreSndLoadGroup("sound/bg101_chapter_01"));
    }
    CoreSndDestroy();
    EXPECT_EQ(CoreSndGetEngine(), nullptr);
}

} // namespace
