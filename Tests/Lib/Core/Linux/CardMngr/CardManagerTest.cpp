#include "CardMngr/CardManager.h"
#include "Support/FaultyFileWriter.h"
#include "Support/ScopedService.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"
#include "System/FakeClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using TestSupport::FaultyFileWriter;

constexpr uint32_t IMAGE_SIZE = 3664;

using TestSupport::ReadFileText;

// Every test runs in its own folder with the log captured.
class CardManagerTest : public testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        m_log.Take(); // the memory report of the heap's creation
    }
    void TearDown() override { CardManager::DestroySingleton(); }
    // The log since the last call.
    std::string TakeLog() { return m_log.Take(); }
    std::string Image(const CardManager& card) const
    {
        return std::string(reinterpret_cast<const char*>(card.GetData()), card.GetDataSize());
    }
    // A ready manager over a save file of the given contents.
    CardManager& ReadyCard(const std::string& contents)
    {
        m_dir.WriteFile("save.dat", contents);
        CardManager* card = CardManager::CreateSingleton(IMAGE_SIZE);
        card->UpdateStatus();
        EXPECT_EQ(card->GetStatus(), I_CARD_STATUS_READY);
        TakeLog();
        return *card;
    }
    // Writes the bytes into the image at offset inside one bracket.
    static uint32_t Save(CardManager& card, uint32_t offset, const std::string& bytes)
    {
        card.BeginAccess();
        const uint32_t written = card.WriteData(offset, bytes.data(), static_cast<uint32_t>(bytes.size()));
        const uint32_t ended = card.EndAccess();
        return written != I_CARD_RESULT_DONE ? written : ended;
    }

    TestSupport::LogCapture m_log;
    TestSupport::TempDir m_dir;
    TestSupport::ScopedWorkingDirectory m_cwd {m_dir.Path()};
};

TEST_F(CardManagerTest, AMissingFileIsCreatedFromTheZeroImage)
{
    CardManager* card = CardManager::CreateSingleton(IMAGE_SIZE);
    EXPECT_EQ(CardManager::CreateSingleton(100), card);
    EXPECT_EQ(card->GetDataSize(), IMAGE_SIZE);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(card->GetData()) % 64, 0u);
    EXPECT_EQ(card->GetStatus(), I_CARD_STATUS_NO_FILE);

    card->UpdateStatus();
    EXPECT_EQ(card->GetStatus(), I_CARD_STATUS_NO_FILE);
    EXPECT_EQ(card->GetLastResult(), I_CARD_RESULT_DONE);
    EXPECT_EQ(TakeLog(), "\n--CoreFile_ERROR : File : save.dat - Could not open file\n");

    card->CreateDataFiles();
    EXPECT_EQ(card->GetStatus(), I_CARD_STATUS_READY);
    EXPECT_EQ(ReadFileText(m_dir / "save.dat"), std::string(IMAGE_SIZE, '\0'));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "save.dat.tmp"));
    EXPECT_EQ(TakeLog(), "");
}

TEST_F(CardManagerTest, AFileThatCannotBeReadIsNotReadyAndIsNeverReplaced)
{
    struct Case {
        const char* name;
        void (*make)(const std::filesystem::path& path);
        const char* log;
    };
    const Case cases[] = {
        {"folder", [](const std::filesystem::path& path) { std::filesystem::create_directory(path); },
         "Save file \"save.dat\" refused: it is not a regular file\n"},
        {"link to itself", [](const std::filesystem::path& path) { std::filesystem::create_symlink(path, path); },
         "\n--CoreFile_ERROR : File : save.dat - Could not open file\n"},
        {"longer than the image",
         [](const std::filesystem::path& path) { std::ofstream(path) << std::string(IMAGE_SIZE + 1, 's'); },
         "Save file \"save.dat\" refused: larger than the 3664 bytes of a save\n"},
    };
    for (const Case& test : cases) {
        const std::filesystem::path path = m_dir / "save.dat";
        test.make(path);
        const std::filesystem::file_type kind = std::filesystem::symlink_status(path).type();
        const std::string contents = kind == std::filesystem::file_type::regular ? ReadFileText(path) : "";
        CardManager* card = CardManager::CreateSingleton(IMAGE_SIZE);
        card->UpdateStatus();
        EXPECT_EQ(card->GetStatus(), I_CARD_STATUS_ERROR) << test.name;
        EXPECT_EQ(card->GetLastResult(), I_CARD_RESULT_FILE_ERROR) << test.name;
        EXPECT_EQ(TakeLog(), test.log) << test.name;

        // No bracket opens, so nothing is ever written over it.
        EXPECT_EQ(Save(*card, 0, "data"), I_CARD_RESULT_NO_ACCESS) << test.name;
        EXPECT_FALSE(std::filesystem::exists(m_dir / "save.dat.tmp")) << test.name;
        EXPECT_EQ(std::filesystem::symlink_status(path).type(), kind) << test.name;
        if (kind == std::filesystem::file_type::regular) {
            EXPECT_EQ(ReadFileText(path), contents) << test.name;
        }

        CardManager::DestroySingleton();
        std::filesystem::remove(path);
        TakeLog();
    }
}

