// "Settings.ini" read as the game reads it at start-up, then the renderer
// made with the screen size, full-screen flag and anti-aliasing it gives (on
// the recording device) and shut down again.
#include "App/CoreSystem.h"
#include "FuzzSupport.h"
#include "Graphics/Null/NullGraphicsControl.h"
#include "Graphics/Null/NullGraphicsSystem.h"
#include "PC/SettingsFile.h"
#include "Renderer/CoreRenderer.h"
#include "Renderer/CoreRendererSettings.h"

#include <memory>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    CoreSystem::CreateMainHeap(64u << 20);
    auto control = std::make_shared<Platform::NullGraphicsControl>();
    Platform::SetGraphicsSystemFactory(
        [control]() -> Platform::GraphicsSystem* { return new Platform::NullGraphicsSystem(control); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Fuzz::InputFile s_file(".ini");
    const SettingsValues values = ReadSettingsFile(s_file.Write(data, size).c_str());
    CoreRendererSettings settings;
    settings.m_uWidth = values.uWidth;
    settings.m_uHeight = values.uHeight;
    settings.m_uFullScreen = values.bFullScreen ? 1 : 0;
    settings.m_uMultiSample = values.uAntiAliasing;
    settings.m_uPrimitiveBufferSize = 768;
    CoreRenderer renderer;
    if (renderer.Initialize(settings))
        renderer.Shutdown();
    return 0;
}
