#include "DataPack/DataPackFormat.h"
#include "Graphics/DeviceTexture.h"
#include "Graphics/GraphicsFormats.h"
#include "Managers/Common/ResourceManager.h"
#include "Support/Files.h"
#include "Support/HandMadeDds.h"
#include "Support/HandMadeDialogs.h"
#include "Support/HandMadePack.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/NullRendererTest.h"
#include "Support/TestPaths.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

namespace {

using TestSupport::HandMadePack;

std::string AsText(const std::vector<uint8_t>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

// A dialogs file of one dialog that ends at once.
std::vector<uint8_t> CommonDialogs()
{
    TestSupport::HandMadeDialogs dialogs;
    dialogs.Add(1, TestSupport::HandMadeDialog::Root({TestSupport::HandMadeDialog::End()}));
    return dialogs.Bytes();
}

class ResourceManagerTest : public testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        m_manager = ResourceManager::CreateSingleton();
    }
    void TearDown() override { ResourceManager::DestroySingleton(); }

    // Runs a call with the log and the standard error captured.
    template <typename Call>
    std::string Logged(Call call)
    {
        TestSupport::LogCapture capture;
        call();
        return capture.Take();
    }

    size_t PackageCount() const
    {
        size_t count = 0;
        for (PackageResource* package = m_manager->m_pPackages; package; package = package->m_pNext)
            ++count;
        return count;
    }

    TestSupport::TempDir m_folder;
    TestSupport::ScopedWorkingDirectory m_workingDirectory {m_folder.Path()};
    ResourceManager* m_manager = nullptr;
};

TEST_F(ResourceManagerTest, SameNameIsSharedByReferenceCount)
{
    m_folder.WriteFile("text/data.bin", "twelve bytes");
    PackageResource* first = m_manager->LoadPackage("text/data.bin");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(first->Buffer()), first->Size()), "twelve bytes");
    EXPECT_STREQ(first->m_sName, "text/data.bin");
    EXPECT_EQ(first->m_iNbRef, 1u);

    EXPECT_EQ(m_manager->LoadPackage("text/data.bin"), first);
    EXPECT_EQ(first->m_iNbRef, 2u);
    EXPECT_EQ(PackageCount(), 1u);

    m_manager->UnloadPackage(first);
    EXPECT_EQ(m_manager->FindPackage("text/data.bin"), first);
    EXPECT_EQ(first->m_iNbRef, 1u);
    m_manager->UnloadPackage(first);
    EXPECT_EQ(m_manager->FindPackage("text/data.bin"), nullptr);
    EXPECT_EQ(PackageCount(), 0u);
}

TEST_F(ResourceManagerTest, APackageIsItsOwnCopyOfTheFileAndAnEmptyFileIsRefused)
{
    // Bytes changed in place (as binding a pack marks its entries) reach
    // neither the file nor the package loaded from it next.
    m_folder.WriteFile("data.bin", "twelve bytes");
    PackageResource* package = m_manager->LoadPackage("data.bin");
    ASSERT_NE(package, nullptr);
    package->Buffer()[0] = 'T';
    EXPECT_EQ(package->Buffer()[0], 'T');
    m_manager->UnloadPackage(package);
    EXPECT_EQ(AsText(TestSupport::ReadFileBytes(m_folder.Path() / "data.bin")), "twelve bytes");
    package = m_manager->LoadPackage("data.bin");
    ASSERT_NE(package, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(package->Buffer()), package->Size()), "twelve bytes");
    m_manager->UnloadPackage(package);

    m_folder.WriteFile("empty.bin", "");
    PackageResource* empty = nullptr;
    const std::string log = Logged([&] { empty = m_manager->LoadPackage("empty.bin"); });
    EXPECT_EQ(empty, nullptr);
    EXPECT_NE(log.find("The file <empty.bin> is empty\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Error loading \"empty.bin\"\n"), std::string::npos) << log;
    EXPECT_EQ(PackageCount(), 0u);
}

