#include "Adventure/Common/Scriptable.h"
#include "Common/GameLink.h"
#include "Common/SceneIds.h"
#include "Log/CoreLog.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneEventSink.h"
#include "ScriptEngine/common/EventDesc.h"

#include <climits>

namespace {

// The picker's reach, which the objects' hit tests do not use.
constexpr fx32 PICK_TOLERANCE = 16 * FX32_ONE;
constexpr fx32 FARTHEST = static_cast<fx32>(0xFC000000u);

bool IsUsable(const SceneObject& object)
{
    return object.m_pScriptable != nullptr && object.m_pScriptable->IsInteractive();
}

} // namespace

SceneObject* Scene::PickObjectAt(fx32 x, fx32 y) const
{
    const Layer* main = GetMainLayer();
    if (!main)
        return nullptr;
    const fx32 layerX = CoreFx::WrapAdd(x, m_fScroll);
    SceneObject* picked = nullptr;
    fx32 depth = FARTHEST;

    // The nearest sprite, the first of equal depths.
    Sprite* sprite = nullptr;
    for (int32_t i = 0; i < main->m_iNbSprites; ++i) {
        Sprite& candidate = main->m_vSprites[i];
        if (candidate.IsVisible() && IsUsable(candidate) && candidate.Contains(layerX, y, PICK_TOLERANCE) &&
            (!sprite || candidate.m_iDepth > sprite->m_iDepth))
            sprite = &candidate;
    }
    if (sprite) {
        picked = sprite;
        depth = sprite->m_iDepth;
    }

    // The nearest region, the last of equal depths, in front of the sprite.
    Region* region = nullptr;
    for (int32_t i = 0; i < main->m_iNbRegions; ++i) {
        Region& candidate = main->m_vRegions[i];
        if (IsUsable(candidate) && candidate.m_pScriptable->IsVisible() &&
            candidate.Contains(layerX, y, PICK_TOLERANCE) && (!region || candidate.m_iDepth >= region->m_iDepth))
            region = &candidate;
    }
    if (region && region->m_iDepth > depth) {
        picked = region;
        depth = region->m_iDepth;
    }

    // The characters are told apart by their depth on the screen, where a
    // smaller projected depth is nearer the eye: of two people under the
    // pointer the one in front is meant. The one found stands in front of the
    // sprite or region when it is nearer among the layers and its actor is
    // registered.
    int32_t hit = -1;
    fx32 screenDepth = INT32_MAX;
    for (int32_t i = 0; i < m_iNumCharacters; ++i) {
        const SceneCharacter& candidate = *m_apCharacters[i];
        if (i == m_iActiveCharacter || !candidate.IsVisible() || !IsUsable(candidate) ||
            !candidate.Contains(layerX, y, PICK_TOLERANCE))
            continue;
        const fx32 z = candidate.GetScreenPosition().z;
        if (z <= screenDepth) {
            hit = i;
            screenDepth = z;
        }
    }
    if (hit != -1 && m_apCharacters[hit]->m_iDepth > depth && m_apActors[hit])
        picked = m_apCharacters[hit].get();
    return picked;
}

void Scene::FireHoveredAction()
{
    const int32_t verb = m_oCursor.m_aSlots[0].m_iVerb;
    const TwEventType type = verb == CURSOR_LOOK   ? TwEventType_Look
                             : verb == CURSOR_TALK ? TwEventType_Talk
                                                   : TwEventType_Activate;
    Scriptable* target = m_pHoveredObject ? m_pHoveredObject->m_pScriptable : nullptr;
    if (target) {
        // Object names fill 16-byte fields that need not end in a terminator.
        EventDesc event;
        BuildEvent(&event, type, 1, ID_PARAMETER_TYPE_SCRIPTABLE, target->GetId());
        const bool executed = GetSceneEventSink().FireEvent(event);
        const SceneDesc* row = Id::GetSceneDesc(m_iId);
        CorePrint(&g_oCoreLog, "GAME[%s]:", GetGameLink().GetClockString());
        CorePrint(&g_oCoreLog, "Action \"%s\" on \"%s:%.16s[%d]\" [executed:%d]\n", EventDesc::GetTypeName(type),
                  row ? row->m_pName : m_sName, target->GetName(), target->GetId(), executed ? 1 : 0);
    }
    m_pHoveredObject = nullptr;
}
