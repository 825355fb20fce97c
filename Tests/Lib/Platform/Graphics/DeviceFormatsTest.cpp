#include "Graphics/GraphicsFormats.h"
#include "Graphics/TextureLevels.h"
#include "Graphics/VertexFormat.h"

#include <gtest/gtest.h>

using namespace Platform;

TEST(VertexFormatTest, LaysOutTheFieldsInFormatOrder)
{
    const VertexLayout primitive = DescribeVertexFormat(D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1);
    EXPECT_TRUE(primitive.valid);
    EXPECT_FALSE(primitive.pretransformed);
    EXPECT_EQ(primitive.size, 24u);
    EXPECT_EQ(primitive.normalOffset, -1);
    EXPECT_EQ(primitive.diffuseOffset, 12);
    EXPECT_EQ(primitive.texCoordOffset, 16);

    const VertexLayout tile = DescribeVertexFormat(0x144);
    EXPECT_TRUE(tile.valid);
    EXPECT_TRUE(tile.pretransformed);
    EXPECT_EQ(tile.size, 28u);
    EXPECT_EQ(tile.diffuseOffset, 16);
    EXPECT_EQ(tile.texCoordOffset, 20);

    const VertexLayout mesh = DescribeVertexFormat(D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1);
    EXPECT_TRUE(mesh.valid);
    EXPECT_EQ(mesh.size, 32u);
    EXPECT_EQ(mesh.normalOffset, 12);
    EXPECT_EQ(mesh.texCoordOffset, 24);
}

TEST(VertexFormatTest, RefusesWhatTheDevicesCannotDraw)
{
    EXPECT_FALSE(DescribeVertexFormat(0).valid);                             // no position
    EXPECT_FALSE(DescribeVertexFormat(0x006 | D3DFVF_DIFFUSE).valid);        // blend weights
    EXPECT_FALSE(DescribeVertexFormat(D3DFVF_XYZ | 0x080).valid);            // specular colour
    EXPECT_FALSE(DescribeVertexFormat(D3DFVF_XYZ | 0x200).valid);            // two coordinate sets
    EXPECT_FALSE(DescribeVertexFormat(D3DFVF_XYZRHW | D3DFVF_NORMAL).valid); // lit screen vertices
}

TEST(VertexFormatTest, VerticesPerPrimitiveCount)
{
    EXPECT_EQ(VerticesForPrimitives(D3DPT_POINTLIST, 3), 3u);
    EXPECT_EQ(VerticesForPrimitives(D3DPT_LINELIST, 2), 4u);
    EXPECT_EQ(VerticesForPrimitives(D3DPT_LINESTRIP, 4), 5u);
    EXPECT_EQ(VerticesForPrimitives(D3DPT_TRIANGLELIST, 2), 6u);
    EXPECT_EQ(VerticesForPrimitives(D3DPT_TRIANGLESTRIP, 2), 4u);
    EXPECT_EQ(VerticesForPrimitives(D3DPT_TRIANGLEFAN, 3), 5u);
    EXPECT_EQ(VerticesForPrimitives(9, 3), 0u);
}

TEST(TextureLevelsTest, CompressedLevelsAreRowsOfBlocks)
{
    EXPECT_EQ(LevelPitch(D3DFMT_DXT1, 32), 64u);
    EXPECT_EQ(LevelByteSize(D3DFMT_DXT1, 32, 20), 320u);
    EXPECT_EQ(LevelByteSize(D3DFMT_DXT5, 32, 20), 640u);
    EXPECT_EQ(LevelByteSize(D3DFMT_DXT3, 2, 1), 16u); // a partial block is a whole block
    EXPECT_EQ(LevelPitch(D3DFMT_A8R8G8B8, 30), 120u);

    const TextureLevels chain(32, 8, 0, D3DFMT_DXT1, 0, D3DPOOL_MANAGED);
    ASSERT_EQ(chain.Count(), 6u); // 32x8, 16x4, 8x2, 4x1, 2x1, 1x1
    EXPECT_EQ(chain.At(3).width, 4u);
    EXPECT_EQ(chain.At(3).height, 1u);
    EXPECT_EQ(chain.At(5).Bytes().size(), 8u);
    SurfaceDesc desc;
    ASSERT_EQ(chain.Describe(1, &desc), D3D_OK);
    EXPECT_EQ(desc.width, 16u);
    EXPECT_EQ(desc.height, 4u);
    EXPECT_EQ(desc.format, uint32_t(D3DFMT_DXT1));
    EXPECT_EQ(desc.pool, uint32_t(D3DPOOL_MANAGED));
    EXPECT_EQ(chain.Describe(6, &desc), D3DERR_INVALIDCALL);
}

TEST(TextureLevelsTest, ALevelIsLockedOnceAndKeepsItsContents)
{
    TextureLevels levels(4, 4, 2, D3DFMT_X8R8G8B8, 0, D3DPOOL_MANAGED);
    LockedRect locked;
    ASSERT_EQ(levels.Lock(0, &locked, 0), D3D_OK);
    EXPECT_EQ(locked.pitch, 16);
    static_cast<uint8_t*>(locked.bits)[5] = 77;
    EXPECT_EQ(levels.Lock(0, &locked, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(levels.Unlock(0), D3D_OK);
    EXPECT_EQ(levels.Unlock(0), D3DERR_INVALIDCALL);
    EXPECT_EQ(levels.Unlock(1), D3DERR_INVALIDCALL);
    EXPECT_EQ(levels.Lock(2, &locked, 0), D3DERR_INVALIDCALL);
    ASSERT_EQ(levels.Lock(0, &locked, D3DLOCK_DISCARD), D3D_OK);
    EXPECT_EQ(static_cast<uint8_t*>(locked.bits)[5], 77);
}
