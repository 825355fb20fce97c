#include "Nubra/Common/Memory/NubraMemory.h"
#include "Resource/CoreResource.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/ScopedMessageBoxes.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

class CoreResourceTest : public testing::Test {
protected:
    void SetUp() override { TestSupport::EnsureMainHeap(); }

    // What one load logged, its debugger lines included, in order.
    std::string Load(CoreResource& resource, const std::string& name, bool allocate, int expectedResult)
    {
        return TestSupport::LogOf(
            [&] { EXPECT_EQ(Core::LoadResource(&resource, name.c_str(), allocate), expectedResult) << name; });
    }

    static uint32_t UsedChunks()
    {
        Nubra::Memory::MallInfo info;
        Nubra::Memory::BigHeap::GetMallInfo(Nubra::Memory::MainHeap(), info);
        return info.m_uUsedChunks;
    }

    TestSupport::TempDir m_dir;
    TestSupport::ScopedWorkingDirectory m_cwd {m_dir.Path()};
};

TEST_F(CoreResourceTest, CapacityIsTheSizeRoundedUpTo16AndTheBufferAlignedTo32)
{
    const uint32_t chunksBefore = UsedChunks();
    for (const auto& [size, capacity] :
         std::vector<std::pair<uint32_t, uint32_t>> {{1, 16}, {16, 16}, {17, 32}, {1000, 1008}}) {
        std::string contents(size, '\0');
        for (uint32_t i = 0; i < size; ++i)
            contents[i] = static_cast<char>('a' + i % 26);
        m_dir.WriteFile("data.bin", contents);

        CoreResource resource;
        EXPECT_EQ(Load(resource, "data.bin", true, 0), "");
        EXPECT_EQ(resource.m_uSize, size);
        EXPECT_EQ(resource.m_uCapacity, capacity);
        ASSERT_NE(resource.m_pBuffer, nullptr);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(resource.m_pBuffer) % 32, 0u);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(resource.m_pBuffer), size), contents);

        Core::ReleaseResource(&resource);
        EXPECT_EQ(resource.m_uSize, 0u);
        EXPECT_EQ(resource.m_uCapacity, 0u);
        EXPECT_EQ(resource.m_pBuffer, nullptr);
        EXPECT_EQ(UsedChunks(), chunksBefore);
    }
}

TEST_F(CoreResourceTest, NamesAreMatchedWithoutCase)
{
    m_dir.WriteFile("Scenes/Room.twscene.pc", "scene");
    CoreResource resource;
    Load(resource, "scenes/ROOM.twscene.PC", true, 0);
    EXPECT_EQ(resource.m_uSize, 5u);
    Core::ReleaseResource(&resource);
}

TEST_F(CoreResourceTest, EmptyFileIsRefusedWithItsName)
{
    m_dir.WriteFile("empty.bin", "");
    CoreResource resource;
    EXPECT_EQ(Load(resource, "empty.bin", true, -1), "ERROR: The file <empty.bin> is empty\n");
    EXPECT_EQ(resource.m_uSize, 0u);
    EXPECT_EQ(resource.m_pBuffer, nullptr);
}

TEST_F(CoreResourceTest, MissingFileIsReportedWithItsPath)
{
    CoreResource resource;
    const std::string log = Load(resource, "sound/missing.xwb", true, -1);
    EXPECT_EQ(log.rfind("\n--CoreFile_ERROR : File : sound/missing.xwb - Could not open file\n"
                        "ERROR: Can't find the file : sound/missing.xwb\nASSERT\n",
                        0),
              0u)
        << log;
    EXPECT_NE(log.find("condition: FALSE\n"), std::string::npos) << log;
    EXPECT_EQ(resource.m_pBuffer, nullptr);
}

TEST_F(CoreResourceTest, FolderIsRefusedWithItsName)
{
    std::filesystem::create_directory(m_dir / "folder");
    CoreResource resource;
    EXPECT_NE(Load(resource, "folder", true, -1).find("folder"), std::string::npos);
    EXPECT_EQ(resource.m_pBuffer, nullptr);
}

TEST_F(CoreResourceTest, CallerBufferIsUsedWhenTheFileFits)
{
    m_dir.WriteFile("save.dat", "0123456789");
    auto* buffer = static_cast<uint8_t*>(Nubra::Memory::Malloc(16, 64));
    CoreResource resource;
    resource.m_uCapacity = 16;
    resource.m_pBuffer = buffer;
    Load(resource, "save.dat", false, 0);
    EXPECT_EQ(resource.m_pBuffer, buffer);
    EXPECT_EQ(resource.m_uCapacity, 16u);
    EXPECT_EQ(resource.m_uSize, 10u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 10), "0123456789");
    Core::ReleaseResource(&resource);
}

TEST_F(CoreResourceTest, CallerBufferTooSmallIsRefusedUntouched)
{
    m_dir.WriteFile("big.bin", std::string(40, 'x'));
    std::vector<uint8_t> storage(64, 0x5A);
    CoreResource resource;
    resource.m_uCapacity = 32;
    resource.m_pBuffer = storage.data();
    EXPECT_NE(Load(resource, "big.bin", false, -1).find("big.bin"), std::string::npos);
    EXPECT_EQ(resource.m_uSize, 0u);
    EXPECT_EQ(resource.m_pBuffer, storage.data());
    EXPECT_EQ(std::vector<uint8_t>(64, 0x5A), storage);
}

TEST_F(CoreResourceTest, NoBufferFailsInsteadOfReading)
{
    m_dir.WriteFile("data.bin", "abc");
    CoreResource resource;
    const std::string log = Load(resource, "data.bin", false, -1);
    EXPECT_NE(log.find("condition: pFileBuffer\n"), std::string::npos) << log;
}

TEST_F(CoreResourceTest, FileLargerThanTheHeapFails)
{
    TestSupport::ScopedMessageBoxes boxes;
    m_dir.WriteFile("huge.bin", "");
    std::filesystem::resize_file(m_dir / "huge.bin", TestSupport::TEST_MAIN_HEAP_SIZE + 1);
    CoreResource resource;
    const std::string log = Load(resource, "huge.bin", true, -1);
    EXPECT_NE(log.find("Memory allocation failed"), std::string::npos) << log;
    EXPECT_NE(log.find("condition: pFileBuffer\n"), std::string::npos) << log;
    EXPECT_EQ(resource.m_pBuffer, nullptr);
    EXPECT_EQ(resource.m_uCapacity, 0u);
}

} // namespace
