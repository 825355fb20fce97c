#pragma once
#include "Managers/Common/ResourceManager.h"
#include "Support/MainHeap.h"
#include "Support/OpenGlRendererTest.h"
#include "Support/TestPaths.h"

namespace TestSupport {

// The game's 640 x 480 screen (or another size) on the real OpenGL device,
// for pictures compared with their references; the engine's files need the
// main heap.
class OpenGlPictureTest : public OpenGlRendererTest {
protected:
    explicit OpenGlPictureTest(uint32_t width = 640, uint32_t height = 480) : OpenGlRendererTest(width, height) { }

    void SetUp() override
    {
        EnsureMainHeap();
        OpenGlRendererTest::SetUp();
    }
};

// A 256 x 192 picture (or another size) of a sample scene: the common
// packages are loaded from the data folder.
class SampleScenePictureTest : public OpenGlPictureTest {
protected:
    explicit SampleScenePictureTest(uint32_t width = 256, uint32_t height = 192) : OpenGlPictureTest(width, height) { }

    void SetUp() override
    {
        OpenGlPictureTest::SetUp();
        if (HasFatalFailure())
            return;
        ResourceManager::CreateSingleton();
        ASSERT_TRUE(ResourceManager::GetInstance()->LoadCommonPackages());
    }
    void TearDown() override
    {
        // Set-up may have stopped before the manager was made.
        if (ResourceManager::GetInstance()) {
            ResourceManager::GetInstance()->UnloadAll();
            ResourceManager::DestroySingleton();
        }
        OpenGlPictureTest::TearDown();
    }

    ScopedWorkingDirectory m_data {DataDir()};
};

} // namespace TestSupport
