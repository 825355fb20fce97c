#pragma once
#include <cstdint>

namespace Platform {

// Where the fields of a vertex of a flexible vertex format lie. The devices
// draw vertices made of a position (XYZ, or XYZRHW already in pixels) and
// optionally a normal, a diffuse colour and one pair of texture
// coordinates; any other format is refused.
struct VertexLayout {
    bool valid;
    bool pretransformed;    // XYZRHW
    uint32_t size;          // bytes of the fields
    int32_t normalOffset;   // -1 when absent
    int32_t diffuseOffset;  // -1 when absent
    int32_t texCoordOffset; // -1 when absent
};

VertexLayout DescribeVertexFormat(uint32_t fvf);

// The vertices that primitiveCount primitives of the type use; 0 for an
// unknown type.
uint32_t VerticesForPrimitives(uint32_t primitiveType, uint32_t primitiveCount);

} // namespace Platform
