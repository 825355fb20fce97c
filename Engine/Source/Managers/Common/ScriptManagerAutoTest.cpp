#include "Managers/Common/ScriptManager.h"

#include "Common/GameInterface.h"
#include "Common/GameLink.h"
#include "Common/ProfileSections.h"
#include "Common/SceneIds.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Managers/Common/ScriptAutoTestLink.h"
#include "Managers/Common/ScriptGameLink.h"
#include "Managers/Common/ScriptSceneLink.h"
#include "Managers/Common/ScriptStateLink.h"
#include "Profiler/CoreProfiler.h"
#include "ScriptEngine/common/AutoTestRecording.h"
#include "System/Clock.h"

// A failed check whose condition the log shows in the recorded event's terms,
// followed by its message. The input is played anyway; the failure is
// counted, and the run ends as failed once the recording is over.
#define AUTOTEST_CHECK(holds, condition, ...)                                            \
    do {                                                                                 \
        if (!(holds)) {                                                                  \
            CoreEngineAssertFailed(__FILE__, __LINE__, CORE_PRETTY_FUNCTION, condition); \
            CorePrint(&g_oCoreLog, "message:\n");                                        \
            CoreEngineAssertMessage(__VA_ARGS__);                                        \
            ++m_iAutoTestFailedChecks;                                                   \
        }                                                                                \
    } while (0)

namespace {

bool HoldsItem(const EventDesc& oEventDesc, int iParameter)
{
    GameInterface* pGame = GameInterface::GetGameInterface();
    return pGame != nullptr && pGame->HasItem(static_cast<uint32_t>(oEventDesc.m_oParameter[iParameter]));
}

} // namespace

void ScriptManager::SetAutoTestEvents(std::span<const EventDesc> aEvents)
{
    m_aAutoTestEvents = aEvents;
    m_iAutoTestIndex = 0;
    m_iAutoTestFailedChecks = 0;
    m_bAutoTestWaiting = false;
    m_oAutoTestFrameTimes.Reset();
}

const EventDesc* ScriptManager::PeekAutoTestEvent() const
{
    if (m_iAutoTestIndex >= static_cast<int32_t>(m_aAutoTestEvents.size()))
        return nullptr;
    return &m_aAutoTestEvents[static_cast<size_t>(m_iAutoTestIndex)];
}

void ScriptManager::ConsumeAutoTestEvent()
{
    if (PeekAutoTestEvent() != nullptr)
        ++m_iAutoTestIndex;
}

bool ScriptManager::IsAutoTestReady()
{
    if (m_iInteractive != 0 || m_bChangePending != 0)
        return false;
    ScriptStateLink& oStates = GetScriptStateLink();
    if (oStates.IsFadeRunning(GlobalFade::OutToBlack) || !oStates.IsStateQueueEmpty())
        return false;
    const int32_t iInputState = GetScriptAutoTestLink().GetSceneInputState();
    if (iInputState != ScriptAutoTestLink::INPUT_STATE_IDLE && iInputState != ScriptAutoTestLink::INPUT_STATE_MENU)
        return false;
    return m_oContext.AreActionsDone() && m_oContext.GetCursor() == NO_NODE;
}

