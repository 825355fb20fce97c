// A texture's DDS image as the game makes it: read by the texture manager of
// a renderer on the OpenGL device, which hands the level to the driver, then
// released. Every byte of the level the reader hands on is touched too, so
// that a level reaching outside the data is caught by the sanitizer even
// where the driver reads it unseen.
#include "App/CoreApp.h"
#include "App/CoreSystem.h"
#include "FuzzSupport.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTextureManager.h"
#include "Texture/DdsImage.h"

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    // A hidden window of the offscreen driver, unless one is chosen.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    CoreSystem::Initialize(false);
    Platform::Window* window = g_pCoreApp->GetWindow();
    CoreRendererSettings settings;
    settings.m_hWindow = window != nullptr ? window->GetSdlWindow() : nullptr;
    settings.m_uWidth = 256;
    settings.m_uHeight = 192;
    settings.m_uPrimitiveBufferSize = 768;
    g_pCoreApp->m_pRenderer = new CoreRenderer();
    if (settings.m_hWindow == nullptr || !g_pCoreApp->m_pRenderer->Initialize(settings))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so that reading one byte past the image is caught.
    const std::vector<uint8_t> file(data, data + size);
    DdsImage image;
    if (!ReadDdsImage("fuzz", file.data(), file.size(), image))
        return 0;
    volatile uint8_t sum = 0;
    for (uint32_t i = 0; i < image.m_iLevel0Size; ++i)
        sum = uint8_t(sum + image.m_pLevel0[i]);
    if (g_pTextureManager->CreateTexture("fuzz", file.data(), file.size()) != nullptr)
        g_pTextureManager->ReleaseTexture("fuzz");
    return 0;
}
