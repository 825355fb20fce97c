#include "Error/EngineAssert.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTexture.h"

#include <new>

using namespace Platform;

namespace {

using UINT = uint32_t;

uint32_t PrimitiveCount(uint32_t type, uint32_t vertexCount)
{
    switch (type) {
    case D3DPT_LINELIST: return vertexCount / 2;
    case D3DPT_LINESTRIP: return vertexCount - 1;
    case D3DPT_TRIANGLELIST: return vertexCount / 3;
    case D3DPT_TRIANGLESTRIP:
    case D3DPT_TRIANGLEFAN: return vertexCount - 2;
    default: return vertexCount;
    }
}

} // namespace

// A buffer whose byte size does not fit in 32 bits is refused like one the
// allocator cannot give; either way the renderer cannot start.
bool CoreRenderer::InitializePrimitiveBuffer(uint32_t iBufferSize)
{
    ENGINE_ASSERT(iBufferSize != 0);
    const uint64_t byteSize = uint64_t(iBufferSize) * sizeof(CorePrimitiveVertex);
    m_pPrimitiveBuffer = byteSize <= 0xFFFFFFFFu ? new (std::nothrow) CorePrimitiveVertex[iBufferSize] : nullptr;
    ResetPrimitiveState();
    if (!m_pPrimitiveBuffer)
        return false;
    m_iPrimitiveBufferSize = iBufferSize;
    return true;
}

void CoreRenderer::ShutdownPrimitiveBuffer()
{
    ENGINE_ASSERT(m_pPrimitiveBuffer != NULL);
    delete[] m_pPrimitiveBuffer;
    m_pPrimitiveBuffer = nullptr;
    m_iPrimitiveBufferSize = 0;
    ResetPrimitiveState();
}

void CoreRenderer::ResetPrimitiveState()
{
    m_iPrimitiveVertexIdx = -1;
    m_iPrimitiveVertexNumber = 0;
    m_hPrimitiveTexture = nullptr;
    m_ePrimitiveType = PRIMITIVE_INVALID;
}

bool CoreRenderer::PrimitiveBegin(uint32_t type, uint32_t iVertexNumber, CoreTexture* hTexture)
{
    ENGINE_ASSERT_MSG(m_pPrimitiveBuffer != NULL, "CoreRenderer not initialized.");
    ENGINE_ASSERT_MSG(m_iPrimitiveVertexIdx == -1 && m_ePrimitiveType == PRIMITIVE_INVALID,
                      "PrimitiveEnd must be called before calling another PrimitiveBegin");
    ENGINE_ASSERT_MSG(iVertexNumber != 0 && iVertexNumber <= m_iPrimitiveBufferSize,
                      "Invalid number of primitives");
    m_iPrimitiveVertexIdx = 0;
    m_iPrimitiveVertexNumber = iVertexNumber;
    m_ePrimitiveType = type;
    m_hPrimitiveTexture = hTexture;
    return true;
}

void CoreRenderer::PrimitiveVertexAdd(fx32 x, fx32 y, fx32 z, uint32_t colour, fx32 u, fx32 v)
{
    ENGINE_ASSERT_MSG(m_pPrimitiveBuffer != NULL, "CoreRenderer not initialized.");
    ENGINE_ASSERT_MSG(m_iPrimitiveVertexIdx != -1 && m_ePrimitiveType != PRIMITIVE_INVALID,
                      "PrimitiveBegin must be called before calling PrimitiveVertexAdd");
    ENGINE_ASSERT_MSG(static_cast<UINT>(m_iPrimitiveVertexIdx) < m_iPrimitiveVertexNumber,
                      "Too many vertices for specified buffer size.");
    // A vertex beyond the announced count or the buffer is dropped.
    const UINT index = static_cast<UINT>(m_iPrimitiveVertexIdx);
    if (!m_pPrimitiveBuffer || m_iPrimitiveVertexIdx < 0 || index >= m_iPrimitiveVertexNumber ||
        index >= m_iPrimitiveBufferSize)
        return;

    CorePrimitiveVertex& vertex = m_pPrimitiveBuffer[index];
    vertex.x = CoreFx::ToFloat(x) - m_fHalfPixelOffsetX;
    vertex.y = CoreFx::ToFloat(y) - m_fHalfPixelOffsetY;
    vertex.z = CoreFx::ToFloat(z);
    vertex.colour = (colour >> 8) | (colour << 24);
    vertex.u = CoreFx::ToFloat(u);
    vertex.v = CoreFx::ToFloat(v);
    ++m_iPrimitiveVertexIdx;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wsign-compare"
bool CoreRenderer::PrimitiveEnd()
{
    ENGINE_ASSERT_MSG(m_pPrimitiveBuffer != NULL, "CoreRenderer not initialized.");
    ENGINE_ASSERT_MSG(m_iPrimitiveVertexIdx != -1 && m_ePrimitiveType != PRIMITIVE_INVALID,
                      "PrimitiveBegin must be called before calling PrimitiveVertexAdd");
    ENGINE_ASSERT_MSG(m_iPrimitiveVertexIdx == m_iPrimitiveVertexNumber,
                      "Not enough number of call of PrimitiveVertexAdd");
    // A primitive that the buffer cannot hold, or none at all, draws nothing.
    if (!m_pPrimitiveBuffer || m_iPrimitiveVertexIdx == -1 || m_iPrimitiveVertexNumber == 0 ||
        m_iPrimitiveVertexNumber > m_iPrimitiveBufferSize) {
        ResetPrimitiveState();
        return false;
    }
    ENGINE_ASSERT(m_pID3DDevice != NULL);
    if (!m_pID3DDevice)
        return false;

    m_pID3DDevice->SetTexture(0, m_hPrimitiveTexture ? m_hPrimitiveTexture->m_pD3DTexture : NULL);
    m_pID3DDevice->SetFVF(CORE_PRIMITIVE_FVF);
    m_pID3DDevice->SetTransform(D3DTS_WORLD, &IDENTITY_MATRIX);
    if (Failed(m_pID3DDevice->DrawPrimitiveUP(m_ePrimitiveType,
                                              PrimitiveCount(m_ePrimitiveType, m_iPrimitiveVertexNumber),
                                              m_pPrimitiveBuffer, sizeof(CorePrimitiveVertex))))
        return false;
    ResetPrimitiveState();
    return true;
}
#pragma GCC diagnostic pop

bool CoreRenderer::DrawTexturedQuad(CoreTexture* hTexture, fx32 width, fx32 height, fx32 x, fx32 y, fx32 z)
{
    PrimitiveBegin(D3DPT_TRIANGLESTRIP, 4, hTexture);
    PrimitiveVertexAdd(x, y, z, 0xFFFFFFFF, 0, 0);
    PrimitiveVertexAdd(x, y + height, z, 0xFFFFFFFF, 0, FX32_ONE);
    PrimitiveVertexAdd(x + width, y, z, 0xFFFFFFFF, FX32_ONE, 0);
    PrimitiveVertexAdd(x + width, y + height, z, 0xFFFFFFFF, FX32_ONE, FX32_ONE);
    PrimitiveEnd();
    return true;
}
