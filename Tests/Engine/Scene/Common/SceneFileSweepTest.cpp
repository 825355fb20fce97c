// The sample scene's description and 3D file, cut short at every length and
// damaged at every byte: refused or read, never a crash, and nothing left
// registered once the scene goes.
#include "Scene/Common/Scene.h"
#include "Scene/Common/SerialStream.h"
#include "Support/Files.h"
#include "Support/FakeSceneServices.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

namespace {

enum class SceneFile {
    Description,
    Scene3D
};

struct Sample {
    SceneFile kind;
    const char* path;
};

const Sample SAMPLES[] = {
    {SceneFile::Description, "scenes/bg101_BO_CastilloLivingRoom.twscene.pc"},
    {SceneFile::Scene3D, "scenes/bg101_BO_CastilloLivingRoom.3dscene.o"},
};

class SceneFileSweepTest : public testing::Test {
protected:
    void SetUp() override { TestSupport::EnsureMainHeap(); }

    // Reads the bytes with a scene of its own, which then goes.
    bool Read(SceneFile kind, const std::vector<uint8_t>& bytes, const char* path)
    {
        Scene scene;
        SerialStream stream(bytes.data(), bytes.size(), path);
        const bool read = kind == SceneFile::Description ? scene.Initialize2D(stream) : scene.Initialize3D(stream);
        return read;
    }

    TestSupport::FakeSceneServices m_services;
};

TEST_F(SceneFileSweepTest, EveryTruncationIsRefusedNamingTheFile)
{
    for (const Sample& sample : SAMPLES) {
        const std::vector<uint8_t> file = TestSupport::ReadFileBytes(TestSupport::DataDir() / sample.path);
        ASSERT_FALSE(file.empty()) << sample.path;
        {
            TestSupport::LogCapture capture;
            EXPECT_TRUE(Read(sample.kind, file, sample.path));
        }
        for (size_t size = 0; size < file.size(); ++size) {
            const std::vector<uint8_t> cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
            TestSupport::LogCapture capture;
            EXPECT_FALSE(Read(sample.kind, cut, sample.path)) << sample.path << " cut to " << size;
            EXPECT_NE(capture.Take().find(sample.path), std::string::npos) << sample.path << " cut to " << size;
            ASSERT_TRUE(m_services.m_registry.empty());
        }
    }
}

TEST_F(SceneFileSweepTest, EveryDamagedByteIsReadSafely)
{
    TestSupport::LogCapture capture;
    for (const Sample& sample : SAMPLES) {
        const std::vector<uint8_t> file = TestSupport::ReadFileBytes(TestSupport::DataDir() / sample.path);
        for (size_t at = 0; at < file.size(); ++at) {
            for (uint8_t value : {uint8_t(file[at] ^ 0xFF), uint8_t(0x7F), uint8_t(0x80)}) {
                std::vector<uint8_t> damaged = file;
                damaged[at] = value;
                Read(sample.kind, damaged, sample.path);
                ASSERT_TRUE(m_services.m_registry.empty()) << sample.path << " at " << at;
            }
        }
    }
}

} // namespace
