#include "Effects/Common/EffectList.h"

EffectList g_oEffectList;

int32_t EffectList::Add(Effect* pEffect)
{
    for (int32_t iSlot = 0; iSlot < SLOT_COUNT; ++iSlot) {
        if (m_apEffects[iSlot] == nullptr) {
            m_apEffects[iSlot] = pEffect;
            return iSlot;
        }
    }
    return -1;
}

void EffectList::Remove(const Effect* pEffect)
{
    for (Effect*& pSlot : m_apEffects) {
        if (pSlot == pEffect)
            pSlot = nullptr;
    }
}

Effect* EffectList::Get(int32_t iSlot) const
{
    return iSlot >= 0 && iSlot < SLOT_COUNT ? m_apEffects[iSlot] : nullptr;
}
