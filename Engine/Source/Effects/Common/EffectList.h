#pragma once
#include <cstdint>

class Effect;

// The 32 slots of running effects; an owner refers to its effect by slot
// index. The list does not own the effects.
class EffectList {
public:
    static constexpr int32_t SLOT_COUNT = 32;

    // Puts the effect in the first free slot: its index, or -1 when the list
    // is full.
    int32_t Add(Effect* pEffect);
    // Clears every slot that holds the effect.
    void Remove(const Effect* pEffect);
    // The effect of the slot; null for an empty slot or an index out of range.
    Effect* Get(int32_t iSlot) const;

private:
    Effect* m_apEffects[SLOT_COUNT] = {};
};

// The game's one effect list.
extern EffectList g_oEffectList;
