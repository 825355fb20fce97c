// A data pack checked and bound as the game binds it, with the textures and
// meshes it holds made by the managers of a renderer on the recording
// device, then unbound.
#include "App/CoreSystem.h"
#include "DataPack/DkDataPackBinding.h"
#include "FuzzSupport.h"
#include "Graphics/Null/NullGraphicsControl.h"
#include "Graphics/Null/NullGraphicsSystem.h"
#include "Renderer/CoreRenderer.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

CoreRenderer* s_pRenderer = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    CoreSystem::CreateMainHeap(64u << 20);
    auto control = std::make_shared<Platform::NullGraphicsControl>();
    Platform::SetGraphicsSystemFactory(
        [control]() -> Platform::GraphicsSystem* { return new Platform::NullGraphicsSystem(control); });
    s_pRenderer = new CoreRenderer();
    CoreRendererSettings settings;
    settings.m_uWidth = 640;
    settings.m_uHeight = 480;
    settings.m_uPrimitiveBufferSize = 768;
    if (!s_pRenderer->Initialize(settings))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The game binds a buffer it owns and may write flags into, aligned as
    // its loader aligns it.
    const size_t rounded = (size + 127) / 128 * 128;
    uint8_t* buffer = static_cast<uint8_t*>(std::aligned_alloc(128, rounded ? rounded : 128));
    std::memcpy(buffer, data, size);
    DataPack pack;
    if (DkDataPackBinding::BindPack(pack, buffer, size, "fuzz.dr"))
        DkDataPackBinding::UnbindPack(pack);
    std::free(buffer);
    return 0;
}
