#include "Adventure/Common/Entity.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneInputLink.h"
#include "Scripts/Common/ActorScript.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

constexpr uint32_t ACTOR_ID_BIT = 0x80000000u;
constexpr uint32_t NO_TEXT = 0xFFFFFFFFu;

} // namespace

const char* Scene::GetCaptionText(const Scriptable* pScriptable) const
{
    if (!pScriptable)
        return nullptr;
    const uint32_t id = static_cast<uint32_t>(pScriptable->GetId());
    SceneInputLink& link = GetSceneInputLink();
    if (!(id & ACTOR_ID_BIT)) {
        if (static_cast<int32_t>(id) >= m_iNumEntities)
            return nullptr;
        const Entity& entity = m_vEntities[id];
        if (entity.m_iSaveSlotNumber != 0)
            return entity.GetSlotLabel();
        return entity.m_uCaptionTextId == NO_TEXT ? nullptr : link.GetText(entity.m_uCaptionTextId);
    }
    // An actor's scriptable id is its actor id, the key of the actor table;
    // its name may stay hidden until the table's condition holds.
    ActorScriptInfo info {};
    GetActorScriptInfos(id, 0, &info);
    return info.m_uNameTextId == NO_TEXT ? nullptr : link.GetText(info.m_uNameTextId);
}

void Scene::UpdateCaption()
{
    const char* text = m_pHoveredObject ? GetCaptionText(m_pHoveredObject->m_pScriptable) : nullptr;
    GetSceneInputLink().SetCaption(text);
}

void Scene::ComposeUseCaption(char* pBuffer, size_t uSize, const char* pUse, const char* pItem, const char* pOn,
                              const char* pTarget)
{
    if (uSize == 0)
        return;
    size_t used = 0;
    const char* parts[] = {pUse, pItem, pOn, pTarget};
    for (size_t i = 0; i < std::size(parts); ++i) {
        const char* part = parts[i] ? parts[i] : "";
        if (i > 0 && used + 1 < uSize)
            pBuffer[used++] = ' ';
        const size_t length = std::min(std::strlen(part), uSize - 1 - used);
        std::memcpy(pBuffer + used, part, length);
        used += length;
    }
    pBuffer[used] = '\0';
}
