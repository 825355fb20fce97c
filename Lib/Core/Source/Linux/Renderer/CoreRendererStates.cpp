#include "Error/EngineAssert.h"
#include "Renderer/CoreRenderer.h"

using namespace Platform;

namespace {

struct StateRange {
    uint32_t first;
    uint32_t last;
};

// Every render state the device defines: the cache reads them all back.
const StateRange DEFINED_RENDER_STATES[] = {
    {7, 9},     {14, 16},   {19, 20},   {22, 29},   {34, 38},   {48, 48},   {52, 60},   {128, 137},
    {139, 143}, {145, 148}, {151, 152}, {154, 163}, {165, 168}, {170, 176}, {178, 195}, {198, 209},
};

} // namespace

void CoreRenderer::SetDefaultRenderStates()
{
    ENGINE_ASSERT(m_pID3DDevice != NULL);
    if (!m_pID3DDevice)
        return;
    GraphicsDevice& device = *m_pID3DDevice;
    device.SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
    device.SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device.SetRenderState(D3DRS_ZFUNC, D3DCMP_LESSEQUAL);
    device.SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device.SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device.SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    SetAlphaState();
    device.SetRenderState(D3DRS_ALPHAREF, 1);
    device.SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    device.SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device.SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    device.SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    device.SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_ANISOTROPIC);
    device.SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_NONE);
    device.SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    device.SetSamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP);
    device.SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    device.SetRenderState(D3DRS_ZWRITEENABLE, 1);
    device.SetRenderState(D3DRS_STENCILENABLE, 0);
    device.SetRenderState(D3DRS_STENCILFUNC, D3DCMP_EQUAL);
    device.SetRenderState(D3DRS_STENCILREF, 0);
    device.SetRenderState(D3DRS_STENCILMASK, 0xFFFFFFFF);
    device.SetRenderState(D3DRS_STENCILWRITEMASK, 0xFFFFFFFF);
    device.SetRenderState(D3DRS_STENCILZFAIL, D3DSTENCILOP_KEEP);
    device.SetRenderState(D3DRS_STENCILFAIL, D3DSTENCILOP_KEEP);
    device.SetRenderState(D3DRS_STENCILPASS, D3DSTENCILOP_INCR);
    device.SetRenderState(D3DRS_LIGHTING, 0);
    device.SetRenderState(D3DRS_AMBIENT, 0xFF000000);
    ResetRenderStateCache();
}

void CoreRenderer::SetAlphaState()
{
    ENGINE_ASSERT(m_pID3DDevice != NULL);
    if (!m_pID3DDevice)
        return;
    m_pID3DDevice->SetRenderState(D3DRS_ALPHATESTENABLE, 1);
    m_pID3DDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
    m_pID3DDevice->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    m_pID3DDevice->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    m_pID3DDevice->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
}

void CoreRenderer::ResetRenderStateCache()
{
    ENGINE_ASSERT(m_pID3DDevice != NULL);
    if (!m_pID3DDevice)
        return;
    for (const StateRange& range : DEFINED_RENDER_STATES) {
        for (uint32_t state = range.first; state <= range.last; ++state)
            m_pID3DDevice->GetRenderState(state, &m_vRenderStateCache[state]);
    }
}

void CoreRenderer::SetRenderState(uint32_t state, uint32_t value)
{
    ENGINE_ASSERT(m_pID3DDevice != NULL);
    ENGINE_ASSERT(state < RENDER_STATE_COUNT);
    if (!m_pID3DDevice || state >= RENDER_STATE_COUNT)
        return;
    if (m_vRenderStateCache[state] == value)
        return;
    m_vRenderStateCache[state] = value;
    m_pID3DDevice->SetRenderState(state, value);
}

uint32_t CoreRenderer::GetRenderState(uint32_t state) const
{
    ENGINE_ASSERT(m_pID3DDevice != NULL);
    ENGINE_ASSERT(state < RENDER_STATE_COUNT);
    return state < RENDER_STATE_COUNT ? m_vRenderStateCache[state] : 0;
}

void CoreRenderer::SetStencilFunc(uint32_t value)
{
    SetRenderState(D3DRS_STENCILFUNC, value);
}

void CoreRenderer::SetStencilRef(uint32_t value)
{
    SetRenderState(D3DRS_STENCILREF, value);
}

void CoreRenderer::SetStencilMask(uint32_t value)
{
    SetRenderState(D3DRS_STENCILMASK, value);
}

void CoreRenderer::SetStencilWriteMask(uint32_t value)
{
    SetRenderState(D3DRS_STENCILWRITEMASK, value);
}

void CoreRenderer::SetStencilZFail(uint32_t value)
{
    SetRenderState(D3DRS_STENCILZFAIL, value);
}

void CoreRenderer::SetStencilFail(uint32_t value)
{
    SetRenderState(D3DRS_STENCILFAIL, value);
}

void CoreRenderer::SetStencilPass(uint32_t value)
{
    SetRenderState(D3DRS_STENCILPASS, value);
}
