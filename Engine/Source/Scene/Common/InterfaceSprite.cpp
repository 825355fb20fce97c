#include "Scene/Common/InterfaceSprite.h"

#include "Common/ActorIds.h"
#include "Maths/CoreFxDivide.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"
#include "fx32/fx_trig.h"

#include <cstdio>
#include <cstdlib>
#include <span>

namespace {

using CoreFx::Mul;

// Texels per virtual unit.
constexpr fx32 TEXELS_PER_UNIT = 5 * FX32_ONE;

const char* const INTERFACE_SPRITE_NAMES[INTERFACE_SPRITE_PORTRAIT_FIRST] = {
    "int_alert_invent", "int_alert_quest",
    "beach_bg",         "star",
    "int_arrow",        nullptr,
    "intdial_arrow_up", "intdial_arrow_down",
    "intdial_square",   "intdial_strip",
    "intdial_caption",  "intdial_captionbig",
    "intdial_next",     "intdial_reservation_memory",
};

// The last id has no name: the table is one entry longer than its names.
constexpr int32_t LAST_PORTRAIT = INTERFACE_SPRITE_COUNT - 2;

} // namespace

const char* GetInterfaceSpriteName(int32_t iId)
{
    static char s_aName[64];
    if (iId < 0 || iId > LAST_PORTRAIT)
        return nullptr;
    if (iId < INTERFACE_SPRITE_PORTRAIT_FIRST)
        return INTERFACE_SPRITE_NAMES[iId];
    const std::span<const ActorIdRow> actors = Id::GetActorTable();
    const size_t index = static_cast<size_t>(iId - INTERFACE_SPRITE_PORTRAIT_FIRST);
    if (index >= actors.size())
        return nullptr;
    std::snprintf(s_aName, sizeof s_aName, "intdial_%s", actors[index].m_pName);
    return s_aName;
}

bool InterfaceSprite::Initialize(int32_t iId)
{
    Release();
    const char* pName = GetInterfaceSpriteName(iId);
    return pName != nullptr && Load(pName);
}

bool InterfaceSprite::Load(const char* pName)
{
    // A missing texture is reported by the lookup; the sprite then draws
    // nothing.
    m_hTexture = g_pTextureManager ? g_pTextureManager->GetTextureByName(pName) : nullptr;
    if (!m_hTexture) {
        m_fTextureWidth = m_fTextureHeight = m_fWidth = m_fHeight = 0;
        return true;
    }
    const CoreTextureDescription* description = CoreTexture::GetTextureDescriptionFromHandle(m_hTexture);
    m_fTextureWidth = static_cast<fx32>(description->m_iImageWidth * FX32_ONE);
    m_fTextureHeight = static_cast<fx32>(description->m_iImageHeight * FX32_ONE);
    m_fWidth = CoreFx::Div(m_fTextureWidth, TEXELS_PER_UNIT);
    m_fHeight = CoreFx::Div(m_fTextureHeight, TEXELS_PER_UNIT);
    return true;
}

void InterfaceSprite::Release()
{
    *this = InterfaceSprite();
}

CoreFxVec2 InterfaceSprite::GetSize() const
{
    return {std::abs(Mul(m_fWidth, m_vScale.x)), std::abs(Mul(m_fHeight, m_vScale.y))};
}

void InterfaceSprite::ComputeHalfSize()
{
    const CoreFxVec2 size = GetSize();
    m_vAnchor = {size.x / 2, size.y / 2};
}

void InterfaceSprite::ComputeCorners(const CoreFxVec& position, CoreFxVec aCorners[4]) const
{
    const CoreFxVec2 size = GetSize();
    const fx32 left = -m_vAnchor.x;
    const fx32 top = -m_vAnchor.y;
    const fx32 right = size.x - m_vAnchor.x;
    const fx32 bottom = size.y - m_vAnchor.y;
    const fx32 local[4][2] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    const uint16_t index = FX_RadToIdx(m_fAngle);
    const fx32 sine = FX_SinIdx(index);
    const fx32 cosine = FX_CosIdx(index);
    for (int i = 0; i < 4; ++i) {
        // A negative scale mirrors the quad about its anchor.
        const fx32 x = m_vScale.x < 0 ? -local[i][0] : local[i][0];
        const fx32 y = m_vScale.y < 0 ? -local[i][1] : local[i][1];
        aCorners[i].x = position.x + Mul(x, cosine) - Mul(y, sine);
        aCorners[i].y = position.y + Mul(x, sine) + Mul(y, cosine);
        aCorners[i].z = position.z;
    }
}
