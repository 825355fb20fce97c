#pragma once
#include "ScriptEngine/common/ScriptParameters.h"

#include <cstdint>

// One typed parameter of an action, as scripts hand it to AddToQueue.
struct ActionParameter {
    int32_t m_iType = ID_PARAMETER_TYPE_NONE;
    int32_t m_iValue = 0;
};

// The parameters by type, so that a queued action reads like its table row:
// AddToQueue(target, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(var), Param::Bool(true)).
namespace Param {

constexpr ActionParameter Int(int32_t iValue)
{
    return {ID_PARAMETER_TYPE_INT, iValue};
}
constexpr ActionParameter Bool(int32_t iValue)
{
    return {ID_PARAMETER_TYPE_BOOL, iValue != 0 ? 1 : 0};
}
constexpr ActionParameter UInt(uint32_t uValue)
{
    return {ID_PARAMETER_TYPE_UINT, static_cast<int32_t>(uValue)};
}
constexpr ActionParameter Scriptable(int32_t iId)
{
    return {ID_PARAMETER_TYPE_SCRIPTABLE, iId};
}
constexpr ActionParameter Waypoint(int32_t iWaypoint)
{
    return {ID_PARAMETER_TYPE_WAYPOINT, iWaypoint};
}
constexpr ActionParameter Hash(uint32_t uHash)
{
    return {ID_PARAMETER_TYPE_HASH, static_cast<int32_t>(uHash)};
}
constexpr ActionParameter Item(uint32_t uItemId)
{
    return {ID_PARAMETER_TYPE_ITEM, static_cast<int32_t>(uItemId)};
}
constexpr ActionParameter Sound(int32_t iSoundId)
{
    return {ID_PARAMETER_TYPE_SOUND, iSoundId};
}
constexpr ActionParameter Scene(int32_t iSceneId)
{
    return {ID_PARAMETER_TYPE_SCENE, iSceneId};
}

} // namespace Param
