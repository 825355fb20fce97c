#include "ScriptEngine/common/EventDesc.h"

#include "Error/EngineAssert.h"

#include <cstdarg>

namespace {

constexpr bool FALSE = false;

const char* const s_aTypeNames[NB_TW_EVENT_TYPES] = {
    "Activate", "Look", "Talk",      "UseItem",         "Touch",       "UnTouch", "Combine",
    "Map",      "Init", "Dialog_CB", "Dialog_AutoTest", "BadInteract", "System",
};

int32_t TypedValueOr(const EventDesc& oEvent, int i, int32_t iParameterType, int32_t iOtherwise)
{
    return oEvent.m_iParameterType[i] == iParameterType ? oEvent.m_oParameter[i] : iOtherwise;
}

bool IsItemPair(const EventDesc& oEvent)
{
    return oEvent.m_iNbParameter == 2 && oEvent.m_iParameterType[0] == ID_PARAMETER_TYPE_ITEM &&
           oEvent.m_iParameterType[1] == ID_PARAMETER_TYPE_ITEM;
}

bool MatchCombine(const EventDesc& oPattern, const EventDesc& oEvent)
{
    if (!IsItemPair(oPattern) || !IsItemPair(oEvent))
        return false;
    const int32_t* p = oPattern.m_oParameter;
    const int32_t* e = oEvent.m_oParameter;
    return (p[0] == e[0] && p[1] == e[1]) || (p[0] == e[1] && p[1] == e[0]);
}

bool MatchDialogCallback(const EventDesc& oPattern, const EventDesc& oEvent)
{
    return oPattern.m_iParameterType[0] == ID_PARAMETER_TYPE_INT &&
           oEvent.m_iParameterType[0] == ID_PARAMETER_TYPE_INT && oPattern.m_oParameter[0] == oEvent.m_oParameter[0];
}

// An event without an item matches any pattern on the same scriptable; a
// pattern without an item never matches an event that names one.
bool MatchUsedItem(const EventDesc& oPattern, const EventDesc& oEvent)
{
    const int32_t iPatternItem = TypedValueOr(oPattern, 1, ID_PARAMETER_TYPE_ITEM, 0);
    const int32_t iEventItem = TypedValueOr(oEvent, 1, ID_PARAMETER_TYPE_ITEM, 0);
    return iEventItem == 0 || iEventItem == iPatternItem;
}

// An event that names no character matches a pattern for any character.
bool MatchToucher(const EventDesc& oPattern, const EventDesc& oEvent)
{
    if (oEvent.m_iParameterType[1] != ID_PARAMETER_TYPE_SCRIPTABLE || oEvent.m_oParameter[1] == ID_SCRIPTABLE_INVALID)
        return true;
    return oPattern.m_iParameterType[1] == ID_PARAMETER_TYPE_SCRIPTABLE &&
           oPattern.m_oParameter[1] == oEvent.m_oParameter[1];
}

// The value a pair carries into the record; false for a parameter type that
// an event cannot carry.
bool EventParameterValue(int32_t iType, int32_t iValue, int32_t& iStored)
{
    switch (iType) {
    case ID_PARAMETER_TYPE_INT:
    case ID_PARAMETER_TYPE_UINT:
    case ID_PARAMETER_TYPE_SCRIPTABLE:
    case ID_PARAMETER_TYPE_HASH:
    case ID_PARAMETER_TYPE_ITEM:
    case ID_PARAMETER_TYPE_SOUND:
    case ID_PARAMETER_TYPE_SCENE: iStored = iValue; return true;
    case ID_PARAMETER_TYPE_BOOL: iStored = iValue != 0 ? 1 : 0; return true;
    default: iStored = 0; return false;
    }
}

} // namespace

bool EventDesc::MatchEvent(const EventDesc& oPattern, const EventDesc& oEvent)
{
    if (oPattern.m_eType != oEvent.m_eType)
        return false;
    if (oPattern.m_iNbParameter == 0)
        return true;
    if (oPattern.m_eType == TwEventType_Combine)
        return MatchCombine(oPattern, oEvent);
    if (oPattern.m_eType == TwEventType_Dialog_CB)
        return MatchDialogCallback(oPattern, oEvent);

    const int32_t iPatternScriptable = TypedValueOr(oPattern, 0, ID_PARAMETER_TYPE_SCRIPTABLE, ID_SCRIPTABLE_INVALID);
    const int32_t iEventScriptable = TypedValueOr(oEvent, 0, ID_PARAMETER_TYPE_SCRIPTABLE, ID_SCRIPTABLE_INVALID);
    if (iPatternScriptable != iEventScriptable)
        return false;

    switch (oPattern.m_eType) {
    case TwEventType_Activate:
    case TwEventType_Look:
    case TwEventType_Talk: return true;
    case TwEventType_UseItem: return MatchUsedItem(oPattern, oEvent);
    case TwEventType_Touch:
    case TwEventType_UnTouch: return MatchToucher(oPattern, oEvent);
    default: ENGINE_ASSERT_MSG(FALSE, "unknown event type to match !\n"); return false;
    }
}

const char* EventDesc::GetTypeName(int32_t iType)
{
    if (iType < 0 || iType >= NB_TW_EVENT_TYPES)
        return "Unknown";
    return s_aTypeNames[iType];
}

EventDesc* BuildEvent(EventDesc* out, int type, int count, ...)
{
    *out = EventDesc {static_cast<TwEventType>(type), 0, {}, {}};
    va_list arguments;
    va_start(arguments, count);
    for (int i = 0; i < count; ++i) {
        if (out->m_iNbParameter == EVENT_PARAMETERS_MAX) {
            // The record has three parameter words; the rest of the list is
            // left unread.
            ENGINE_ASSERT_MSG(out->m_iNbParameter<EVENT_PARAMETERS_MAX, "too many event parameters\n");
            break;
        }
        const int32_t iType = va_arg(arguments, int32_t);
        // Every pair's value is taken so that the pairs after a bad one are
        // read as their caller wrote them.
        const int32_t iValue = va_arg(arguments, int32_t);
        int32_t iStored = 0;
        if (!EventParameterValue(iType, iValue, iStored))
            ENGINE_ASSERT_MSG(FALSE, "unkown parameter type\n");
        out->m_iParameterType[out->m_iNbParameter] = iType;
        out->m_oParameter[out->m_iNbParameter] = iStored;
        ++out->m_iNbParameter;
    }
    va_end(arguments);
    return out;
}
