#include "Scripts/Common/ScriptEvents.h"

#include "ScriptEngine/common/ScriptIds.h"

namespace {

EventDesc OnScriptable(TwEventType eType, int32_t iScriptableId)
{
    EventDesc oPattern;
    return *BuildEvent(&oPattern, eType, 1, ID_PARAMETER_TYPE_SCRIPTABLE, iScriptableId);
}

EventDesc ItemOnScriptable(int32_t iScriptableId, uint32_t uItemId)
{
    EventDesc oPattern;
    return *BuildEvent(&oPattern, TwEventType_UseItem, 2, ID_PARAMETER_TYPE_SCRIPTABLE, iScriptableId,
                       ID_PARAMETER_TYPE_ITEM, static_cast<int32_t>(uItemId));
}

} // namespace

EventDesc ScriptEvent_Object1(int32_t iEntityId)
{
    return OnScriptable(TwEventType_Look, EntityScriptableId(iEntityId));
}

EventDesc ScriptEvent_FlaggedId1(uint32_t uActorId)
{
    return OnScriptable(TwEventType_Look, ActorScriptableId(uActorId));
}

EventDesc ScriptEvent_FlaggedId2(uint32_t uActorId)
{
    return OnScriptable(TwEventType_Talk, ActorScriptableId(uActorId));
}

EventDesc ScriptEvent_ItemOnObject3(int32_t iEntityId, uint32_t uItemId)
{
    return ItemOnScriptable(EntityScriptableId(iEntityId), uItemId);
}

EventDesc ScriptEvent_ItemOnFlaggedId3(uint32_t uActorId, uint32_t uItemId)
{
    return ItemOnScriptable(ActorScriptableId(uActorId), uItemId);
}

EventDesc ScriptEvent_Hash9(int32_t iValue)
{
    EventDesc oPattern;
    return *BuildEvent(&oPattern, TwEventType_Dialog_CB, 1, ID_PARAMETER_TYPE_INT, iValue);
}

EventDesc OnCallback(uint32_t uCallback)
{
    return ScriptEvent_Hash9(static_cast<int32_t>(uCallback));
}