void ScriptManager::AutoTest_Update()
{
    if (!GetGameLink().IsAutoTest() || m_aAutoTestEvents.empty())
        return;
    if (m_oAutoTestFrameTimes.IsReported())
        return;
    // Frames are timed until the last recorded event has gone, whoever took
    // it (the talk screen takes the dialog choices), and the game is idle
    // again after it.
    Platform::Clock& oClock = Platform::GetClock();
    const Core::CoreProfiler& oProfiler = Core::CoreProfiler::GetInstance();
    const Core::CoreProfiler::Frame& oLastFrame = oProfiler.GetFrame(oProfiler.LastCompleteFrame());
    m_oAutoTestFrameTimes.MarkFrame({oProfiler.FrameCount(), oClock.Counter(), oClock.CounterFrequency(),
                                     oLastFrame.m_vSections[PROFILE_UPDATE].m_iTime,
                                     oLastFrame.m_vSections[PROFILE_RENDER].m_iTime});
    if (m_bAutoTestWaiting) {
        const uint64_t uNow = GetGameLink().GetGameClock();
        if (uNow < m_uAutoTestWaitEnd)
            return;
        m_bAutoTestWaiting = false;
        // The game time the wait took, to the frame: the performance table
        // sets it against the wall clock.
        CorePrint(&g_oCoreLog, "AutoTest: waited %llu ms of game time\n",
                  static_cast<unsigned long long>(uNow - m_uAutoTestWaitStart));
    }
    if (!IsAutoTestReady())
        return;
    if (PeekAutoTestEvent() == nullptr) {
        // The run ends by itself once what was recorded has been played.
        m_oAutoTestFrameTimes.ReportOnce(m_iAutoTestIndex);
        if (m_iAutoTestFailedChecks == 0) {
            CorePrint(&g_oCoreLog, "AutoTest: the recording is over, every check passed: the game ends\n");
            GetScriptGameLink().Quit();
            return;
        }
        CorePrint(&g_oCoreLog, "AutoTest: the recording is over, %d of its checks failed: the game ends as failed\n",
                  m_iAutoTestFailedChecks);
        // A launcher or a test learns from the exit code that the replay went
        // astray somewhere, though it was played to its end.
        GetGameLink().EndAsFailed();
        return;
    }

    const EventDesc oEventDesc = *PeekAutoTestEvent();
    ConsumeAutoTestEvent();
    if (oEventDesc.m_eType == AUTOTEST_WAIT) {
        StartAutoTestWait(static_cast<uint32_t>(oEventDesc.m_oParameter[0]));
        return;
    }
    AUTOTEST_CHECK(oEventDesc.m_eType != TwEventType_Dialog_AutoTest,
                   "oEventDesc.m_eType != TwEventType_Dialog_AutoTest", "Autotest Proposition mismatched\n");
    PlayAutoTestEvent(oEventDesc);
}

void ScriptManager::StartAutoTestWait(uint32_t uMilliseconds)
{
    CorePrint(&g_oCoreLog, "GAME[%s]:Wait(%u)\n", GetGameLink().GetClockString(), uMilliseconds);
    m_uAutoTestWaitStart = GetGameLink().GetGameClock();
    m_uAutoTestWaitEnd = m_uAutoTestWaitStart + uMilliseconds;
    m_bAutoTestWaiting = true;
}

void ScriptManager::EndAutoTest()
{
    // A recording whose last event quits the game is reported with the
    // frames timed until then.
    if (!m_aAutoTestEvents.empty() && !m_oAutoTestFrameTimes.IsReported()) {
        m_oAutoTestFrameTimes.ReportOnce(m_iAutoTestIndex);
        if (m_iAutoTestFailedChecks != 0) {
            CorePrint(&g_oCoreLog, "AutoTest: %d of its checks failed: the run ends as failed\n",
                      m_iAutoTestFailedChecks);
            GetGameLink().EndAsFailed();
        }
    }
    SetAutoTestEvents({});
}

void ScriptManager::PlayAutoTestEvent(const EventDesc& oEventDesc)
{
    const SceneDesc* pScene = Id::GetSceneDesc(GetScriptSceneLink().GetSceneId());
    CorePrint(&g_oCoreLog, "GAME[%s]:", GetGameLink().GetClockString());
    CorePrint(&g_oCoreLog, "%s\n", EventDesc::ToString(pScene, oEventDesc));

    switch (oEventDesc.m_eType) {
    case TwEventType_Combine: PlayAutoTestCombine(oEventDesc); return;
    case TwEventType_Map: PlayAutoTestMap(oEventDesc); return;
    case TwEventType_Activate:
    case TwEventType_Look:
    case TwEventType_Talk:
    case TwEventType_UseItem: CheckScriptableTarget(oEventDesc); break;
    default: break;
    }
    FireEvent(oEventDesc);
}

