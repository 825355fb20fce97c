#include "Renderer/CoreRenderer.h"

#include "Error/EngineAssert.h"
#include "Graphics/DeviceWindow.h"
#include "Log/CoreLog.h"

#include <algorithm>

using namespace Platform;

namespace {

// The most samples a device can be asked for.
constexpr uint32_t MAX_MULTISAMPLE_LEVEL = 16;

// Half a back-buffer pixel in virtual units, for `units` virtual units over
// `pixels` pixels; 0 for a back buffer without size.
float HalfPixelOffset(float units, uint32_t pixels)
{
    return pixels != 0 ? units / float(pixels) : 0.0f;
}

const char* ResetFailureName(GraphicsResult result)
{
    switch (result) {
    case D3DERR_OUTOFVIDEOMEMORY: return "D3DERR_OUTOFVIDEOMEMORY\n";
    case D3DERR_DRIVERINTERNALERROR: return "D3DERR_DRIVERINTERNALERROR\n";
    case D3DERR_DEVICELOST: return "D3DERR_DEVICELOST\n";
    case D3DERR_INVALIDCALL: return "D3DERR_INVALIDCALL\n";
    default: return nullptr;
    }
}

} // namespace

CoreRenderer::CoreRenderer()
{
    std::fill(std::begin(m_vRenderStateCache), std::end(m_vRenderStateCache), 0u);
}

CoreRenderer::~CoreRenderer()
{
    // Meshes and textures go before the device that made them.
    if (m_pMeshManager)
        DestroyMeshManager();
    if (m_pTextureManager)
        DestroyTextureManager();
    delete[] m_pPrimitiveBuffer;
    delete m_pID3DDevice;
    delete m_pD3D;
}

bool CoreRenderer::Initialize(const CoreRendererSettings& settings)
{
    m_oSettings = settings;
    m_fHalfPixelOffsetX = HalfPixelOffset(128.0f, m_oSettings.m_uWidth);
    m_fHalfPixelOffsetY = HalfPixelOffset(96.0f, m_oSettings.m_uHeight);

    m_pD3D = CreateGraphicsSystem();
    if (!m_pD3D)
        return false;
    if (Failed(m_pD3D->GetAdapterDisplayMode(0, &m_oDisplayMode)))
        return false;
    if (!CreateDevice())
        return false;
    m_uClearColor = 0xFF000000;
    CreateTextureManager();
    CreateMeshManager();
    if (!InitializePrimitiveBuffer(m_oSettings.m_uPrimitiveBufferSize))
        return false;
    CoreMatrix::Identity(&m_oPostView);
    return true;
}

void CoreRenderer::Shutdown()
{
    ShutdownPrimitiveBuffer();
    if (m_pMeshManager)
        DestroyMeshManager();
    if (m_pTextureManager)
        DestroyTextureManager();
    delete m_pID3DDevice;
    m_pID3DDevice = nullptr;
    delete m_pD3D;
    m_pD3D = nullptr;
}

bool CoreRenderer::CreateDevice()
{
    uint32_t clientWidth = 0;
    uint32_t clientHeight = 0;
    GetWindowClientSize(m_oSettings.m_hWindow, clientWidth, clientHeight);
    const uint32_t width = m_oSettings.m_uWidth != 0 ? m_oSettings.m_uWidth : clientWidth;
    const uint32_t height = m_oSettings.m_uHeight != 0 ? m_oSettings.m_uHeight : clientHeight;
    SetWindowClientSize(m_oSettings.m_hWindow, width, height);

    PresentParameters parameters;
    FillPresentParameters(parameters);
    if (Failed(m_pD3D->CreateDevice(0, D3DDEVTYPE_HAL, m_oSettings.m_hWindow, D3DCREATE_SOFTWARE_VERTEXPROCESSING,
                                    &parameters, &m_pID3DDevice)))
        return false;
    if (Failed(m_pID3DDevice->GetDeviceCaps(&m_oCaps)))
        return false;
    SetDefaultRenderStates();

    m_oViewport = Viewport {0, 0, m_oSettings.m_uWidth, m_oSettings.m_uHeight, 0.0f, 1.0f};
    m_pID3DDevice->SetViewport(&m_oViewport);
    m_pID3DDevice->Clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0, 1.0f, 0);
    m_bDeviceLost = false;
    return true;
}

void CoreRenderer::FillPresentParameters(PresentParameters& parameters)
{
    parameters = PresentParameters {};
    parameters.deviceWindow = m_oSettings.m_hWindow;
    parameters.enableAutoDepthStencil = 1;
    parameters.autoDepthStencilFormat = D3DFMT_D24S8;
    parameters.presentationInterval = D3DPRESENT_INTERVAL_ONE;
    if ((m_oSettings.m_uFullScreen & 0xFF) == 0) {
        parameters.windowed = 1;
        parameters.swapEffect = D3DSWAPEFFECT_COPY;
        parameters.backBufferFormat = m_oDisplayMode.format;
        return;
    }
    parameters.windowed = 0;
    parameters.swapEffect = D3DSWAPEFFECT_DISCARD;
    parameters.fullScreenRefreshRate = 0;
    parameters.backBufferCount = 1;
    parameters.backBufferFormat = D3DFMT_X8R8G8B8;
    parameters.backBufferWidth = m_oSettings.m_uWidth;
    parameters.backBufferHeight = m_oSettings.m_uHeight;
    parameters.multiSampleType = ChooseMultiSampleType();
}

uint32_t CoreRenderer::ChooseMultiSampleType()
{
    // Levels above what any device offers are not asked for.
    for (uint32_t level = std::min(m_oSettings.m_uMultiSample, MAX_MULTISAMPLE_LEVEL); level >= 2; --level) {
        if (Succeeded(m_pD3D->CheckDeviceMultiSampleType(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, false, level)) &&
            Succeeded(m_pD3D->CheckDeviceMultiSampleType(0, D3DDEVTYPE_HAL, D3DFMT_D24S8, false, level)))
            return level;
    }
    return D3DMULTISAMPLE_NONE;
}

bool CoreRenderer::BeginFrame()
{
    ENGINE_ASSERT(m_pID3DDevice != NULL);
    if (!m_pID3DDevice)
        return false;
    if (m_bDeviceLost) {
        const GraphicsResult cooperativeLevel = m_pID3DDevice->TestCooperativeLevel();
        if (cooperativeLevel == D3DERR_DEVICENOTRESET) {
            PresentParameters parameters;
            FillPresentParameters(parameters);
            if (const char* failure = ResetFailureName(m_pID3DDevice->Reset(&parameters)))
                CorePrint(&g_oCoreLog, "%s", failure);
            SetDefaultRenderStates();
            m_bDeviceLost = false;
            HideCursor();
        }
    }
    return Succeeded(m_pID3DDevice->BeginScene());
}

void CoreRenderer::ClearFrame()
{
    ENGINE_ASSERT(m_pID3DDevice != NULL);
    if (!m_pID3DDevice)
        return;
    m_pID3DDevice->SetViewport(&m_oViewport);
    m_pID3DDevice->Clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, m_uClearColor, 1.0f, 0);
}

void CoreRenderer::EndFrame()
{
    ENGINE_ASSERT(m_pID3DDevice != NULL);
    if (!m_pID3DDevice || Failed(m_pID3DDevice->EndScene()))
        return;
    if (m_pID3DDevice->Present() == D3DERR_DEVICELOST)
        m_bDeviceLost = true;
}
