#include "Texture/CoreTextureManager.h"

#include "Error/EngineAssert.h"
#include "Graphics/GraphicsFormats.h"
#include "Graphics/TextureLevels.h"
#include "Hash/CoreCrc32.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTexture.h"
#include "Texture/DdsImage.h"

using namespace Platform;
using Nubra::BinarySearchTree::Avl32;

CoreTextureManager* g_pTextureManager = nullptr;

// The engine's continuing assert that reports an unconditional failure.
#define TEXTURE_FAILED() CoreEngineAssertFailed(__FILE__, __LINE__, CORE_PRETTY_FUNCTION, "FALSE")

namespace {

GraphicsTexture* MakeInPlace(GraphicsDevice& device, uint32_t width, uint32_t height, const DdsImage& image)
{
    GraphicsTexture* texture = nullptr;
    if (device.CreateTextureInPlace(width, height, image.m_iFourCc, D3DPOOL_MANAGED, image.m_pLevel0, &texture) !=
        D3D_OK)
        return nullptr;
    return texture;
}

} // namespace

CoreTextureManager::~CoreTextureManager()
{
    ReleaseAll();
}

CoreTextureManager* CoreTextureManager::CreateSingleton()
{
    ENGINE_ASSERT(g_pTextureManager == NULL);
    // Another owner's manager is never handed out twice.
    if (g_pTextureManager != nullptr)
        return nullptr;
    g_pTextureManager = new CoreTextureManager();
    return g_pTextureManager;
}

void CoreTextureManager::DestroySingleton()
{
    ENGINE_ASSERT(g_pTextureManager!=NULL);
    delete g_pTextureManager;
    g_pTextureManager = nullptr;
}

void CoreTextureManager::DeleteTexture(CoreTexture* texture)
{
    delete texture->m_pD3DTexture;
    delete texture;
}

void CoreTextureManager::ReleaseAll()
{
    if (m_oTextureMap.Root() != Avl32::INVALID_NODE) {
        Avl32::Const_Iterator iterator(m_oTextureMap);
        for (iterator = m_oTextureMap.First(); iterator != Avl32::INVALID_NODE; iterator++) {
            CoreTexture* texture = reinterpret_cast<CoreTexture*>(iterator.GetValue());
            if (texture)
                DeleteTexture(texture);
        }
    }
    m_oTextureMap.Clear();
    m_iTotalBytes = 0;
}

CoreTexture* CoreTextureManager::CreateTexture(const char* name, const uint8_t* dds, size_t size)
{
    return Register(name, dds, size, Pixels::Copied);
}

CoreTexture* CoreTextureManager::CreateTextureInPlace(const char* name, const uint8_t* dds, size_t size)
{
    return Register(name, dds, size, Pixels::InPlace);
}

CoreTexture* CoreTextureManager::Register(const char* name, const uint8_t* dds, size_t size, Pixels pixels)
{
    const uint32_t key = CoreCrc32::HashString(name);
    const Avl32::Value found = m_oTextureMap.Lookup(key);
    if (found != m_oTextureMap.NotFoundValue()) {
        CoreTexture* texture = reinterpret_cast<CoreTexture*>(found);
        ++texture->m_iRegistrationCount;
        return texture;
    }
    CoreTexture* pCoreTexture = CreateTextureHandle(name, dds, size, pixels);
    ENGINE_ASSERT(pCoreTexture != NULL);
    if (pCoreTexture == nullptr)
        return nullptr;
    const bool bInserted = m_oTextureMap.Insert(key, reinterpret_cast<Avl32::Value>(pCoreTexture));
    ENGINE_ASSERT_MSG(bInserted, "texture \"%s\": the texture map is full\n", name);
    if (!bInserted) {
        DeleteTexture(pCoreTexture);
        return nullptr;
    }
    pCoreTexture->m_iRegistrationCount = 1;
    m_iTotalBytes += pCoreTexture->m_oDescription.m_iByteSize;
    return pCoreTexture;
}

CoreTexture* CoreTextureManager::GetTextureByName(const char* name)
{
    const Avl32::Value found = m_oTextureMap.Lookup(CoreCrc32::HashString(name));
    if (found != m_oTextureMap.NotFoundValue())
        return reinterpret_cast<CoreTexture*>(found);
    TEXTURE_FAILED();
    CorePrint(&g_oCoreLog, "message:\n");
    CorePrint(&g_oCoreLog, "texture \"%s\" not found\n", name);
    return nullptr;
}

CoreTexture* CoreTextureManager::CreateTextureHandle(const char* name, const uint8_t* dds, size_t size, Pixels pixels)
{
    GraphicsDevice* pID3DDevice = m_pRenderer ? m_pRenderer->GetDevice() : nullptr;
    ENGINE_ASSERT(pID3DDevice != NULL);
    if (pID3DDevice == nullptr)
        return nullptr;

    DdsImage image;
    if (!ReadDdsImage(name, dds, size, image))
        return nullptr;
    CoreTexture::GetPixelBitSize(image.m_iFourCc);

    // One level of whole 4 x 4 blocks, which must all come from the image's
    // own pixels.
    const uint32_t width = (image.m_iWidth + 3) & ~3u;
    const uint32_t height = (image.m_iHeight + 3) & ~3u;
    const uint32_t bytes = LevelByteSize(image.m_iFourCc, width, height);
    if (bytes > image.m_iLevel0Size) {
        CorePrint(&g_oCoreLog, "texture \"%s\": bad DDS image: its pixels do not fill the texture\n", name);
        return nullptr;
    }
    GraphicsTexture* texture = MakeInPlace(*pID3DDevice, width, height, image);
    if (texture == nullptr) {
        TEXTURE_FAILED();
        return nullptr;
    }
    if (pixels == Pixels::Copied)
        texture->TakeOwnCopy();

    CoreTexture* record = new CoreTexture();
    record->m_pD3DTexture = texture;
    record->m_pInPlaceImage = pixels == Pixels::InPlace ? dds : nullptr;
    CoreTexture::FillTextureDescription(*record, name, image, image.ImageWidth(), image.ImageHeight());
    return record;
}

bool CoreTextureManager::ReleaseTexture(const char* name, const uint8_t* dds)
{
    const uint32_t key = CoreCrc32::HashString(name);
    const Avl32::Value found = m_oTextureMap.Lookup(key);
    if (found == m_oTextureMap.NotFoundValue())
        return false;
    CoreTexture* texture = reinterpret_cast<CoreTexture*>(found);
    if (texture->m_iRegistrationCount > 1) {
        --texture->m_iRegistrationCount;
        // Another pack still uses the texture, while the pixels it reads
        // may go with this one.
        if (dds != nullptr && texture->m_pInPlaceImage == dds) {
            texture->m_pD3DTexture->TakeOwnCopy();
            texture->m_pInPlaceImage = nullptr;
        }
        return true;
    }
    m_iTotalBytes -= texture->m_oDescription.m_iByteSize;
    m_oTextureMap.Remove(key);
    DeleteTexture(texture);
    return true;
}
