#include "MiniGame/Common/MGSprite.h"

#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "MiniGame/Common/MiniGameTime.h"
#include "fx32/fx_trig.h"

namespace {

// Half of an fx32 value, rounded toward zero.
fx32 Half(fx32 value)
{
    return value / 2;
}

fx32 Abs(fx32 value)
{
    return value < 0 ? -value : value;
}

} // namespace

MGSprite::MGSprite()
{
    m_oRotation = {{FX32_ONE, 0, 0, 0, FX32_ONE, 0, 0, 0, FX32_ONE}};
}

bool MGSprite::Initialize(const int32_t* ids, uint32_t count, const fx32* durations, const uint32_t* next)
{
    // A sprite made again gives its old frames back first.
    Shutdown();
    if (ids == nullptr || durations == nullptr || count == 0 || count > INT32_MAX) {
        CorePrint(&g_oCoreLog, "MGSprite::Initialize -- No frames\n");
        return false;
    }
    m_iCurrentFrame = 0;
    m_fxFrameTimer = 0;
    m_iNbFrames = static_cast<int32_t>(count);
    m_bVisible = true;
    m_apFrameRecords = std::make_unique<MGTextureRecord*[]>(count);
    m_afxDurations = std::make_unique<fx32[]>(count);
    m_aiFrameIds = std::make_unique<int32_t[]>(count);
    m_auNextFrames = std::make_unique<uint32_t[]>(count);
    m_uScreenFlags = SCREEN_FLAGS_DEFAULT;
    m_bAnimating = true;
    for (uint32_t i = 0; i < count; ++i) {
        m_aiFrameIds[i] = ids[i];
        m_afxDurations[i] = durations[i];
        m_auNextFrames[i] = next != nullptr ? next[i] : (i + 1) % count;
        bool bLoaded = m_auNextFrames[i] < count;
        if (!bLoaded)
            CorePrint(&g_oCoreLog, "MGSprite::Initialize -- Next frame %u of frame %u out of range\n",
                      m_auNextFrames[i], i);
        else if (!LoadTextureFromPool(ids[i], &m_apFrameRecords[i]))
            bLoaded = false;
        if (!bLoaded) {
            // Nothing of a sprite that failed stays counted.
            CorePrint(&g_oCoreLog, "MGSprite::Initialize -- Error in LoadTextureFromPool\n");
            FreeFrames();
            return false;
        }
    }
    m_vSize = {m_apFrameRecords[0]->m_fxWidth, m_apFrameRecords[0]->m_fxHeight};
    m_aCorners[0] = {0, 0, 0};
    m_aCorners[1] = {m_vSize.x, 0, 0};
    m_aCorners[2] = {m_vSize.x, m_vSize.y, 0};
    m_aCorners[3] = {0, m_vSize.y, 0};
    m_fxAlpha = FX32_ONE;
    m_bInitialized = true;
    return true;
}

bool MGSprite::InitializeFromId(int32_t iId, bool bFar)
{
    const fx32 duration = 0;
    if (!Initialize(&iId, 1, &duration, nullptr))
        return false;
    m_bAnimating = false;
    if (bFar && (m_uScreenFlags & 2u) != 0)
        m_vPosition.z = static_cast<fx32>(0xFF800000u);
    return true;
}

void MGSprite::Shutdown()
{
    const bool bWasInitialized = m_bInitialized;
    m_bInitialized = false;
    if (bWasInitialized)
        FreeFrames();
    m_bVisible = false;
}

void MGSprite::FreeFrames()
{
    for (int32_t i = 0; i < m_iNbFrames; ++i) {
        // Only frames that took a count give one back.
        if (m_apFrameRecords && m_apFrameRecords[i] != nullptr)
            ReleaseTextureFromPool(m_aiFrameIds[i]);
    }
    m_apFrameRecords.reset();
    m_afxDurations.reset();
    m_aiFrameIds.reset();
    m_auNextFrames.reset();
    m_iNbFrames = 0;
    m_iCurrentFrame = 0;
}

void MGSprite::Update(uint32_t dtMs)
{
    ENGINE_ASSERT(true == m_bInitialized);
    if (!m_bInitialized || m_iNbFrames <= 1 || !m_bAnimating || m_afxDurations[m_iCurrentFrame] == 0)
        return;
    m_fxFrameTimer += MiniGameSeconds(dtMs);
    while (m_fxFrameTimer > m_afxDurations[m_iCurrentFrame] && m_afxDurations[m_iCurrentFrame] != 0) {
        m_fxFrameTimer -= m_afxDurations[m_iCurrentFrame];
        m_iCurrentFrame = static_cast<int32_t>(m_auNextFrames[m_iCurrentFrame]);
    }
}

