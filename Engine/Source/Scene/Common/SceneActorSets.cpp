#include "Adventure/Common/Scriptable.h"
#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Common/AttachmentIds.h"
#include "Error/EngineAssert.h"
#include "Hash/CoreCrc32.h"
#include "Log/CoreLog.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCast.h"
#include "Scene/Common/SceneLog.h"
#include "Scene/Common/SceneObject.h"
#include "Scene/Common/SceneServices.h"

#include <algorithm>
#include <cstring>

namespace {

using u32 = uint32_t;

constexpr uint32_t ACTOR_ID_BIT = 0x80000000u;

// The actor id of a name in the actor table, 0 for a name it does not hold
// (looked up quietly: an unknown name is the set's fault, not the table's).
uint32_t FindActorId(const char* pName)
{
    const uint32_t id = CoreCrc32::HashString(pName) | ACTOR_ID_BIT;
    const std::span<const ActorIdRow> table = Id::GetActorTable();
    const auto row = std::lower_bound(table.begin(), table.end(), id,
                                      [](const ActorIdRow& entry, uint32_t key) { return entry.m_uId < key; });
    return row != table.end() && row->m_uId == id ? id : 0;
}

} // namespace

void Scene::LoadActorSet(const char* pName)
{
    if (m_iNumActorSets <= 0)
        return;
    m_iSelectedActorSet = -1;
    for (int32_t i = 0; i < m_iNumActorSets && m_iSelectedActorSet < 0; ++i)
        if (pName && m_vActorSets[i].m_pName && std::strcmp(m_vActorSets[i].m_pName, pName) == 0)
            m_iSelectedActorSet = i;
    if (m_iSelectedActorSet < 0) {
        LogSceneWarning("ActorSet \"%s\" not found, select first one\n", pName ? pName : "");
        m_iSelectedActorSet = 0;
    } else {
        LogSceneInfo("Load actorset: \"%s\"\n", pName);
    }

    const ActorSet& set = m_vActorSets[m_iSelectedActorSet];
    for (int32_t c = 0; c < set.m_iNumCharacterNames; ++c)
        AddActor(set.m_apCharacterNames[c], set, c);
    for (int32_t a = 0; a < set.m_iNumAttachments; ++a)
        LoadAttachment(Id::GetAttachmentId(set.m_apAttachmentNames[a]));
    // The enter actions run before the first update and may already hand a
    // character one of the set's attachments.
    UpdateSurroundings();
}

bool Scene::AddActor(const char* pName, const ActorSet& oSet, int32_t iCharacter)
{
    // A set read only in part (its file was refused) names nobody further.
    if (!pName)
        return false;
    const uint32_t actorId = FindActorId(pName);
    if (actorId == 0) {
        LogSceneWarning("Scene::LoadActorSet -- unknown actor \"%s\" of actor set \"%s\" skipped\n", pName,
                        oSet.m_pName);
        return false;
    }
    // One actor stands once in a scene: its id is its scriptable's.
    if (std::find(m_aCharacterIds, m_aCharacterIds + m_iNumCharacters, actorId) != m_aCharacterIds + m_iNumCharacters) {
        LogSceneWarning("Scene::LoadActorSet -- actor \"%s\" is in the scene already\n", pName);
        return false;
    }
    std::unique_ptr<Scriptable> actor = GetSceneCast().CreateActor(actorId);
    if (!actor)
        return false;
    SceneCharacter* character = AddCharacter(Id::GetActorPath(actorId, m_sName, oSet.m_pName), actorId, *actor);
    // The actor of a character that could not be loaded is not registered:
    // scripts would drive a figure that is not there.
    if (!character)
        return false;

    const int32_t scriptableId = static_cast<int32_t>(actorId);
    actor->SetId(scriptableId);
    GetSceneServices().InsertScriptable(scriptableId, actor.get());
    m_apActors[m_iNumCharacters - 1] = std::move(actor);

    for (int32_t a = 0; a < oSet.m_aNumAnimations[iCharacter]; ++a) {
        const ActorSetAnimation& animation = oSet.m_apAnimations[iCharacter][a];
        GetSceneCast().AddAnimation(*character, Id::GetAnimationId(actorId, animation.m_pName), animation.m_uType);
    }
    return true;
}

SceneCharacter* Scene::AddCharacter(const char* pPath, uint32_t uActorId, Scriptable& oActor)
{
    ENGINE_ASSERT_MSG(static_cast<u32>(m_iNumCharacters) < MAX_ACTORS,
                      "Scene::AddCharacter -- Maximum number of actors reached!\n");
    if (static_cast<u32>(m_iNumCharacters) >= MAX_ACTORS)
        return nullptr;
    const char* pName = Id::GetActorName(uActorId);
    std::unique_ptr<SceneCharacter> character = GetSceneCast().LoadCharacter(pPath, uActorId, oActor, pName);
    if (!character) {
        LogSceneError("Scene::AddCharacter -- Cannot load \"%s\"\n", pPath);
        return nullptr;
    }
    const int32_t slot = m_iNumCharacters++;
    m_apCharacters[slot] = std::move(character);
    m_aCharacterIds[slot] = uActorId;
    UpdateSurroundings();
    return m_apCharacters[slot].get();
}

SceneObject* Scene::LoadAttachment(uint32_t uAttachmentId)
{
    ENGINE_ASSERT_MSG(static_cast<u32>(m_iNumAttachments) < MAX_ATTACHMENTS,
                      "Scene::AddAttachment -- Maximum number of attachments reached!\n");
    if (static_cast<u32>(m_iNumAttachments) >= MAX_ATTACHMENTS)
        return nullptr;
    const char* pPath = Id::GetAttachmentPath(uAttachmentId);
    if (!pPath)
        return nullptr;
    LogSceneInfo("Load object: \"%s\"\n", pPath);
    std::unique_ptr<SceneObject> attachment = GetSceneCast().LoadAttachment(pPath, uAttachmentId);
    if (!attachment)
        return nullptr;
    const int32_t slot = m_iNumAttachments++;
    m_apAttachments[slot] = std::move(attachment);
    m_aAttachmentIds[slot] = uAttachmentId;
    return m_apAttachments[slot].get();
}
