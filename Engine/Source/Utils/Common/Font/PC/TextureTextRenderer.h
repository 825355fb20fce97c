#pragma once
#include "Utils/Common/Font/Common/TextRenderer.h"

class CoreRenderer;
class CoreTexture;

namespace Tw {

// The text renderer that draws each glyph as a textured quad from the font's
// texture through the renderer's immediate-mode primitives.
class TextureTextRenderer : public TextRenderer {
public:
    bool Initialize(const Font* pFont, int32_t iSubstringsMaxNb) override;
    void Release() override;
    // The 2D screen: identity view and the screen projection.
    void BeginPrint() override;
    void DrawGlyph(uint32_t u, uint32_t v, uint32_t w, uint32_t h, fx32 x, fx32 y, fx32 width, fx32 height,
                   uint32_t colour) override;

    CoreTexture* GetTexture() const { return m_hTexture; }

private:
    // Finds the font's texture by name and keeps its size. A font without
    // its texture draws nothing.
    void InitializePlatform();

    // The texture's size in pixels shifted left by 12.
    fx32 m_fxTextureWidth = 0;
    fx32 m_fxTextureHeight = 0;
    CoreTexture* m_hTexture = nullptr;
    CoreRenderer* m_pRenderer = nullptr;
};

} // namespace Tw
