#include "Engine/Scripts/Common/CoveredHotspots.h"

#include "Adventure/Common/Scriptable.h"
#include "Scene/Common/Region.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"

#include <cstring>

namespace {

bool Offers(const Scriptable& scriptable)
{
    TwEventType types[NB_TW_EVENT_TYPES];
    return scriptable.GetEventTypes(types, NB_TW_EVENT_TYPES) > 0;
}

} // namespace

CoreFxVec2 ClickPointOf(const SceneObject& object)
{
    const SceneRect& box = object.m_oBox;
    CoreFxVec2 centre {box.xMin + (box.xMax - box.xMin) / 2, box.yMin + (box.yMax - box.yMin) / 2};
    const auto* region = dynamic_cast<const Region*>(&object);
    if (region && !region->Contains(centre.x, centre.y, 0) && !region->m_vTriangles.empty()) {
        const RegionTriangle& t = region->m_vTriangles[0];
        centre = {(t.x0 + t.x1 + t.x2) * FX32_ONE / 3, (t.y0 + t.y1 + t.y2) * FX32_ONE / 3};
    }
    return centre;
}

std::string ObjectNameOf(const SceneObject* object)
{
    // An entity's name fills a 16-byte field that need not end in a NUL.
    const Scriptable* owner = object != nullptr ? object->m_pScriptable : nullptr;
    const char* name = owner != nullptr ? owner->GetName() : nullptr;
    if (object == nullptr)
        return "nothing";
    return name != nullptr ? std::string(name, strnlen(name, SCENE_OBJECT_NAME_SIZE)) : "?";
}

std::vector<const SceneObject*> ClickableObjects(const Scene& scene)
{
    std::vector<const SceneObject*> objects;
    const Layer* main = scene.GetMainLayer();
    if (main == nullptr)
        return objects;
    for (int32_t i = 0; i < main->m_iNbSprites; ++i) {
        const Sprite& sprite = main->m_vSprites[i];
        if (sprite.IsVisible() && sprite.m_pScriptable && sprite.m_pScriptable->IsInteractive() &&
            Offers(*sprite.m_pScriptable))
            objects.push_back(&sprite);
    }
    for (int32_t i = 0; i < main->m_iNbRegions; ++i) {
        const Region& region = main->m_vRegions[i];
        if (region.m_pScriptable && region.m_pScriptable->IsInteractive() && region.m_pScriptable->IsVisible() &&
            Offers(*region.m_pScriptable))
            objects.push_back(&region);
    }
    for (int32_t i = 0; i < scene.m_iNumCharacters; ++i) {
        const SceneCharacter& character = *scene.m_apCharacters[i];
        if (i != scene.m_iActiveCharacter && character.IsVisible() && character.m_pScriptable &&
            character.m_pScriptable->IsInteractive())
            objects.push_back(&character);
    }
    return objects;
}

std::vector<std::string> CoveredHotspots(const Scene& scene)
{
    std::vector<std::string> faults;
    for (const SceneObject* object : ClickableObjects(scene)) {
        const CoreFxVec2 centre = ClickPointOf(*object);
        const SceneObject* picked = scene.PickObjectAt(centre.x - scene.m_fScroll, centre.y);
        if (picked != object)
            faults.push_back(std::string(scene.GetName()) + ": " + ObjectNameOf(object) + " at (" +
                             std::to_string(centre.x / FX32_ONE) + ", " + std::to_string(centre.y / FX32_ONE) +
                             ") picks " + ObjectNameOf(picked));
    }
    return faults;
}
