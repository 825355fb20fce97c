#include "Scene/Common/CharacterCast.h"

#include "Adventure/Common/Actor.h"
#include "Common/AttachmentIds.h"
#include "Managers/Common/SoundManager.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/SceneLog.h"

#include <cstdio>

std::unique_ptr<Scriptable> CharacterCast::CreateActor(uint32_t uActorId)
{
    return std::make_unique<Actor>(uActorId);
}

std::unique_ptr<SceneCharacter> CharacterCast::LoadCharacter(const char* pPath, uint32_t uActorId, Scriptable& oActor,
                                                             const char* pName)
{
    LogSceneInfo("Load actor: \"%s\"\n", pPath);
    auto character = std::make_unique<Character>(uActorId);
    if (!character->LoadBody(pPath))
        return nullptr;
    std::snprintf(character->m_sName, sizeof character->m_sName, "%.15s", pName ? pName : "");
    character->m_pScriptable = &oActor;
    if (Actor* actor = dynamic_cast<Actor*>(&oActor))
        actor->SetCharacter(character.get());
    SoundManager::TakeSoundActor(character.get());
    return character;
}

void CharacterCast::AddAnimation(SceneObject& oCharacter, int32_t iAnimationId, uint32_t uType)
{
    if (Character* character = dynamic_cast<Character*>(&oCharacter))
        character->AddAnimation(iAnimationId, uType);
}

std::unique_ptr<SceneObject> CharacterCast::LoadAttachment(const char* pPath, uint32_t uAttachmentId)
{
    auto attachment = std::make_unique<Attachment>();
    if (!attachment->m_oBody.Load(pPath))
        return nullptr;
    const int index = Id::GetAttachmentIndex(uAttachmentId);
    if (index >= 0)
        std::snprintf(attachment->m_sName, sizeof attachment->m_sName, "%.15s",
                      Id::GetAttachmentTable()[index].m_pName);
    return attachment;
}