void ScriptManager::CheckScriptableTarget(const EventDesc& oEventDesc)
{
    ENGINE_ASSERT(oEventDesc.m_iParameterType[0] == ID_PARAMETER_TYPE_SCRIPTABLE);
    Scriptable* pScriptable = FindScriptable(oEventDesc.m_oParameter[0]);
    // A target that is not in the scene at all fails the same check.
    const bool bUsable = pScriptable != nullptr && pScriptable->IsVisible() && pScriptable->IsInteractive();
    AUTOTEST_CHECK(bUsable, "pScriptable->IsVisible() && pScriptable->IsInteractive()",
                   "AutoTest: execute action on non visible/interactive object (%s)\n",
                   EventDesc::ToString(Id::GetSceneDesc(GetScriptSceneLink().GetSceneId()), oEventDesc));
    if (oEventDesc.m_eType != TwEventType_UseItem)
        return;
    ENGINE_ASSERT(oEventDesc.m_iParameterType[1] == ID_PARAMETER_TYPE_ITEM);
    AUTOTEST_CHECK(HoldsItem(oEventDesc, 1),
                   "GameInterface::GetGameInterface()->HasItem(oEventDesc.m_oParameter[1].m_iItemId)",
                   "AutoTest: use item not present in inventory\n");
}

void ScriptManager::PlayAutoTestCombine(const EventDesc& oEventDesc)
{
    ENGINE_ASSERT(oEventDesc.m_iParameterType[0] == ID_PARAMETER_TYPE_ITEM);
    ENGINE_ASSERT(oEventDesc.m_iParameterType[1] == ID_PARAMETER_TYPE_ITEM);
    AUTOTEST_CHECK(HoldsItem(oEventDesc, 0) && HoldsItem(oEventDesc, 1),
                   "GameInterface::GetGameInterface()->HasItem(oEventDesc.m_oParameter[0].m_iItemId)",
                   "AutoTest: Combine items not present in inventory\n");
    EventDesc oEvent = oEventDesc;
    // A refused combination fires an empty event, which no handler matches.
    if (!GetScriptAutoTestLink().CombineItem(static_cast<uint32_t>(oEventDesc.m_oParameter[0]),
                                             static_cast<uint32_t>(oEventDesc.m_oParameter[1]), &oEvent))
        oEvent = EventDesc::MakeEmpty();
    FireEvent(oEvent);
}

void ScriptManager::PlayAutoTestMap(const EventDesc& oEventDesc)
{
    ScriptAutoTestLink& oLink = GetScriptAutoTestLink();
    const int32_t iLocation = oEventDesc.m_oParameter[0];
    // The index comes from the recording: one past the map's locations would
    // read outside them.
    const bool bNamesLocation = oEventDesc.m_iParameterType[0] == ID_PARAMETER_TYPE_INT && iLocation >= 0 &&
                                iLocation < oLink.GetNbMapLocations();
    AUTOTEST_CHECK(bNamesLocation, "iLocation >= 0 && iLocation < MapThumb::GetNbThumbs()",
                   "AutoTest: Map record names no map location (%d), the scene stays\n", iLocation);
    if (!bNamesLocation)
        return;
    AUTOTEST_CHECK(oLink.IsMapLocationActive(iLocation), "MapThumb::IsActive(MapThumb::m_oThumbDesc[iLocation])",
                   "AutoTest: travel to a map location that is not open (%d)\n", iLocation);
    // Scene 0 would end the adventure instead of travelling.
    const int32_t iSceneId = oLink.GetMapLocationScene(iLocation);
    const bool bLeadsToScene = iSceneId >= ID_SCENE_FIRST && iSceneId < ID_SCENE_LAST;
    AUTOTEST_CHECK(bLeadsToScene, "iSceneId >= ID_SCENE_FIRST && iSceneId < ID_SCENE_LAST",
                   "AutoTest: map location %d leads to no scene (%d), the scene stays\n", iLocation, iSceneId);
    if (!bLeadsToScene)
        return;
    GoToScene(iSceneId);
}
