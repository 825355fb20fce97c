#pragma once
#include "Graphics/RgbaImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

namespace TestSupport {

// Compares a drawn image with its reference picture, Tests/Data/<name>.png,
// every channel (red, green, blue, alpha) within `tolerance`: OpenGL drivers
// of different versions round a little differently.
//
// VELMARSH_UPDATE_GOLDEN=1 in the environment rewrites the reference from
// the image instead, on purpose; commit it after looking at it. A failing
// comparison writes <name>.actual.png and <name>.difference.png into
// GoldenFailures/ of the build folder for a person to look at.
testing::AssertionResult MatchesGoldenImage(const Platform::RgbaImage& image, const std::string& name,
                                            uint32_t tolerance);

// The same with the folders and the switch given.
struct GoldenFolders {
    std::filesystem::path references;
    std::filesystem::path failures;
    bool update = false;
};
testing::AssertionResult MatchesGoldenImage(const Platform::RgbaImage& image, const std::string& name,
                                            uint32_t tolerance, const GoldenFolders& folders);

// Whether VELMARSH_UPDATE_GOLDEN=1 asks for the references to be rewritten.
bool GoldenUpdateRequested();

// A PNG file as 8-bit RGBA; false when it cannot be read.
bool ReadPng(const std::filesystem::path& path, Platform::RgbaImage& image);

} // namespace TestSupport
