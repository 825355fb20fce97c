#include "Scene/Common/SceneCursor.h"

#include "Maths/CoreFxDivide.h"
#include "Scene/Common/SceneScreen.h"
#include "Screen/CoreVirtualScreen.h"
#include "Texture/CoreTextureManager.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

using CoreFx::Mul;

constexpr fx32 FX = FX32_ONE;

struct VerbKey {
    uint32_t m_uFrame;
    uint32_t m_uNext;
    fx32 m_fDuration;
};

constexpr int32_t KEYS_PER_ROW = 16;
// 0.08 s.
constexpr fx32 KEY_TIME = 328;

// One row of keys through the frames in order, the last leading back to the
// first.
template <size_t N>
constexpr std::array<VerbKey, KEYS_PER_ROW> Loop(const uint32_t (&frames)[N])
{
    std::array<VerbKey, KEYS_PER_ROW> row {};
    for (size_t i = 0; i < N; ++i)
        row[i] = {frames[i], static_cast<uint32_t>((i + 1) % N), KEY_TIME};
    return row;
}

constexpr uint32_t LOOK_FRAMES[] = {8, 9, 10, 11, 12, 11, 10, 9};
constexpr uint32_t TALK_FRAMES[] = {16, 17, 18, 19, 20, 21, 22, 22};
constexpr uint32_t ACTIVATE_FRAMES[] = {24, 25, 26, 27, 28, 29, 30, 31};
constexpr uint32_t WAIT_FRAMES[] = {13, 14, 15, 1, 2, 3};
constexpr uint32_t POINTER_FRAMES[] = {0};
constexpr uint32_t HOTSPOT_FRAMES[] = {4, 5, 6, 7, 6, 5};

const std::array<VerbKey, KEYS_PER_ROW> VERB_ANIMATIONS[] = {
    Loop(LOOK_FRAMES),    Loop(TALK_FRAMES),    Loop(ACTIVATE_FRAMES), Loop(WAIT_FRAMES),
    Loop(POINTER_FRAMES), Loop(HOTSPOT_FRAMES), Loop(POINTER_FRAMES),
};

const std::array<VerbKey, KEYS_PER_ROW>& AnimationOf(int32_t iVerb)
{
    switch (iVerb) {
    case CURSOR_TALK: return VERB_ANIMATIONS[1];
    case CURSOR_ACTIVATE: return VERB_ANIMATIONS[2];
    case CURSOR_WAIT: return VERB_ANIMATIONS[3];
    case CURSOR_POINTER: return VERB_ANIMATIONS[4];
    case CURSOR_HOTSPOT: return VERB_ANIMATIONS[5];
    case CURSOR_MENU: return VERB_ANIMATIONS[6];
    default: return VERB_ANIMATIONS[0];
    }
}

// Icon offsets from the verb position, by screen zone: the first of two
// verbs, the second of two, the only one. Near an edge the icons open
// towards the middle of the screen.
constexpr int32_t VERB_OFFSETS[9][3][2] = {
    {{26, 10}, {10, 26}, {10, 10}},       {{-10, 26}, {-26, 10}, {-10, 10}}, {{26, -10}, {10, -26}, {10, -10}},
    {{-10, -26}, {-26, -10}, {-10, -10}}, {{16, 10}, {-16, 10}, {0, 10}},    {{16, -10}, {-16, -10}, {0, -10}},
    {{10, 16}, {10, -16}, {10, 0}},       {{-10, 16}, {-10, -16}, {-10, 0}}, {{16, -10}, {-16, -10}, {0, -10}},
};

constexpr fx32 ZONE_EDGE = 32 * FX;
// Within 16.0 of a lone icon on both axes, or within 32.0 of either of two.
constexpr fx32 SINGLE_VERB_REACH = 16 * FX;
constexpr fx32 DOUBLE_VERB_REACH_SQUARED = 1024 * FX;

void ResetSlot(CursorVerbSlot& slot, int32_t iVerb)
{
    slot.m_iVerb = iVerb;
    slot.m_uKey = 0;
    slot.m_fTime = 0;
    slot.m_bAnimating = iVerb != CURSOR_NONE;
    slot.m_uFrame = AnimationOf(iVerb)[0].m_uFrame;
}

} // namespace

bool SceneCursor::InitializePlatform()
{
    m_hSheet = g_pTextureManager ? g_pTextureManager->GetTextureByName("Int_pointers") : nullptr;
    ResetVerbPosition();
    ResetSlot(m_aSlots[0], CURSOR_POINTER);
    ResetSlot(m_aSlots[1], CURSOR_NONE);
    m_fOpeningTime = 0;
    return true;
}

