#pragma once
#include "Mesh/CoreMesh.h"
#include "Mesh/CoreMeshManager.h"
#include "Support/NullRendererTest.h"
#include "Support/SampleFigure.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>

// A renderer on the recording device, with its texture and mesh managers.
class MeshTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        TestSupport::NullRendererTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_NE(m_renderer.GetMeshManager(), nullptr);
    }

    CoreMeshManager& Meshes() { return *m_renderer.GetMeshManager(); }

    CoreMeshHandle Create(const char* pName, const std::string& text)
    {
        return Meshes().CreateMesh(pName, text.data(), uint32_t(text.size()));
    }

    static std::string SampleFigure() { return TestSupport::ReadSampleFigure(); }

    static std::string Identity()
    {
        return "1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0;;";
    }

    // One triangle in a frame, with the material list given (may be empty).
    static std::string Triangle(const std::string& materialList)
    {
        return "xof 0303txt 0032\nFrame Tri {\n FrameTransformMatrix { " + Identity() +
               " }\n Mesh {\n  3;\n  0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 1.0; 0.0;;\n  1;\n  3; 0, 1, 2;;\n" +
               materialList + " }\n}\n";
    }
};
