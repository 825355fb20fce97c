#include "System/InstanceGuard.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Every test has a runtime folder of its own; afterwards the variable is
// restored and the test's lock file in the shared folder is removed.
class InstanceGuardTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (const char* saved = std::getenv("XDG_RUNTIME_DIR"))
            m_savedRuntimeFolder = saved;
        setenv("XDG_RUNTIME_DIR", m_runtimeFolder.Path().c_str(), 1);
    }
    void TearDown() override
    {
        unlink(Platform::InstanceGuard::SharedLockPath(m_name.c_str()).c_str());
        if (m_savedRuntimeFolder)
            setenv("XDG_RUNTIME_DIR", m_savedRuntimeFolder->c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
    }

    const std::string m_name = "velmarsh-test-guard-" + std::to_string(getpid());
    TestSupport::TempDir m_runtimeFolder;

private:
    std::optional<std::string> m_savedRuntimeFolder;
};

// Whether another process can take the guard right now.
bool OtherProcessAcquires(const std::string& name)
{
    const pid_t child = fork();
    if (child == 0) {
        Platform::InstanceGuard guard;
        _exit(guard.Acquire(name.c_str()) == Platform::InstanceLock::Acquired ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(InstanceGuardTest, SecondHolderIsRefusedUntilRelease)
{
    {
        Platform::InstanceGuard guard;
        ASSERT_EQ(guard.Acquire(m_name.c_str()), Platform::InstanceLock::Acquired);
        EXPECT_FALSE(OtherProcessAcquires(m_name));
        Platform::InstanceGuard second;
        EXPECT_EQ(second.Acquire(m_name.c_str()), Platform::InstanceLock::HeldElsewhere);
    }
    EXPECT_TRUE(OtherProcessAcquires(m_name));
}

TEST_F(InstanceGuardTest, WithoutRuntimeFolderEachUserHasOwnLockInTmp)
{
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(Platform::InstanceGuard::LockPath(m_name.c_str()),
              "/tmp/" + m_name + "-" + std::to_string(getuid()) + ".lock");
    {
        Platform::InstanceGuard guard;
        ASSERT_EQ(guard.Acquire(m_name.c_str()), Platform::InstanceLock::Acquired);
        EXPECT_FALSE(OtherProcessAcquires(m_name));
    }
    EXPECT_TRUE(OtherProcessAcquires(m_name));
}

// A runtime folder that is missing (or another user's) is no held lock: it is
// named with the reason, and the shared folder holds the lock instead.
TEST_F(InstanceGuardTest, AnUnusableRuntimeFolderIsReportedAndTheSharedFolderHoldsTheLock)
{
    setenv("XDG_RUNTIME_DIR", "/nonexistent", 1);
    const std::string shared = Platform::InstanceGuard::SharedLockPath(m_name.c_str());
    Platform::InstanceGuard guard;
    EXPECT_EQ(guard.Acquire(m_name.c_str()), Platform::InstanceLock::Acquired);
    EXPECT_EQ(guard.Report(), "Cannot make the lock file \"/nonexistent/" + m_name +
                                  ".lock\": No such file or directory\n"
                                  "The lock file is \"" +
                                  shared + "\" instead\n");
    EXPECT_FALSE(OtherProcessAcquires(m_name));
}

// In the shared folder another user may plant a link: it is not followed, so
// no file is made where it leads and no lock is taken on someone's file.
TEST_F(InstanceGuardTest, ALinkAtTheSharedLockPathIsRefusedAndNotFollowed)
{
    unsetenv("XDG_RUNTIME_DIR");
    const std::string shared = Platform::InstanceGuard::SharedLockPath(m_name.c_str());
    const std::filesystem::path target = m_runtimeFolder / "planted.lock";
    std::filesystem::create_symlink(target, shared);
    Platform::InstanceGuard guard;
    EXPECT_EQ(guard.Acquire(m_name.c_str()), Platform::InstanceLock::CannotBeMade);
    EXPECT_EQ(guard.Report(), "Cannot use the lock file \"" + shared + "\": it is a link\n");
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(InstanceGuardTest, CrashedHolderLeavesNothingBehind)
{
    const pid_t child = fork();
    if (child == 0) {
        Platform::InstanceGuard guard;
        guard.Acquire(m_name.c_str());
        std::raise(SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    Platform::InstanceGuard guard;
    EXPECT_EQ(guard.Acquire(m_name.c_str()), Platform::InstanceLock::Acquired);
}

} // namespace
