#include "Scene/Common/Sprite.h"

#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Scene/Common/SerialStream.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"

#include <cstring>

namespace {

constexpr bool IS_POWER_OF_TWO(uint32_t value)
{
    return (value & (value - 1)) == 0;
}

fx32 ReadFx(SerialStream& stream)
{
    return stream.ReadS32();
}

// The animation after a non-zero flag word; none after a zero one.
std::unique_ptr<TwAnimation> ReadOptionalAnimation(SerialStream& stream)
{
    if (stream.ReadU32() == 0)
        return nullptr;
    return TwAnimation::Initialize(stream);
}

} // namespace

bool Sprite::Refuse(const SerialStream& stream, const char* reason) const
{
    CorePrint(&g_oCoreLog, "Sprite::Initialize -- \"%.16s\" in \"%s\" refused: %s\n", m_sName, stream.GetFileName(),
              reason);
    return false;
}

bool Sprite::Initialize(SerialStream& stream)
{
    m_bVisible = 1;
    m_bAnimating = 1;
    m_bFadeIn = 1;
    m_bFading = 0;

    stream.ReadBytes(m_sName, SCENE_OBJECT_NAME_SIZE);
    m_iId = stream.ReadS32();
    m_iEntityIndex = stream.ReadS32();
    m_oPosition.x = ReadFx(stream);
    m_oPosition.y = ReadFx(stream);
    m_iDepth = ReadFx(stream);
    m_oSize.x = ReadFx(stream);
    m_oSize.y = ReadFx(stream);
    m_iColour = 0;
    for (int i = 0; i < 4; ++i)
        m_iColour = m_iColour << 8 | stream.ReadU8();
    m_oScale.x = ReadFx(stream);
    m_oScale.y = ReadFx(stream);
    m_oPivot.x = ReadFx(stream);
    m_oPivot.y = ReadFx(stream);
    m_vScrollUV.x = ReadFx(stream);
    m_vScrollUV.y = ReadFx(stream);
    m_oScrollOffset = {0, 0};
    m_iStartTime = stream.ReadU32();
    m_iFrameClock = m_iStartTime;
    m_iReserved = stream.ReadU32();
    m_iNbSplitInfos = stream.ReadS32();
    if (!stream.IsGood())
        return false;
    ENGINE_ASSERT(m_iNbSplitInfos>0 && static_cast<unsigned int>(m_iNbSplitInfos)<=MAX_SPLIT_PER_SPRITE);
    // The sprite has room for two split records; without any it only draws nothing.
    if (m_iNbSplitInfos > static_cast<int32_t>(MAX_SPLIT_PER_SPRITE)) {
        m_iNbSplitInfos = 0;
        return Refuse(stream, "it has more than 2 splits");
    }

    for (SpriteSplitInfo& split : m_vSplitInfos)
        split = SpriteSplitInfo();
    ComputeBoundingBox();
    m_bPreload = stream.ReadU32() != 0;
    ReadHighlightParams(stream);

    m_pFrameAnimation = TwAnimation::Initialize(stream);
    if (!m_pFrameAnimation)
        return false;
    // Curves fail only when the file does, which the stream remembers.
    m_pPositionAnimation = ReadOptionalAnimation(stream);
    m_pScaleAnimation = ReadOptionalAnimation(stream);
    m_pAlphaAnimation = ReadOptionalAnimation(stream);
    if (!stream.IsGood())
        return false;

    // Frame indices name a frame of this sprite: the frame tables have one
    // entry per key of the first curve.
    const TwAnimationCtrl* pCtrl = m_pFrameAnimation->GetValueCtrl();
    const uint32_t frameCount = m_pFrameAnimation->GetFirstCtrlKeyCount();
    if (pCtrl && pCtrl->m_iValueWords == 1) {
        for (int32_t frame : pCtrl->m_vValues) {
            if (static_cast<uint32_t>(frame) >= frameCount)
                return Refuse(stream, "its frame curve shows a frame it does not have");
        }
    }
    return InitializePlatform(stream);
}

bool Sprite::InitializePlatform(SerialStream& stream)
{
    const uint32_t frameCount = m_pFrameAnimation ? m_pFrameAnimation->GetFirstCtrlKeyCount() : 0;
    for (int32_t s = 0; s < m_iNbSplitInfos; ++s)
        m_vSplitInfos[s].m_vFrames.assign(frameCount, nullptr);

    bool missing = false;
    for (uint32_t frame = 0; frame < frameCount && (frame == 0 || m_bPreload); ++frame) {
        for (int32_t s = 0; s < m_iNbSplitInfos; ++s) {
            const char* textureName = stream.ReadString();
            if (!textureName)
                return false;
            CoreTexture* texture = g_pTextureManager ? g_pTextureManager->GetTextureByName(textureName) : nullptr;
            if (!texture) {
                missing = true;
                continue;
            }
            SpriteSplitInfo& split = m_vSplitInfos[s];
            split.m_vFrames[frame] = texture;
            const CoreTextureDescription* description = CoreTexture::GetTextureDescriptionFromHandle(texture);
            split.m_vTextureSize.x = description->m_iImageWidth;
            split.m_vTextureSize.y = description->m_iImageHeight;
        }
    }
    m_bVisible = !missing;

    if (frameCount > 0 && (m_vScrollUV.x != 0 || m_vScrollUV.y != 0)) {
        char name[SCENE_OBJECT_NAME_SIZE + 1] = {};
        std::memcpy(name, m_sName, SCENE_OBJECT_NAME_SIZE);
        ENGINE_ASSERT(m_iNbSplitInfos==1);
        ENGINE_ASSERT_MSG(m_vScrollUV.x==0 || IS_POWER_OF_TWO(m_vSplitInfos[0].m_vTextureSize.x),
                          "UV scrolling texture(%s) must be power of two[width: %d]\n", name,
                          m_vSplitInfos[0].m_vTextureSize.x);
        ENGINE_ASSERT_MSG(m_vScrollUV.y==0 || IS_POWER_OF_TWO(m_vSplitInfos[0].m_vTextureSize.y),
                          "UV scrolling texture(%s) must be power of two[height: %d]\n", name,
                          m_vSplitInfos[0].m_vTextureSize.y);
    }
    return true;
}

void Sprite::Release()
{
    m_pScriptable = nullptr;
    m_pFrameAnimation.reset();
    m_pPositionAnimation.reset();
    m_pScaleAnimation.reset();
    m_pAlphaAnimation.reset();
    for (SpriteSplitInfo& split : m_vSplitInfos)
        split.m_vFrames.clear();
}