// An empty file holds no save to lose.
TEST_F(CardManagerTest, AnEmptyFileIsMadeAnewAsAMissingOneIs)
{
    m_dir.WriteFile("save.dat", "");
    CardManager* card = CardManager::CreateSingleton(IMAGE_SIZE);
    card->UpdateStatus();
    EXPECT_EQ(card->GetStatus(), I_CARD_STATUS_NO_FILE);
    EXPECT_EQ(TakeLog(), "Save file \"save.dat\" is empty: it holds no save and is made anew\n");
    card->CreateDataFiles();
    EXPECT_EQ(card->GetStatus(), I_CARD_STATUS_READY);
}

TEST_F(CardManagerTest, ASaveThroughLinksWritesTheFileTheyLeadToUnlessItIsReadOnlyOrTheyLoop)
{
    TestSupport::TempDir elsewhere;
    const std::filesystem::path target = elsewhere / "real.dat";
    elsewhere.WriteFile("real.dat", "old");
    std::filesystem::create_symlink(target, m_dir / "save.dat");
    CardManager* card = CardManager::CreateSingleton(IMAGE_SIZE);
    card->UpdateStatus();
    EXPECT_EQ(Save(*card, 0, "new"), I_CARD_RESULT_DONE);
    EXPECT_EQ(ReadFileText(target).substr(0, 3), "new");

    std::filesystem::permissions(target, std::filesystem::perms::owner_read);
    TakeLog();
    EXPECT_EQ(Save(*card, 0, "NEW"), I_CARD_RESULT_FILE_ERROR);
    EXPECT_NE(TakeLog().find("Save file \"save.dat\" refused: it is read-only and is not replaced\n"),
              std::string::npos);
    EXPECT_EQ(ReadFileText(target).substr(0, 3), "new");

    // The last file of a chain, removed during play, is made where the last
    // link leads from its own folder; links in a loop are refused.
    std::filesystem::remove(target);
    std::filesystem::create_symlink("moved.dat", target);
    EXPECT_EQ(Save(*card, 0, "one"), I_CARD_RESULT_DONE);
    EXPECT_EQ(ReadFileText(elsewhere / "moved.dat").substr(0, 3), "one");
    std::filesystem::remove(elsewhere / "moved.dat");
    std::filesystem::create_symlink(m_dir / "save.dat", elsewhere / "moved.dat");
    TakeLog();
    EXPECT_EQ(Save(*card, 0, "two"), I_CARD_RESULT_FILE_ERROR);
    EXPECT_NE(TakeLog().find("save.dat - Could not replace File: its links lead round in a loop\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_symlink(elsewhere / "moved.dat"));
    EXPECT_TRUE(std::filesystem::is_symlink(target));
    EXPECT_TRUE(std::filesystem::is_symlink(m_dir / "save.dat"));
}

TEST_F(CardManagerTest, AShortFileReadsAsZerosPastItsEnd)
{
    const std::string saved = "0123456789";
    CardManager& card = ReadyCard(saved);
    EXPECT_EQ(Image(card), saved + std::string(IMAGE_SIZE - saved.size(), '\0'));
}

TEST_F(CardManagerTest, ABracketOpensOnlyWhenTheFileWasRead)
{
    CardManager* card = CardManager::CreateSingleton(IMAGE_SIZE);
    card->UpdateStatus();
    TakeLog();
    card->BeginAccess();
    EXPECT_FALSE(card->IsAccessEnabled());
    EXPECT_EQ(card->WriteData(0, "x", 1), I_CARD_RESULT_NO_ACCESS);
    EXPECT_EQ(card->EndAccess(), I_CARD_RESULT_NO_ACCESS);
    EXPECT_EQ(TakeLog(), "[CardManager] StartAccess\n");
    EXPECT_FALSE(std::filesystem::exists(m_dir / "save.dat"));
}

TEST_F(CardManagerTest, EveryBracketWithAWriteRewritesTheWholeFile)
{
    Platform::FakeClock clock;
    TestSupport::ScopedService<Platform::Clock> installedClock(Platform::SetClock, clock);
    CardManager& card = ReadyCard(std::string(IMAGE_SIZE, 'a'));

    card.BeginAccess();
    EXPECT_TRUE(card.IsAccessEnabled());
    EXPECT_EQ(card.WriteData(100, "BCD", 3), I_CARD_RESULT_DONE);
    clock.AdvanceMilliseconds(25);
    EXPECT_EQ(card.EndAccess(), I_CARD_RESULT_DONE);
    EXPECT_EQ(TakeLog(), "[CardManager] StartAccess\n"
                         "[CardManager] Write data @ 100:3\n"
                         "[CardManager] Writing file result=0\n"
                         "[CardManager] EndAccess : Time = 25 ms\n");
    std::string expected(IMAGE_SIZE, 'a');
    expected.replace(100, 3, "BCD");
    EXPECT_EQ(ReadFileText(m_dir / "save.dat"), expected);

    EXPECT_EQ(Save(card, IMAGE_SIZE - 2, "YZ"), I_CARD_RESULT_DONE);
    expected.replace(IMAGE_SIZE - 2, 2, "YZ");
    EXPECT_EQ(ReadFileText(m_dir / "save.dat"), expected);

    // A nested bracket is reported and keeps the write that the open one owes.
    card.BeginAccess();
    EXPECT_EQ(card.WriteData(0, "N", 1), I_CARD_RESULT_DONE);
    card.BeginAccess();
    EXPECT_NE(TakeLog().find("condition: !m_bAccessEnabled\n"), std::string::npos);
    EXPECT_EQ(card.EndAccess(), I_CARD_RESULT_DONE);
    expected[0] = 'N';
    EXPECT_EQ(ReadFileText(m_dir / "save.dat"), expected);

    // A bracket without a write leaves the file alone.
    m_dir.WriteFile("save.dat", "changed by hand");
    card.BeginAccess();
    EXPECT_EQ(card.EndAccess(), I_CARD_RESULT_DONE);
    EXPECT_EQ(ReadFileText(m_dir / "save.dat"), "changed by hand");
}

TEST_F(CardManagerTest, WritesPastTheImageAreRefused)
{
    CardManager& card = ReadyCard("old");
    card.BeginAccess();
    EXPECT_EQ(card.WriteData(IMAGE_SIZE - 4, "12345678", 8), I_CARD_RESULT_OUT_OF_IMAGE);
    EXPECT_EQ(card.WriteData(0xFFFFFFF0u, "12345678", 32), I_CARD_RESULT_OUT_OF_IMAGE);
    EXPECT_NE(TakeLog().find("condition: offset <= m_iDataSize && size <= m_iDataSize - offset\n"), std::string::npos);
    EXPECT_EQ(card.EndAccess(), I_CARD_RESULT_DONE);
    EXPECT_EQ(ReadFileText(m_dir / "save.dat"), "old");
}

TEST_F(CardManagerTest, AFailedWriteIsReportedWhileTheOldFileAndTheImageKeepTheirData)
{
    const std::string old(IMAGE_SIZE, 'o');
    CardManager& card = ReadyCard(old);
    {
        FaultyFileWriter writer(FaultyFileWriter::Fault::HalfWrite);
        TestSupport::ScopedService<Platform::FileWriter> installed(Platform::SetFileWriter, writer);
        EXPECT_EQ(Save(card, 8, "new!"), I_CARD_RESULT_FILE_ERROR);
    }
    const std::string log = TakeLog();
    EXPECT_NE(log.find("File : save.dat.tmp - Could not write File\n"), std::string::npos) << log;
    EXPECT_NE(log.find("[CardManager] Writing file result=4\n"), std::string::npos) << log;
    EXPECT_EQ(card.GetLastResult(), I_CARD_RESULT_FILE_ERROR);
    EXPECT_EQ(ReadFileText(m_dir / "save.dat"), old);
    EXPECT_EQ(Image(card).substr(8, 4), "new!");

    // The next save writes everything the image holds.
    EXPECT_EQ(Save(card, 0, "X"), I_CARD_RESULT_DONE);
    EXPECT_EQ(ReadFileText(m_dir / "save.dat"), Image(card));
}

TEST_F(CardManagerTest, ACrashBetweenWritingAndRenamingLeavesTheOldFile)
{
    const std::string old(IMAGE_SIZE, 'o');
    CardManager& card = ReadyCard(old);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        FaultyFileWriter writer(FaultyFileWriter::Fault::None);
        TestSupport::ScopedService<Platform::FileWriter> installed(Platform::SetFileWriter, writer);
        writer.OnRename([] { _exit(7); });
        Save(card, 0, "new");
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 7);

    EXPECT_EQ(ReadFileText(m_dir / "save.dat"), old);
    EXPECT_EQ(ReadFileText(m_dir / "save.dat.tmp"), "new" + old.substr(3));
    CardManager::DestroySingleton();
    CardManager& restarted = *CardManager::CreateSingleton(IMAGE_SIZE);
    restarted.UpdateStatus();
    EXPECT_EQ(restarted.GetStatus(), I_CARD_STATUS_READY);
    EXPECT_EQ(Image(restarted), old);

    // The next save goes over the leftover.
    EXPECT_EQ(Save(restarted, 0, "again"), I_CARD_RESULT_DONE);
    EXPECT_EQ(ReadFileText(m_dir / "save.dat"), "again" + old.substr(5));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "save.dat.tmp"));
}

} // namespace
