#include "Graphics/GraphicsFormats.h"
#include "Graphics/TexelOpacity.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace Platform;

namespace {

TEST(TexelOpacityTest, OnlyLevelsWithoutATranslucentTexelAreOpaque)
{
    // 32-bit texels, blue green red alpha in memory.
    EXPECT_TRUE(AreTexelsOpaque(D3DFMT_X8R8G8B8, std::vector<uint8_t> {1, 2, 3, 0}));
    EXPECT_TRUE(AreTexelsOpaque(D3DFMT_A8R8G8B8, std::vector<uint8_t> {1, 2, 3, 0xFF, 4, 5, 6, 0xFF}));
    EXPECT_FALSE(AreTexelsOpaque(D3DFMT_A8R8G8B8, std::vector<uint8_t> {1, 2, 3, 0xFF, 4, 5, 6, 0xFE}));

    // DXT1: index 3 is transparent only when the first colour is not above
    // the second; every block counts.
    const std::vector<uint8_t> fourColours = {0x00, 0xF8, 0x1F, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
    const std::vector<uint8_t> threeColoursUnused = {0x1F, 0x00, 0x00, 0xF8, 0x00, 0x55, 0xAA, 0x00};
    std::vector<uint8_t> threeColoursUsed = threeColoursUnused;
    threeColoursUsed[7] = 0xC0;
    EXPECT_TRUE(AreTexelsOpaque(D3DFMT_DXT1, fourColours));
    EXPECT_TRUE(AreTexelsOpaque(D3DFMT_DXT1, threeColoursUnused));
    EXPECT_FALSE(AreTexelsOpaque(D3DFMT_DXT1, threeColoursUsed));
    std::vector<uint8_t> twoBlocks = fourColours;
    twoBlocks.insert(twoBlocks.end(), threeColoursUsed.begin(), threeColoursUsed.end());
    EXPECT_FALSE(AreTexelsOpaque(D3DFMT_DXT1, twoBlocks));

    // DXT3: the explicit alpha half of each block.
    std::vector<uint8_t> dxt3(16, 0xFF);
    EXPECT_TRUE(AreTexelsOpaque(D3DFMT_DXT3, dxt3));
    dxt3[5] = 0xF0;
    EXPECT_FALSE(AreTexelsOpaque(D3DFMT_DXT3, dxt3));

    // Interpolated alpha is not looked into.
    EXPECT_FALSE(AreTexelsOpaque(D3DFMT_DXT5, std::vector<uint8_t>(16, 0xFF)));
}

} // namespace