void SceneCursor::SetPosition(fx32 x, fx32 y)
{
    const fx32 margin = SceneWindow::Current().Margin();
    // A window too narrow to show anything keeps the pointer at its left edge.
    m_vPosition.x = std::max(-margin, std::min(x, VIRTUAL_SCREEN_WIDTH + margin));
    m_vPosition.y = std::clamp(y, 0, VIRTUAL_SCREEN_HEIGHT);
}

void SceneCursor::OpenVerbs(int32_t iVerb1, int32_t iVerb2)
{
    ResetSlot(m_aSlots[0], iVerb1);
    ResetSlot(m_aSlots[1], iVerb2);
    m_fOpeningTime = 0;
}

void SceneCursor::SetMode(int32_t iMode)
{
    ResetSlot(m_aSlots[0], iMode);
    ResetSlot(m_aSlots[1], CURSOR_NONE);
}

void SceneCursor::AdvanceSlot(CursorVerbSlot& slot, uint32_t dtMs)
{
    const std::array<VerbKey, KEYS_PER_ROW>& keys = AnimationOf(slot.m_iVerb);
    slot.m_fTime += static_cast<fx32>((static_cast<uint64_t>(dtMs) << FX32_SHIFT) / 1000);
    while (slot.m_fTime > keys[slot.m_uKey].m_fDuration) {
        slot.m_fTime -= keys[slot.m_uKey].m_fDuration;
        const uint32_t next = keys[slot.m_uKey].m_uNext;
        if (next == slot.m_uKey)
            slot.m_bAnimating = 0;
        slot.m_uKey = next;
    }
    slot.m_uFrame = keys[slot.m_uKey].m_uFrame;
}

void SceneCursor::Update(uint32_t dtMs)
{
    for (CursorVerbSlot& slot : m_aSlots)
        AdvanceSlot(slot, slot.m_bAnimating ? dtMs : 0);
    // The icons fly out for 0.3 s; the clock stops there.
    constexpr fx32 OPENING_END = 1229;
    if (m_fOpeningTime < OPENING_END)
        m_fOpeningTime += static_cast<fx32>((static_cast<uint64_t>(dtMs) << FX32_SHIFT) / 1000);
}

int32_t SceneCursor::GetScreenZone(fx32 x, fx32 y)
{
    const int32_t column = x < ZONE_EDGE ? 0 : x > VIRTUAL_SCREEN_WIDTH - ZONE_EDGE ? 1 : 2;
    if (y < ZONE_EDGE)
        return column == 2 ? 4 : column;
    if (y > VIRTUAL_SCREEN_HEIGHT - ZONE_EDGE)
        return column == 2 ? 5 : 2 + column;
    return column == 2 ? 8 : 6 + column;
}

CoreFxVec2 SceneCursor::GetVerbPlace(int32_t iSlot) const
{
    const int32_t zone = GetScreenZone(m_vVerbPosition.x, m_vVerbPosition.y);
    const int32_t column = m_aSlots[1].m_iVerb == CURSOR_NONE ? 2 : iSlot;
    const int32_t(&offset)[2] = VERB_OFFSETS[zone][column];
    return {m_vVerbPosition.x + offset[0] * FX, m_vVerbPosition.y + offset[1] * FX};
}

int32_t SceneCursor::HitVerb(fx32 x, fx32 y) const
{
    if (!HasVerbMenu())
        return CURSOR_NONE;
    if (m_aSlots[1].m_iVerb == CURSOR_NONE) {
        const CoreFxVec2 centre = GetVerbPlace(0);
        const bool inside = std::abs(static_cast<int64_t>(x) - centre.x) < SINGLE_VERB_REACH &&
                            std::abs(static_cast<int64_t>(y) - centre.y) < SINGLE_VERB_REACH;
        return inside ? m_aSlots[0].m_iVerb : CURSOR_NONE;
    }
    int64_t distances[2];
    for (int32_t i = 0; i < 2; ++i) {
        const CoreFxVec2 centre = GetVerbPlace(i);
        const fx32 dx = CoreFx::WrapSub(x, centre.x);
        const fx32 dy = CoreFx::WrapSub(y, centre.y);
        distances[i] = static_cast<int64_t>(Mul(dx, dx)) + Mul(dy, dy);
    }
    if (distances[0] >= DOUBLE_VERB_REACH_SQUARED && distances[1] >= DOUBLE_VERB_REACH_SQUARED)
        return CURSOR_NONE;
    // On equal distances the first verb wins.
    return distances[1] < distances[0] ? m_aSlots[1].m_iVerb : m_aSlots[0].m_iVerb;
}
