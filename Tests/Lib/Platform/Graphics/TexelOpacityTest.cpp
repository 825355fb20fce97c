#include "Graphics/GraphicsFormats.h"
#include "Graphics/TexelOpacity.h"

#include <gtest/gtest.h>

#include <algorithm>
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

    // DXT5: each texel's index into the two end points, the values between
    // them, and (when the first point is not above the second) 0 and 255.
    std::vector<uint8_t> dxt5(16, 0);
    dxt5[0] = 0xFF; // every index 0: the first point
    EXPECT_TRUE(AreTexelsOpaque(D3DFMT_DXT5, dxt5));
    dxt5[2] = 0x01; // one texel on the second point, 0
    EXPECT_FALSE(AreTexelsOpaque(D3DFMT_DXT5, dxt5));
    dxt5[1] = 0xFF; // both points 255: 0 to 5 and 7 are opaque, 6 is 0
    std::fill(dxt5.begin() + 2, dxt5.begin() + 8, 0xFF);
    EXPECT_TRUE(AreTexelsOpaque(D3DFMT_DXT5, dxt5));
    dxt5[7] = 0xDF; // the last texel's index 6
    EXPECT_FALSE(AreTexelsOpaque(D3DFMT_DXT5, dxt5));
    dxt5 = std::vector<uint8_t>(16, 0);
    dxt5[0] = 0xFF;
    dxt5[1] = 0xFE;
    dxt5[2] = 0x02; // first point above the second: index 2 lies between
    EXPECT_FALSE(AreTexelsOpaque(D3DFMT_DXT5, dxt5));
}

} // namespace
