#include "Adventure/Common/Scriptable.h"
#include "Common/GameLink.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Scene/Common/Region.h"
#include "Scene/Common/SceneEventSink.h"

namespace {

using u32 = uint32_t;

const TouchCharacter* FindCharacter(const TouchScene& scene, const Scriptable* actor)
{
    for (uint32_t i = 0; i < scene.m_iNbCharacters; ++i) {
        if (scene.m_pCharacters[i].m_pActor == actor)
            return &scene.m_pCharacters[i];
    }
    return nullptr;
}

// Fires "Touch" or "UnTouch" of the actor on the entity, and logs it when the
// script manager took it.
void FireTouch(const TouchScene& scene, Scriptable& entity, Scriptable& actor, TwEventType type)
{
    EventDesc event;
    BuildEvent(&event, type, 2, ID_PARAMETER_TYPE_SCRIPTABLE, entity.GetId(), ID_PARAMETER_TYPE_SCRIPTABLE,
               actor.GetId());
    const bool executed = GetSceneEventSink().FireEvent(event);
    if (!executed)
        return;
    CorePrint(&g_oCoreLog, "GAME[%s]:", GetGameLink().GetClockString());
    CorePrint(&g_oCoreLog, "Event \"%s\" actor \"%s\" on \"%.16s:%s[%d]\" [executed:%d]\n",
              type == TwEventType_Touch ? "Touch" : "Untouch", actor.GetName(), scene.m_sName, entity.GetName(),
              entity.GetId(), executed ? 1 : 0);
}

// Whether the character's feet, taken into layer units, stand in the region.
bool FeetInside(const Region& region, const TouchScene& scene, const TouchCharacter& character)
{
    return region.Contains(CoreFx::WrapAdd(character.m_iScreenX, scene.m_iScrollX), character.m_iScreenY, 0);
}

} // namespace

void Region::UpdateTouches(const TouchScene& scene)
{
    Scriptable* entity = m_pScriptable;
    if (!entity)
        return;

    for (Scriptable*& slot : m_vTouchingActors) {
        if (!slot)
            continue;
        // An actor whose character left the scene has left the region too.
        const TouchCharacter* character = FindCharacter(scene, slot);
        if (character && FeetInside(*this, scene, *character))
            continue;
        if (entity->IsInteractive())
            FireTouch(scene, *entity, *slot, TwEventType_UnTouch);
        slot = nullptr;
    }

    for (uint32_t i = 0; i < scene.m_iNbCharacters; ++i) {
        const TouchCharacter& character = scene.m_pCharacters[i];
        if (!character.m_pActor || !FeetInside(*this, scene, character))
            continue;
        // The last empty slot takes a newcomer.
        u32 key = u32(~0);
        bool found = false;
        for (u32 s = 0; s < MAX_ACTORS && !found; ++s) {
            if (m_vTouchingActors[s] == character.m_pActor)
                found = true;
            else if (!m_vTouchingActors[s])
                key = s;
        }
        if (found)
            continue;
        ENGINE_ASSERT_MSG(key!=u32(~0), "no more room in touchingActorsArray, increase array size");
        if (key == u32(~0))
            continue;
        m_vTouchingActors[key] = character.m_pActor;
        if (entity->IsInteractive())
            FireTouch(scene, *entity, *character.m_pActor, TwEventType_Touch);
    }
}
