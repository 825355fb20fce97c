#include "ScriptEngine/common/AutoTestRecording.h"

#include "Bytes/LittleEndian.h"
#include "File/CoreFile.h"
#include "Log/CoreLog.h"

#include <cstdio>

namespace {

bool Refuse(const char* pName, const char* pReason, int64_t iRecord = -1)
{
    if (iRecord < 0)
        CorePrint(&g_oCoreLog, "auto-test recording \"%s\" refused: %s\n", pName, pReason);
    else
        CorePrint(&g_oCoreLog, "auto-test recording \"%s\" refused: record %lld: %s\n", pName,
                  static_cast<long long>(iRecord), pReason);
    return false;
}

bool IsEventParameterType(int32_t iType)
{
    return iType > ID_PARAMETER_TYPE_NONE && iType < NB_PARAMETER_TYPE_ID && iType != ID_PARAMETER_TYPE_WAYPOINT;
}

// The parameter types a recorded event of its kind must carry; null for the
// kinds whose parameters are free (each still of an event's types).
const int32_t* ExpectedShape(TwEventType eType, int32_t& iCount)
{
    static constexpr int32_t ONE_SCRIPTABLE[] = {ID_PARAMETER_TYPE_SCRIPTABLE};
    static constexpr int32_t SCRIPTABLE_AND_ITEM[] = {ID_PARAMETER_TYPE_SCRIPTABLE, ID_PARAMETER_TYPE_ITEM};
    static constexpr int32_t TWO_ITEMS[] = {ID_PARAMETER_TYPE_ITEM, ID_PARAMETER_TYPE_ITEM};
    static constexpr int32_t ONE_INT[] = {ID_PARAMETER_TYPE_INT};
    if (eType == AUTOTEST_WAIT) {
        iCount = 1;
        return ONE_INT;
    }
    switch (eType) {
    case TwEventType_Activate:
    case TwEventType_Look:
    case TwEventType_Talk: iCount = 1; return ONE_SCRIPTABLE;
    case TwEventType_UseItem: iCount = 2; return SCRIPTABLE_AND_ITEM;
    case TwEventType_Combine: iCount = 2; return TWO_ITEMS;
    case TwEventType_Map:
    case TwEventType_Dialog_AutoTest: iCount = 1; return ONE_INT;
    default: iCount = 0; return nullptr;
    }
}

const char* CheckRecord(const EventDesc& oEvent)
{
    if ((oEvent.m_eType < 0 || oEvent.m_eType >= NB_TW_EVENT_TYPES) && oEvent.m_eType != AUTOTEST_WAIT)
        return "unknown event type";
    if (oEvent.m_iNbParameter < 0 || oEvent.m_iNbParameter > EVENT_PARAMETERS_MAX)
        return "parameter count outside 0..3";
    for (int32_t i = 0; i < EVENT_PARAMETERS_MAX; ++i) {
        const bool bUsed = i < oEvent.m_iNbParameter;
        if (bUsed && !IsEventParameterType(oEvent.m_iParameterType[i]))
            return "parameter type that an event cannot carry";
        if (!bUsed && (oEvent.m_iParameterType[i] != 0 || oEvent.m_oParameter[i] != 0))
            return "unused parameter not zero";
    }
    int32_t iCount = 0;
    const int32_t* pShape = ExpectedShape(oEvent.m_eType, iCount);
    if (pShape == nullptr)
        return nullptr;
    if (oEvent.m_iNbParameter != iCount)
        return "wrong parameter count for its event type";
    for (int32_t i = 0; i < iCount; ++i)
        if (oEvent.m_iParameterType[i] != pShape[i])
            return "wrong parameter type for its event type";
    if (oEvent.m_eType == AUTOTEST_WAIT && oEvent.m_oParameter[0] < 0)
        return "negative wait";
    return nullptr;
}

} // namespace

bool AutoTestRecording::Parse(std::span<const uint8_t> bytes, const char* pName)
{
    m_aEvents.clear();
    if (bytes.size() < AUTOTEST_RECORDING_HEADER_SIZE)
        return Refuse(pName, "shorter than its header");
    if (ReadWord(bytes.data(), 0) != AUTOTEST_RECORDING_MAGIC)
        return Refuse(pName, "not an ATRC recording");
    const uint32_t uCount = ReadWord(bytes.data(), 4);
    if (uCount > AUTOTEST_RECORDS_MAX)
        return Refuse(pName, "more records than a recording holds");
    if (bytes.size() != AUTOTEST_RECORDING_HEADER_SIZE + size_t(uCount) * AUTOTEST_RECORD_SIZE)
        return Refuse(pName, "size does not match its record count");

    std::vector<EventDesc> aEvents(uCount);
    for (uint32_t index = 0; index < uCount; ++index) {
        const size_t uAt = AUTOTEST_RECORDING_HEADER_SIZE + size_t(index) * AUTOTEST_RECORD_SIZE;
        int32_t aWords[8];
        for (size_t word = 0; word < 8; ++word)
            aWords[word] = static_cast<int32_t>(ReadWord(bytes.data(), uAt + word * 4));
        EventDesc& oEvent = aEvents[index];
        oEvent.m_eType = static_cast<TwEventType>(aWords[0]);
        oEvent.m_iNbParameter = aWords[1];
        for (int i = 0; i < EVENT_PARAMETERS_MAX; ++i) {
            oEvent.m_iParameterType[i] = aWords[2 + i];
            oEvent.m_oParameter[i] = aWords[5 + i];
        }
        if (const char* pFault = CheckRecord(oEvent))
            return Refuse(pName, pFault, index);
    }
    m_aEvents = std::move(aEvents);
    return true;
}

bool AutoTestRecording::Load(const char* pPath)
{
    m_aEvents.clear();
    FILE* pFile = nullptr;
    if (!CoreFile::Open(&pFile, pPath, false, false))
        return false;
    std::vector<uint8_t> bytes;
    uint8_t aChunk[4096];
    size_t uRead = 0;
    // A file larger than the largest recording is refused without reading it all.
    const size_t uLimit = AUTOTEST_RECORDING_HEADER_SIZE + size_t(AUTOTEST_RECORDS_MAX) * AUTOTEST_RECORD_SIZE + 1;
    while ((uRead = std::fread(aChunk, 1, sizeof aChunk, pFile)) > 0 && bytes.size() < uLimit)
        bytes.insert(bytes.end(), aChunk, aChunk + uRead);
    const bool bFailed = std::ferror(pFile) != 0;
    std::fclose(pFile);
    if (bFailed)
        return Refuse(pPath, "cannot be read");
    return Parse(bytes, pPath);
}
