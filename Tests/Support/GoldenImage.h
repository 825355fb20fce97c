#pragma once
#include "Graphics/RgbaImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

namespace TestSupport {

// Reads a PNG file into 8-bit RGBA; false when it cannot be read.
bool ReadPngImage(const std::filesystem::path& path, Platform::RgbaImage& image);

// Compares a picture with its reference image, Tests/Data/<name>.png of the
// source folder. A pixel differs when one of its channels differs by more
// than `tolerance`; at most `maxDifferentPixels` may differ. A failed
// comparison writes the picture as <name>.actual.png in the build folder.
// With VELMARSH_UPDATE_GOLDEN=1 in the environment the picture becomes the
// new reference instead (and the comparison fails, so that a run that
// rewrites references is never taken for a passing one).
testing::AssertionResult MatchesGoldenImage(const Platform::RgbaImage& picture, const std::string& name,
                                            uint32_t tolerance, uint32_t maxDifferentPixels);

} // namespace TestSupport