TEST_F(ResourceManagerTest, NamesDifferingInCaseAreTwoPackages)
{
    m_folder.WriteFile("data.bin", "abc");
    PackageResource* lower = m_manager->LoadPackage("data.bin");
    PackageResource* upper = m_manager->LoadPackage("DATA.bin");
    ASSERT_NE(lower, nullptr);
    ASSERT_NE(upper, nullptr);
    EXPECT_NE(lower, upper);
    EXPECT_EQ(m_manager->FindPackage("DATA.bin"), upper);
    EXPECT_EQ(PackageCount(), 2u);
    m_manager->UnloadPackage(lower);
    m_manager->UnloadPackage(upper);
}

TEST_F(ResourceManagerTest, FailedLoadLeavesTheListUnchanged)
{
    m_folder.WriteFile("present.bin", "x");
    PackageResource* present = m_manager->LoadPackage("present.bin");
    PackageResource* missing = nullptr;
    const std::string log = Logged([&] { missing = m_manager->LoadPackage("absent.bin"); });
    EXPECT_EQ(missing, nullptr);
    EXPECT_NE(log.find("Error loading \"absent.bin\"\n"), std::string::npos) << log;
    EXPECT_EQ(m_manager->m_pPackages, present);
    EXPECT_EQ(present->m_pNext, nullptr);

    // Null and unknown packages are ignored.
    m_manager->UnloadPackage(nullptr);
    PackageResource stranger;
    stranger.m_iNbRef = 0;
    m_manager->UnloadPackage(&stranger);
    EXPECT_EQ(present->m_iNbRef, 1u);
    m_manager->UnloadPackage(present);
}

TEST_F(ResourceManagerTest, TooLongNameIsReported)
{
    const std::string name(300, 'n');
    const std::string log = Logged([&] { EXPECT_EQ(m_manager->LoadPackage(name.c_str()), nullptr); });
    EXPECT_NE(log.find("condition: strlen(packageName)<CORE_MAX_PATH\n"), std::string::npos) << log;
}

TEST_F(ResourceManagerTest, CommonPackagesAreBoundAndUnloadedAtShutdown)
{
    HandMadePack pack;
    pack.Add(DATAPACK_EDGM, "edges");
    m_folder.WriteFile("common.dr", AsText(pack.Bytes()));
    m_folder.WriteFile("scenes/common.dialogs.dat", AsText(CommonDialogs()));
    ASSERT_TRUE(m_manager->LoadCommonPackages());
    EXPECT_EQ(m_manager->GetCommonDataPack().m_bBound, 1);
    EXPECT_STREQ(m_manager->GetCommonDataPack().EntryName(0), "edges");
    ASSERT_NE(m_manager->m_pCommonDialogsPackage, nullptr);
    EXPECT_EQ(m_manager->m_pCommonDataPackage, m_manager->FindPackage("common.dr"));

    m_folder.WriteFile("forgotten.bin", "f");
    m_manager->LoadPackage("forgotten.bin");
    const std::string log = Logged([&] { m_manager->UnloadAll(); });
    EXPECT_EQ(log, "ERR [00h:00m:00s]:Unloaded package: forgotten.bin\n");
    EXPECT_EQ(m_manager->GetCommonDataPack().m_bBound, 0);
    EXPECT_EQ(m_manager->m_pCommonDataPackage, nullptr);
    EXPECT_EQ(m_manager->m_pCommonDialogsPackage, nullptr);
    EXPECT_EQ(m_manager->FindPackage("common.dr"), nullptr);
    // The leftover stays listed; the manager frees it when destroyed.
    EXPECT_NE(m_manager->FindPackage("forgotten.bin"), nullptr);
}

TEST_F(ResourceManagerTest, MissingOrDamagedCommonDialogsFailNamingTheFile)
{
    m_folder.WriteFile("common.dr", AsText(HandMadePack().Bytes()));
    const std::string failed = "Cannot load the common dialogs \"scenes/common.dialogs.dat\": the game cannot start "
                               "without them\n";
    bool loaded = true;
    std::string log = Logged([&] { loaded = m_manager->LoadCommonPackages(); });
    EXPECT_FALSE(loaded);
    EXPECT_NE(log.find("Error loading \"scenes/common.dialogs.dat\"\n" + failed), std::string::npos) << log;
    m_manager->UnloadAll();

    std::vector<uint8_t> bytes = CommonDialogs();
    bytes.pop_back();
    m_folder.WriteFile("scenes/common.dialogs.dat", AsText(bytes));
    log = Logged([&] { loaded = m_manager->LoadCommonPackages(); });
    EXPECT_FALSE(loaded);
    EXPECT_NE(log.find("Dialog::Initialize -- \"scenes/common.dialogs.dat\" refused\n" + failed), std::string::npos)
        << log;
    m_manager->UnloadAll();
}

