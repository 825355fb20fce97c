#pragma once
#include "Sound/CoreSound.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

namespace TestSupport {

// The core's sound engine started on the sample data for the life of the
// object (on the silent output that the tests run with).
class ScopedSoundEngine {
public:
    ScopedSoundEngine()
    {
        EnsureMainHeap();
        ScopedWorkingDirectory cwd(DataDir());
        EXPECT_EQ(CoreSndInitWithBuffer(), 0);
    }
    ~ScopedSoundEngine() { CoreSndDestroy(); }
    ScopedSoundEngine(const ScopedSoundEngine&) = delete;
    ScopedSoundEngine& operator=(const ScopedSoundEngine&) = delete;
};

} // namespace TestSupport
