#include "Adventure/Common/Scriptable.h"
#include "Scene/Common/Scene.h"

namespace {

// Where every search starts: below any depth a file can give.
constexpr fx32 LOWEST_DEPTH = static_cast<fx32>(0xFC000000u);
// Handed to the objects' hit test, which does not use it.
constexpr fx32 PICK_TOLERANCE = 16 * FX32_ONE;

bool IsInteractive(const Scriptable* pScriptable)
{
    return pScriptable && pScriptable->IsInteractive();
}

} // namespace

int32_t Scene::GetSpriteIndexAt(fx32 x, fx32 y, fx32& depth) const
{
    const Layer* main = GetMainLayer();
    int32_t found = -1;
    for (int32_t i = 0; main && i < main->m_iNbSprites; ++i) {
        const Sprite& sprite = main->m_vSprites[i];
        // Equal depths keep the first sprite.
        if (sprite.IsVisible() && IsInteractive(sprite.m_pScriptable) && sprite.Contains(x, y, PICK_TOLERANCE) &&
            sprite.m_iDepth > depth) {
            depth = sprite.m_iDepth;
            found = i;
        }
    }
    return found;
}

int32_t Scene::GetRegionIndexAt(fx32 x, fx32 y, fx32& depth) const
{
    const Layer* main = GetMainLayer();
    int32_t found = -1;
    fx32 best = LOWEST_DEPTH;
    for (int32_t i = 0; main && i < main->m_iNbRegions; ++i) {
        const Region& region = main->m_vRegions[i];
        const Scriptable* owner = region.m_pScriptable;
        // Equal depths take the last region.
        if (IsInteractive(owner) && owner->IsVisible() && region.Contains(x, y, PICK_TOLERANCE) &&
            region.m_iDepth >= best) {
            best = region.m_iDepth;
            found = i;
        }
    }
    // Over a sprite only when strictly nearer.
    if (found < 0 || best <= depth)
        return -1;
    depth = best;
    return found;
}

int32_t Scene::GetCharacterSlotAt(fx32 x, fx32 y, fx32& depth) const
{
    int32_t found = -1;
    fx32 best = LOWEST_DEPTH;
    for (int32_t i = 0; i < m_iNumCharacters; ++i) {
        const SceneCharacter& character = *m_apCharacters[i];
        if (i == m_iActiveCharacter || !character.IsVisible() || !IsInteractive(character.m_pScriptable) ||
            !character.Contains(x, y, PICK_TOLERANCE))
            continue;
        const fx32 screenDepth = character.GetScreenPosition().z;
        if (screenDepth >= best) {
            best = screenDepth;
            found = i;
        }
    }
    if (found >= 0)
        depth = best;
    return found;
}

SceneObject* Scene::PickObjectAt(fx32 x, fx32 y) const
{
    const Layer* main = GetMainLayer();
    if (!main)
        return nullptr;
    const fx32 layerX = CoreFx::WrapAdd(x, m_fScroll);
    SceneObject* picked = nullptr;
    fx32 depth = LOWEST_DEPTH;
    const int32_t sprite = GetSpriteIndexAt(layerX, y, depth);
    if (sprite >= 0)
        picked = &main->m_vSprites[sprite];
    const int32_t region = GetRegionIndexAt(layerX, y, depth);
    if (region >= 0)
        picked = &main->m_vRegions[region];
    fx32 characterDepth = LOWEST_DEPTH;
    const int32_t slot = GetCharacterSlotAt(layerX, y, characterDepth);
    // A character stands in front only when nearer and known to the scripts.
    if (slot >= 0 && characterDepth > depth && m_apActors[slot])
        picked = m_apCharacters[slot].get();
    return picked;
}
