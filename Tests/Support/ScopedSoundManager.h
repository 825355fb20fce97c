#pragma once
#include "Managers/Common/SoundManager.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>

namespace TestSupport {

// The game's sound manager started on the sample data (silent output) for
// the life of the object, its players bound, every volume full.
class ScopedSoundManager {
public:
    ScopedSoundManager()
    {
        EnsureMainHeap();
        ScopedWorkingDirectory cwd(DataDir());
        LogCapture capture;
        const bool initialized = SoundManager::Initialize();
        const std::string output = capture.Take();
        EXPECT_TRUE(initialized) << output;
    }
    ~ScopedSoundManager() { SoundManager::Terminate(); }
    ScopedSoundManager(const ScopedSoundManager&) = delete;
    ScopedSoundManager& operator=(const ScopedSoundManager&) = delete;
};

} // namespace TestSupport
