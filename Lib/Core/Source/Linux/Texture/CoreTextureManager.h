#pragma once
#include "BinarySearchTree/Avl32.h"

#include <cstddef>
#include <cstdint>

class CoreRenderer;
class CoreTexture;

// Makes one device texture per distinct name from the DDS images of bound
// data packs, keyed by the CRC-32 of the name, and hands out handles (the
// CoreTexture records).
class CoreTextureManager {
public:
    // Whether a new texture copies the image's pixels or reads them where
    // they are.
    enum class Pixels {
        Copied,
        InPlace
    };

    // The renderer's node store for the name map: at most NODE_COUNT - 1
    // textures.
    static constexpr uint32_t NODE_COUNT = 4096;

    virtual ~CoreTextureManager();

    // Makes the singleton g_pTextureManager: total 0, no renderer, empty map.
    // Null (after the assert) while one exists.
    static CoreTextureManager* CreateSingleton();
    static void DestroySingleton();

    // Releases every texture and empties the map, keeping its node store.
    void ReleaseAll();
    // The texture of that name: the one already registered (counted once
    // more), else a new one made from the DDS image of `size` bytes. Null,
    // with nothing entered, when it cannot be made.
    CoreTexture* CreateTexture(const char* name, const uint8_t* dds, size_t size);
    // As CreateTexture, but a new texture reads its pixels in `dds` where
    // they are (a bound data pack's entry), so that they are not held twice:
    // the caller keeps them unchanged until it drops this registration with
    // ReleaseTexture(name, dds).
    CoreTexture* CreateTextureInPlace(const char* name, const uint8_t* dds, size_t size);
    // The texture of that name, or null after reporting the name.
    CoreTexture* GetTextureByName(const char* name);
    // Makes a texture from a DDS image; null when the image is refused or the
    // device fails.
    CoreTexture* CreateTextureHandle(const char* name, const uint8_t* dds, size_t size, Pixels pixels = Pixels::Copied);
    // Drops one registration of the name; the last one removes the texture,
    // takes its bytes off the total and frees it. A texture that stays but
    // reads its pixels in place in `dds` takes a copy of its own first, so
    // that `dds` may go. False when no texture has that name.
    bool ReleaseTexture(const char* name, const uint8_t* dds = nullptr);

    uint32_t GetTotalBytes() const { return m_iTotalBytes; }
    uint32_t GetTextureCount() const { return m_oTextureMap.NodeNumber(); }

    uint32_t m_iTotalBytes = 0;
    CoreRenderer* m_pRenderer = nullptr;
    Nubra::BinarySearchTree::Avl32 m_oTextureMap;

private:
    CoreTexture* Register(const char* name, const uint8_t* dds, size_t size, Pixels pixels);
    static void DeleteTexture(CoreTexture* texture);
};

extern CoreTextureManager* g_pTextureManager;
