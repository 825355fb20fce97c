#include "ScriptEngine/common/EventDesc.h"

#include "Common/ActorIds.h"
#include "Common/ItemIds.h"
#include "Common/SceneIds.h"
#include "ScriptEngine/common/NameText.h"

#include <cstdarg>
#include <cstdio>

namespace {

constexpr size_t TEXT_SIZE = 256;
// Names of the id tables and the scene registry are terminated strings; the
// bound only keeps a copy inside its text.
constexpr size_t TERMINATED_NAME = TEXT_SIZE;

char s_aText[TEXT_SIZE];

// Writes a formatted text into pOut, cut where it does not fit: names may be
// as long as the texts they are put into.
__attribute__((format(printf, 3, 4))) void Format(char* pOut, size_t uSize, const char* pFormat, ...)
{
    va_list arguments;
    va_start(arguments, pFormat);
    if (std::vsnprintf(pOut, uSize, pFormat, arguments) < 0)
        pOut[0] = '\0';
    va_end(arguments);
}

struct NameBuffer {
    char m_aText[TEXT_SIZE];
};

const char* SceneObjectName(const SceneDesc* pScene, int32_t iIndex, NameBuffer& oOut)
{
    const char* pName = nullptr;
    if (pScene && pScene->m_ppObjectNames && iIndex >= 0 && iIndex < pScene->m_iNbObjects)
        pName = pScene->m_ppObjectNames[iIndex];
    return CopyName(oOut.m_aText, sizeof oOut.m_aText, pName, TERMINATED_NAME);
}

const char* TableName(const char* pName, NameBuffer& oOut)
{
    return CopyName(oOut.m_aText, sizeof oOut.m_aText, pName, TERMINATED_NAME);
}

void FirstParameterText(const SceneDesc* pScene, const EventDesc& oEvent, char* pOut, size_t uSize)
{
    const int32_t iValue = oEvent.m_oParameter[0];
    NameBuffer oName;
    NameBuffer oSceneName;
    switch (oEvent.m_iParameterType[0]) {
    case ID_PARAMETER_TYPE_INT:
    case ID_PARAMETER_TYPE_SOUND: Format(pOut, uSize, "%d", iValue); break;
    case ID_PARAMETER_TYPE_SCRIPTABLE:
        if (IsActorScriptableId(iValue)) {
            Format(pOut, uSize, "%s", TableName(Id::GetActorName(static_cast<uint32_t>(iValue)), oName));
            break;
        }
        Format(pOut, uSize, "Entity[%d](%s::%s)", iValue, TableName(pScene ? pScene->m_pName : nullptr, oSceneName),
               SceneObjectName(pScene, iValue, oName));
        break;
    case ID_PARAMETER_TYPE_ITEM:
        Format(pOut, uSize, "%s", TableName(Id::GetItemName(static_cast<uint32_t>(iValue)), oName));
        break;
    case ID_PARAMETER_TYPE_SCENE: {
        const SceneDesc* pNamed = Id::GetSceneDesc(iValue);
        Format(pOut, uSize, "%s", TableName(pNamed ? pNamed->m_pName : nullptr, oName));
        break;
    }
    default: pOut[0] = '\0'; break;
    }
}

void SecondParameterText(const SceneDesc* pScene, const EventDesc& oEvent, char* pOut, size_t uSize)
{
    const int32_t iValue = oEvent.m_oParameter[1];
    NameBuffer oName;
    switch (oEvent.m_iParameterType[1]) {
    case ID_PARAMETER_TYPE_INT: Format(pOut, uSize, "%d", iValue); break;
    case ID_PARAMETER_TYPE_SCRIPTABLE:
        if (IsActorScriptableId(iValue)) {
            Format(pOut, uSize, "%s", TableName(Id::GetActorName(static_cast<uint32_t>(iValue)), oName));
            break;
        }
        if (SceneObjectName(pScene, iValue, oName)[0] != '\0')
            Format(pOut, uSize, "Entity[%d](%s)", iValue, oName.m_aText);
        else
            Format(pOut, uSize, "Entity[%d]", iValue);
        break;
    case ID_PARAMETER_TYPE_ITEM:
        Format(pOut, uSize, "%s", TableName(Id::GetItemName(static_cast<uint32_t>(iValue)), oName));
        break;
    default: pOut[0] = '\0'; break;
    }
}

} // namespace

const char* EventDesc::ToString(const SceneDesc* pScene, const EventDesc& oEvent)
{
    char aFirst[TEXT_SIZE];
    char aSecond[TEXT_SIZE];
    FirstParameterText(pScene, oEvent, aFirst, sizeof aFirst);
    SecondParameterText(pScene, oEvent, aSecond, sizeof aSecond);
    Format(s_aText, sizeof s_aText, "%s(%s,%s)", GetTypeName(oEvent.m_eType), aFirst, aSecond);
    return s_aText;
}
