#pragma once
#include "Maths/CoreFxVec.h"
#include "Scene/Common/SceneObject.h"
#include "Scene/Common/TwAnimation.h"

#include <cstdint>
#include <memory>
#include <vector>

class CoreRenderer;
class CoreTexture;

// A picture is one texture per frame, or two side by side.
constexpr uint32_t MAX_SPLIT_PER_SPRITE = 2;

// A texture's size in texels.
struct TexelSize {
    uint32_t x = 0;
    uint32_t y = 0;
};

// One of the textures side by side that make a sprite's picture.
struct SpriteSplitInfo {
    // Zero in the files.
    uint32_t m_iTexture0Size = 0;
    // The size of the texture found last for this split.
    TexelSize m_vTextureSize;
    // One texture per frame; only frame 0 unless the sprite preloads.
    std::vector<CoreTexture*> m_vFrames;
};

// One 2D picture of a layer: a rectangle of the virtual screen showing a
// texture per frame, animated by up to four curves (frame index, position,
// scale, alpha), with texture scrolling and fades. Its record sits in the
// scene description; an entity may own and drive it.
class Sprite : public SceneObject {
public:
    // Reads the record and finds its textures; false when the record cannot
    // be read or is refused (more than 2 splits, a frame index beyond the
    // frames). A missing texture only hides the sprite.
    bool Initialize(SerialStream& stream);
    // Reads the texture names and looks the textures up.
    bool InitializePlatform(SerialStream& stream);

    // Per frame: the pulse, then, while animating, the curves, the scroll and
    // the fade.
    void Update(uint32_t milliseconds) override;
    bool IsVisible() const override { return m_bVisible != 0; }

    // Draws a strip of two triangles per split, when visible.
    void Render(CoreRenderer& renderer) const;
    // The screen rectangle of one split: the splits stand left to right, each
    // as wide as its share of the summed texture widths.
    SceneRect GetSplitRect(int32_t index) const;
    // The box from position, size, scale and pivot: the picture scales about
    // its pivot.
    void ComputeBoundingBox();
    bool IsAnimationDone() const;
    // Starts a fade of the alpha (in: from 0, out: from 255). A fade of 0 ms
    // has no duration to divide by: it is refused and nothing changes.
    bool StartFade(bool fadeIn, uint32_t milliseconds);
    // Frees the curves and the frame tables and forgets the owner; textures
    // stay with the texture manager.
    void Release();

    uint8_t m_bPreload = 0;
    uint32_t m_iReserved = 0;
    int32_t m_iNbSplitInfos = 0;
    SpriteSplitInfo m_vSplitInfos[MAX_SPLIT_PER_SPRITE];
    // Milliseconds of animation time.
    uint32_t m_iFrameClock = 0;
    // The unscaled picture.
    CoreFxVec2 m_oSize {};
    // Fractions of the size: 0 the left or top edge, 4096 the other.
    CoreFxVec2 m_oPivot {};
    // Texture repeats per second.
    CoreFxVec2 m_vScrollUV {};
    uint32_t m_iStartTime = 0;
    uint32_t m_iFrameIndex = 0;
    // R, G, B, A from the most significant byte down.
    uint32_t m_iColour = 0;
    // The top-left corner of the unscaled picture.
    CoreFxVec2 m_oPosition {};
    CoreFxVec2 m_oScale {};
    // Thousandths of a repeat, kept within +-1000.0.
    CoreFxVec2 m_oScrollOffset {};
    std::unique_ptr<TwAnimation> m_pFrameAnimation;
    std::unique_ptr<TwAnimation> m_pPositionAnimation;
    std::unique_ptr<TwAnimation> m_pScaleAnimation;
    std::unique_ptr<TwAnimation> m_pAlphaAnimation;
    uint8_t m_bVisible = 1;
    uint8_t m_bAnimating = 1;
    uint8_t m_bFadeIn = 1;
    uint8_t m_bFading = 0;
    uint32_t m_iFadeElapsed = 0;
    uint32_t m_iFadeDuration = 0;

private:
    // Logs why the record is refused; false.
    bool Refuse(const SerialStream& stream, const char* reason) const;
    void ApplyAlpha(uint8_t alpha) { m_iColour = (m_iColour & 0xFFFFFF00u) | alpha; }
};
