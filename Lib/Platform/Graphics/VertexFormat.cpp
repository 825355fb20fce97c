#include "Graphics/VertexFormat.h"

#include "Graphics/GraphicsFormats.h"

namespace Platform {

VertexLayout DescribeVertexFormat(uint32_t fvf)
{
    VertexLayout layout {false, false, 0, -1, -1, -1};
    const uint32_t known = D3DFVF_POSITION_MASK | D3DFVF_NORMAL | D3DFVF_DIFFUSE | D3DFVF_TEXCOUNT_MASK;
    const uint32_t position = fvf & D3DFVF_POSITION_MASK;
    const uint32_t texCount = (fvf & D3DFVF_TEXCOUNT_MASK) >> 8;
    if ((fvf & ~known) != 0 || (position != D3DFVF_XYZ && position != D3DFVF_XYZRHW) || texCount > 1)
        return layout;

    layout.pretransformed = position == D3DFVF_XYZRHW;
    uint32_t offset = layout.pretransformed ? 16 : 12;
    if (fvf & D3DFVF_NORMAL) {
        if (layout.pretransformed)
            return layout;
        layout.normalOffset = static_cast<int32_t>(offset);
        offset += 12;
    }
    if (fvf & D3DFVF_DIFFUSE) {
        layout.diffuseOffset = static_cast<int32_t>(offset);
        offset += 4;
    }
    if (texCount == 1) {
        layout.texCoordOffset = static_cast<int32_t>(offset);
        offset += 8;
    }
    layout.size = offset;
    layout.valid = true;
    return layout;
}

uint32_t VerticesForPrimitives(uint32_t primitiveType, uint32_t primitiveCount)
{
    switch (primitiveType) {
    case D3DPT_POINTLIST: return primitiveCount;
    case D3DPT_LINELIST: return primitiveCount * 2;
    case D3DPT_LINESTRIP: return primitiveCount + 1;
    case D3DPT_TRIANGLELIST: return primitiveCount * 3;
    case D3DPT_TRIANGLESTRIP:
    case D3DPT_TRIANGLEFAN: return primitiveCount + 2;
    default: return 0;
    }
}

} // namespace Platform
