#include "System/InstanceGuard.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string UniqueName()
{
    return "velmarsh-test-guard-" + std::to_string(getpid());
}

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

TEST(InstanceGuardTest, SecondHolderIsRefusedUntilRelease)
{
    const std::string name = UniqueName();
    {
        Platform::InstanceGuard guard;
        ASSERT_EQ(guard.Acquire(name.c_str()), Platform::InstanceLock::Acquired);
        EXPECT_FALSE(OtherProcessAcquires(name));
        Platform::InstanceGuard second;
        EXPECT_EQ(second.Acquire(name.c_str()), Platform::InstanceLock::HeldElsewhere);
    }
    EXPECT_TRUE(OtherProcessAcquires(name));
}

TEST(InstanceGuardTest, WithoutRuntimeFolderEachUserHasOwnLockInTmp)
{
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedValue = saved ? saved : "";
    unsetenv("XDG_RUNTIME_DIR");
    const std::string name = UniqueName() + "-tmp";
    EXPECT_EQ(Platform::InstanceGuard::LockPath(name.c_str()),
              "/tmp/" + name + "-" + std::to_string(getuid()) + ".lock");
    {
        Platform::InstanceGuard guard;
        ASSERT_EQ(guard.Acquire(name.c_str()), Platform::InstanceLock::Acquired);
        EXPECT_FALSE(OtherProcessAcquires(name));
    }
    EXPECT_TRUE(OtherProcessAcquires(name));
    unlink(Platform::InstanceGuard::LockPath(name.c_str()).c_str());
    if (saved)
        setenv("XDG_RUNTIME_DIR", savedValue.c_str(), 1);
}

// A runtime folder that is missing (or another user's) is no held lock: it is
// named with the reason, and the shared folder holds the lock instead.
TEST(InstanceGuardTest, AnUnusableRuntimeFolderIsReportedAndTheSharedFolderHoldsTheLock)
{
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedValue = saved ? saved : "";
    setenv("XDG_RUNTIME_DIR", "/nonexistent", 1);
    const std::string name = UniqueName() + "-fallback";
    const std::string shared = Platform::InstanceGuard::SharedLockPath(name.c_str());
    {
        Platform::InstanceGuard guard;
        EXPECT_EQ(guard.Acquire(name.c_str()), Platform::InstanceLock::Acquired);
        EXPECT_EQ(guard.Report(), "Cannot make the lock file \"/nonexistent/" + name +
                                      ".lock\": No such file or directory\n"
                                      "The lock file is \"" +
                                      shared + "\" instead\n");
        EXPECT_FALSE(OtherProcessAcquires(name));
    }
    unlink(shared.c_str());
    if (saved)
        setenv("XDG_RUNTIME_DIR", savedValue.c_str(), 1);
    else
        unsetenv("XDG_RUNTIME_DIR");
}

TEST(InstanceGuardTest, CrashedHolderLeavesNothingBehind)
{
    const std::string name = UniqueName() + "-crash";
    const pid_t child = fork();
    if (child == 0) {
        Platform::InstanceGuard guard;
        guard.Acquire(name.c_str());
        std::raise(SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    Platform::InstanceGuard guard;
    EXPECT_EQ(guard.Acquire(name.c_str()), Platform::InstanceLock::Acquired);
}

} // namespace
