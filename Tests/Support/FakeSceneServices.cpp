#include "Support/FakeSceneServices.h"

#include "Graphics/GraphicsFormats.h"
#include "Maths/CoreFxDivide.h"
#include "Renderer/CoreRenderer.h"

namespace TestSupport {

void FakeCastMember::Render(CoreRenderer& renderer, const Scene&)
{
    const fx32 z = CoreFx::Div(m_iDepth, 64 * FX32_ONE);
    if (!renderer.PrimitiveBegin(Platform::D3DPT_LINELIST, 2, nullptr))
        return;
    renderer.PrimitiveVertexAdd(m_oBox.xMin, m_oBox.yMin, z, m_uColour, 0, 0);
    renderer.PrimitiveVertexAdd(m_oBox.xMax, m_oBox.yMax, z, m_uColour, 0, 0);
    renderer.PrimitiveEnd();
}

} // namespace TestSupport
