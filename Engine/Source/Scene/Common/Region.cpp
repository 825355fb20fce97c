#include "Scene/Common/Region.h"

#include "Scene/Common/SerialStream.h"

namespace {

// Six 16-bit coordinates.
constexpr uint64_t TRIANGLE_SIZE = 12;

// Which side of the edge from a to b the point lies on: >= 0 on the inner
// side or on the edge. In 64 bits, as points far outside the screen would
// overflow 32.
int64_t EdgeSide(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t x, int32_t y)
{
    return int64_t(ay - by) * (x - bx) - int64_t(ax - bx) * (y - by);
}

} // namespace

bool Region::Initialize(SerialStream& stream)
{
    stream.ReadBytes(m_sName, SCENE_OBJECT_NAME_SIZE);
    m_iId = stream.ReadS32();
    m_iEntityIndex = stream.ReadS32();
    const fx32 x = stream.ReadS32();
    const fx32 y = stream.ReadS32();
    m_iDepth = stream.ReadS32();
    const fx32 width = stream.ReadS32();
    const fx32 height = stream.ReadS32();
    m_oBox = {x, y, CoreFx::WrapAdd(x, width), CoreFx::WrapAdd(y, height)};

    const uint32_t count = stream.ReadU32();
    if (!stream.HasRoomFor(count, TRIANGLE_SIZE))
        return false;
    m_iNbTriangles = count;
    m_vTriangles.resize(count);
    for (RegionTriangle& triangle : m_vTriangles) {
        triangle.x0 = stream.ReadS16();
        triangle.y0 = stream.ReadS16();
        triangle.x1 = stream.ReadS16();
        triangle.y1 = stream.ReadS16();
        triangle.x2 = stream.ReadS16();
        triangle.y2 = stream.ReadS16();
    }
    m_iDirection = stream.ReadU32();
    for (Scriptable*& actor : m_vTouchingActors)
        actor = nullptr;
    ReadHighlightParams(stream);
    return stream.IsGood();
}

bool Region::Contains(fx32 px, fx32 py, fx32) const
{
    if (px < m_oBox.xMin || px > m_oBox.xMax || py < m_oBox.yMin || py > m_oBox.yMax)
        return false;
    const int32_t x = px >> FX32_SHIFT;
    const int32_t y = py >> FX32_SHIFT;
    for (const RegionTriangle& t : m_vTriangles) {
        if (EdgeSide(t.x0, t.y0, t.x1, t.y1, x, y) >= 0 && EdgeSide(t.x1, t.y1, t.x2, t.y2, x, y) >= 0 &&
            EdgeSide(t.x2, t.y2, t.x0, t.y0, x, y) >= 0)
            return true;
    }
    return false;
}

void Region::Release()
{
    m_pScriptable = nullptr;
    m_vTriangles.clear();
    m_iNbTriangles = 0;
}