TEST_F(ResourceManagerTest, CommonDataPackThatCannotBeLoadedOrBoundFails)
{
    m_folder.WriteFile("scenes/common.dialogs.dat", AsText(CommonDialogs()));
    const std::string failed = "Cannot load the common data pack \"common.dr\": the game cannot start without it\n";
    bool loaded = true;
    std::string log = Logged([&] { loaded = m_manager->LoadCommonPackages(); });
    EXPECT_FALSE(loaded);
    EXPECT_NE(log.find("Error loading \"common.dr\"\n" + failed), std::string::npos) << log;
    m_manager->UnloadAll();

    std::vector<uint8_t> bytes = HandMadePack().Bytes();
    bytes[0] = 'X';
    m_folder.WriteFile("common.dr", AsText(bytes));
    log = Logged([&] { loaded = m_manager->LoadCommonPackages(); });
    EXPECT_FALSE(loaded);
    EXPECT_NE(log.find("data pack \"common.dr\" refused: not a DPR2 data pack\n" + failed), std::string::npos) << log;
    EXPECT_EQ(m_manager->FindPackage("common.dr"), nullptr);
    EXPECT_EQ(m_manager->m_pCommonDataPackage, nullptr);
    EXPECT_EQ(m_manager->GetCommonDataPack().m_bBound, 0);
}

// The common textures are drawn from the mapped file itself; a file cut
// short anywhere is refused by name before any texture is made from it.
TEST_F(ResourceManagerTest, CommonTexturesReadTheMappedFileAndACutFileIsRefusedByName)
{
    TestSupport::ScopedNullRenderer renderer;
    ASSERT_TRUE(renderer.IsReady());
    HandMadePack pack;
    pack.Add(DATAPACK_TEXTURE, "sky", TestSupport::HandMadeDds(8, 8, Platform::D3DFMT_DXT1, 32, 3));
    const std::vector<uint8_t> bytes = pack.Bytes();
    m_folder.WriteFile("scenes/common.dialogs.dat", AsText(CommonDialogs()));
    m_folder.WriteFile("common.dr", AsText(bytes));
    ASSERT_TRUE(m_manager->LoadCommonPackages());
    const PackageResource* package = m_manager->m_pCommonDataPackage;
    const CoreTexture* sky = g_pTextureManager->GetTextureByName("sky");
    ASSERT_NE(sky, nullptr);
    const std::span<const uint8_t> pixels =
        static_cast<const Platform::DeviceTexture*>(sky->m_pD3DTexture)->Levels().At(0).Bytes();
    ASSERT_EQ(pixels.size(), 32u);
    EXPECT_EQ(pixels[0], 3u);
    EXPECT_GE(pixels.data(), package->Buffer());
    EXPECT_LE(pixels.data() + pixels.size(), package->Buffer() + package->Size());
    m_manager->UnloadAll();
    EXPECT_EQ(g_pTextureManager->GetTextureCount(), 0u);

    const std::string failed = "Cannot load the common data pack \"common.dr\": the game cannot start without it\n";
    for (size_t size = 1; size < bytes.size(); ++size) {
        m_folder.WriteFile("common.dr", AsText({bytes.begin(), bytes.begin() + std::ptrdiff_t(size)}));
        bool loaded = true;
        const std::string log = Logged([&] { loaded = m_manager->LoadCommonPackages(); });
        EXPECT_FALSE(loaded) << size;
        EXPECT_NE(log.find("data pack \"common.dr\" refused: "), std::string::npos) << size << log;
        EXPECT_NE(log.find(failed), std::string::npos) << size << log;
        EXPECT_EQ(g_pTextureManager->GetTextureCount(), 0u) << size;
        m_manager->UnloadAll();
    }
}

} // namespace
