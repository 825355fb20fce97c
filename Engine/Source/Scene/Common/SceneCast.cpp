#include "Scene/Common/SceneCast.h"

#include "Adventure/Common/Scriptable.h"
#include "Log/CoreLog.h"
#include "Scene/Common/SceneCharacter.h"

namespace {

NullSceneCast s_oNullCast;
SceneCast* s_pCast = &s_oNullCast;

} // namespace

std::unique_ptr<Scriptable> NullSceneCast::CreateActor(uint32_t /*uActorId*/)
{
    return std::make_unique<Scriptable>();
}

std::unique_ptr<SceneCharacter> NullSceneCast::LoadCharacter(const char* pPath, uint32_t /*uActorId*/,
                                                             Scriptable& /*oActor*/, const char* /*pName*/)
{
    CorePrint(&g_oCoreLog, "No characters yet: \"%s\" not loaded\n", pPath);
    return nullptr;
}

void NullSceneCast::AddAnimation(SceneObject& /*oCharacter*/, int32_t /*iAnimationId*/, uint32_t /*uType*/)
{
}

std::unique_ptr<SceneObject> NullSceneCast::LoadAttachment(const char* pPath, uint32_t /*uAttachmentId*/)
{
    CorePrint(&g_oCoreLog, "No attachments yet: \"%s\" not loaded\n", pPath);
    return nullptr;
}

SceneCast& GetSceneCast()
{
    return *s_pCast;
}

void SetSceneCast(SceneCast* pCast)
{
    s_pCast = pCast ? pCast : &s_oNullCast;
}
