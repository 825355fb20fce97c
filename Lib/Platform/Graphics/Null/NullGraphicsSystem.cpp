#include "Graphics/Null/NullGraphicsSystem.h"

#include "Graphics/Null/NullGraphicsDevice.h"
#include "Graphics/TextureLevels.h"

#include <SDL.h>

namespace Platform {

NullGraphicsSystem::NullGraphicsSystem(std::shared_ptr<NullGraphicsControl> control) : m_control(std::move(control))
{
}

GraphicsResult NullGraphicsSystem::GetAdapterDisplayMode(uint32_t adapter, DisplayMode* mode)
{
    m_control->recorder.Add("GetAdapterDisplayMode", {adapter}, nullptr, 0);
    if (adapter != 0 || !mode || m_control->failDisplayMode)
        return D3DERR_INVALIDCALL;
    *mode = m_control->displayMode;
    return D3D_OK;
}

GraphicsResult NullGraphicsSystem::CheckDeviceMultiSampleType(uint32_t adapter, uint32_t deviceType, uint32_t format,
                                                              bool windowed, uint32_t multiSampleType)
{
    m_control->recorder.Add("CheckDeviceMultiSampleType",
                            {adapter, deviceType, format, windowed ? 1u : 0u, multiSampleType}, nullptr, 0);
    const auto counts = m_control->multiSampleCounts.find(format);
    if (adapter != 0 || deviceType != D3DDEVTYPE_HAL || counts == m_control->multiSampleCounts.end() ||
        !counts->second.contains(multiSampleType))
        return D3DERR_NOTAVAILABLE;
    return D3D_OK;
}

GraphicsResult NullGraphicsSystem::CheckDeviceFormat(uint32_t adapter, uint32_t deviceType, uint32_t adapterFormat,
                                                     uint32_t usage, uint32_t resourceType, uint32_t checkFormat)
{
    m_control->recorder.Add("CheckDeviceFormat", {adapter, deviceType, adapterFormat, usage, resourceType, checkFormat},
                            nullptr, 0);
    if (adapter != 0 || deviceType != D3DDEVTYPE_HAL || !IsSupportedTextureFormat(checkFormat))
        return D3DERR_NOTAVAILABLE;
    return D3D_OK;
}

GraphicsResult NullGraphicsSystem::CreateDevice(uint32_t adapter, uint32_t deviceType, SDL_Window* focusWindow,
                                                uint32_t behaviorFlags, PresentParameters* parameters,
                                                GraphicsDevice** device)
{
    m_control->recorder.Add("CreateDevice", {adapter, deviceType, behaviorFlags}, parameters,
                            parameters ? sizeof *parameters : 0);
    if (!device || !parameters)
        return D3DERR_INVALIDCALL;
    *device = nullptr;
    if (adapter != 0 || deviceType != D3DDEVTYPE_HAL)
        return D3DERR_INVALIDCALL;
    if (m_control->failCreateDevice)
        return D3DERR_NOTAVAILABLE;

    int windowWidth = static_cast<int>(m_control->displayMode.width);
    int windowHeight = static_cast<int>(m_control->displayMode.height);
    if (focusWindow)
        SDL_GetWindowSize(focusWindow, &windowWidth, &windowHeight);
    if (parameters->backBufferWidth == 0)
        parameters->backBufferWidth = static_cast<uint32_t>(windowWidth);
    if (parameters->backBufferHeight == 0)
        parameters->backBufferHeight = static_cast<uint32_t>(windowHeight);
    *device = new NullGraphicsDevice(m_control, *parameters);
    return D3D_OK;
}

} // namespace Platform
