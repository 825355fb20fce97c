#include "Texture/CoreTextureManager.h"

#include "Error/EngineAssert.h"
#include "Graphics/GraphicsFormats.h"
#include "Hash/CoreCrc32.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTexture.h"
#include "Texture/DdsImage.h"

#include <cstring>

using namespace Platform;
using Nubra::BinarySearchTree::Avl32;

CoreTextureManager* g_pTextureManager = nullptr;

// The engine's continuing assert that reports an unconditional failure.
#define TEXTURE_FAILED() CoreEngineAssertFailed(__FILE__, __LINE__, CORE_PRETTY_FUNCTION, "FALSE")

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
    const uint32_t key = CoreCrc32::HashString(name);
    const Avl32::Value found = m_oTextureMap.Lookup(key);
    if (found != m_oTextureMap.NotFoundValue()) {
        CoreTexture* texture = reinterpret_cast<CoreTexture*>(found);
        ++texture->m_iRegistrationCount;
        return texture;
    }
    CoreTexture* pCoreTexture = CreateTextureHandle(name, dds, size);
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

CoreTexture* CoreTextureManager::CreateTextureHandle(const char* name, const uint8_t* dds, size_t size)
{
    GraphicsDevice* pID3DDevice = m_pRenderer ? m_pRenderer->GetDevice() : nullptr;
    ENGINE_ASSERT(pID3DDevice != NULL);
    if (pID3DDevice == nullptr)
        return nullptr;

    DdsImage image;
    if (!ReadDdsImage(name, dds, size, image))
        return nullptr;
    CoreTexture::GetPixelBitSize(image.m_iFourCc);

    GraphicsTexture* texture = nullptr;
    const uint32_t width = (image.m_iWidth + 3) & ~3u;
    const uint32_t height = (image.m_iHeight + 3) & ~3u;
    if (pID3DDevice->CreateTexture(width, height, 1, 0, image.m_iFourCc, D3DPOOL_MANAGED, &texture) != D3D_OK) {
        TEXTURE_FAILED();
        return nullptr;
    }

    // Rows of 4 x 4 blocks, with the locked level's pitch. The texture has
    // one level; its rows must come from the image's own pixels.
    SurfaceDesc level {};
    LockedRect locked {};
    if (texture->GetLevelDesc(0, &level) != D3D_OK || texture->LockRect(0, &locked, 0) != D3D_OK) {
        delete texture;
        return nullptr;
    }
    const uint64_t bytes = uint64_t(uint32_t(locked.pitch)) * ((level.height + 3) / 4);
    if (locked.pitch < 0 || bytes > image.m_iLevel0Size) {
        CorePrint(&g_oCoreLog, "texture \"%s\": bad DDS image: its pixels do not fill the texture\n", name);
        texture->UnlockRect(0);
        delete texture;
        return nullptr;
    }
    std::memcpy(locked.bits, image.m_pLevel0, size_t(bytes));
    if (texture->UnlockRect(0) != D3D_OK) {
        TEXTURE_FAILED();
        delete texture;
        return nullptr;
    }

    CoreTexture* record = new CoreTexture();
    record->m_pD3DTexture = texture;
    CoreTexture::FillTextureDescription(*record, name, image, image.ImageWidth(), image.ImageHeight());
    return record;
}

bool CoreTextureManager::ReleaseTexture(const char* name)
{
    const uint32_t key = CoreCrc32::HashString(name);
    const Avl32::Value found = m_oTextureMap.Lookup(key);
    if (found == m_oTextureMap.NotFoundValue())
        return false;
    CoreTexture* texture = reinterpret_cast<CoreTexture*>(found);
    if (texture->m_iRegistrationCount > 1) {
        --texture->m_iRegistrationCount;
        return true;
    }
    m_iTotalBytes -= texture->m_oDescription.m_iByteSize;
    m_oTextureMap.Remove(key);
    DeleteTexture(texture);
    return true;
}