void MGSprite::ChangeSprite(int32_t iId)
{
    ENGINE_ASSERT(true == m_bInitialized);
    if (!m_bInitialized)
        return;
    if (m_apFrameRecords[0] != nullptr)
        ReleaseTextureFromPool(m_aiFrameIds[0]);
    m_aiFrameIds[0] = iId;
    m_apFrameRecords[0] = nullptr;
    const bool bLoaded = LoadTextureFromPool(iId, &m_apFrameRecords[0]);
    ENGINE_ASSERT_MSG(bLoaded, "MGSprite::ChangeSprite -- Es ist ein groSSe pr0blem !\n");
}

void MGSprite::SetCurrentFrame(int32_t iFrame)
{
    ENGINE_ASSERT(true == m_bInitialized);
    ENGINE_ASSERT(iFrame >= 0 && iFrame < m_iNbFrames);
    if (iFrame < 0 || iFrame >= m_iNbFrames)
        return;
    m_iCurrentFrame = iFrame;
    m_fxFrameTimer = 0;
}

int32_t MGSprite::GetCurrentFrame() const
{
    ENGINE_ASSERT(true == m_bInitialized);
    return m_iCurrentFrame;
}

void MGSprite::SetPosition(fx32 x, fx32 y, fx32 z)
{
    ENGINE_ASSERT(true == m_bInitialized);
    m_vPosition = {x, y, z};
}

void MGSprite::SetPosition(const CoreFxVec& position)
{
    ENGINE_ASSERT(true == m_bInitialized);
    m_vPosition = position;
}

void MGSprite::Translate(fx32 dx, fx32 dy)
{
    ENGINE_ASSERT(true == m_bInitialized);
    m_vPosition.x += dx;
    m_vPosition.y += dy;
}

CoreFxVec2& MGSprite::GetScaledSize(CoreFxVec2& out) const
{
    ENGINE_ASSERT(true == m_bInitialized);
    out = {CoreFx::Mul(m_vSize.x, m_vScale.x), CoreFx::Mul(m_vSize.y, m_vScale.y)};
    return out;
}

void MGSprite::SetScale(const CoreFxVec2& scale)
{
    ENGINE_ASSERT(true == m_bInitialized);
    m_vScale = scale;
}

void MGSprite::SetAlpha(fx32 fAlpha)
{
    ENGINE_ASSERT(true == m_bInitialized);
    ENGINE_ASSERT(fAlpha >= 0 && fAlpha <= FX32_ONE);
    m_fxAlpha = fAlpha;
}

void MGSprite::SetColor(fx32 red, fx32 green, fx32 blue)
{
    ENGINE_ASSERT(true == m_bInitialized);
    m_fxRed = red;
    m_fxGreen = green;
    m_fxBlue = blue;
}

void MGSprite::SetRotation(fx32 angle)
{
    ENGINE_ASSERT(true == m_bInitialized);
    m_fxAngle = angle;
    const uint16_t index = FX_RadToIdx(angle);
    const fx32 s = FX_SinIdx(index);
    const fx32 c = FX_CosIdx(index);
    m_oRotation = {{c, s, 0, -s, c, 0, 0, 0, FX32_ONE}};
}

void MGSprite::SetPivot(const CoreFxVec2& pivot)
{
    ENGINE_ASSERT(true == m_bInitialized);
    m_vPivot = pivot;
}

void MGSprite::SetPivotCentered()
{
    ENGINE_ASSERT(true == m_bInitialized);
    CoreFxVec2 size;
    GetScaledSize(size);
    m_vPivot = {Half(size.x), Half(size.y)};
}

bool MGSprite::IsPointInside(fx32 x, fx32 y) const
{
    ENGINE_ASSERT(true == m_bInitialized);
    CoreFxVec2 size;
    GetScaledSize(size);
    const fx32 halfWidth = Half(size.x);
    const fx32 halfHeight = Half(size.y);
    const fx32 centreX = m_vPosition.x - m_vPivot.x + halfWidth;
    const fx32 centreY = m_vPosition.y - m_vPivot.y + halfHeight;
    return Abs(centreX - x) <= Abs(halfWidth) && Abs(centreY - y) <= Abs(halfHeight);
}

bool MGSprite::IsVisible() const
{
    ENGINE_ASSERT(true == m_bInitialized);
    return m_bVisible;
}

void MGSprite::SetVisible(bool bVisible)
{
    ENGINE_ASSERT(true == m_bInitialized);
    m_bVisible = bVisible;
}

uint32_t MGSprite::GetVertexColor() const
{
    const auto level = [](fx32 value) { return static_cast<uint32_t>(value >> FX32_SHIFT) & 0xFFu; };
    const uint32_t alpha = m_fxAlpha > 0 ? static_cast<uint32_t>((m_fxAlpha - 1) >> 4) & 0xFFu : 0u;
    return level(m_fxRed) << 24 | level(m_fxGreen) << 16 | level(m_fxBlue) << 8 | alpha;
}
