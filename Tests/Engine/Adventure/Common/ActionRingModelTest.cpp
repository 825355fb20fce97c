#include "Adventure/Common/Scriptable.h"

#include "FakeScriptableServices.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <vector>

namespace {

// The scriptable as a script sees it: at most one running wait, the actions
// behind it in a plain queue of at most 31, blockers switched as they start.
struct RingModel {
    std::deque<ActionDesc> m_waiting;
    bool m_bWaiting = false;
    int32_t m_iRemaining = 0;
    bool m_bDone = true;
    std::vector<std::string> m_calls;

    void Start(const ActionDesc& oAction)
    {
        if (oAction.m_iActionType == ID_ACTION_TYPE_WAIT) {
            m_bWaiting = true;
            m_iRemaining = oAction.m_oParameter[0];
            m_bDone = false;
            return;
        }
        m_calls.push_back("blocker " + std::to_string(oAction.m_oParameter[0]) + " on");
        m_bDone = true;
    }
    // What the tree walk does: start at once when idle, queue otherwise.
    bool Fire(const ActionDesc& oAction)
    {
        if (!m_bWaiting) {
            Start(oAction);
            return true;
        }
        if (m_waiting.size() == ACTION_QUEUE_CAPACITY)
            return false;
        m_waiting.push_back(oAction);
        return true;
    }
    void Update(int32_t dt)
    {
        do {
            if (m_bWaiting) {
                if (m_iRemaining > dt) {
                    m_iRemaining -= dt;
                } else {
                    m_bWaiting = false;
                    m_bDone = true;
                }
            } else if (m_waiting.empty()) {
                m_bDone = true;
            } else {
                const ActionDesc oNext = m_waiting.front();
                m_waiting.pop_front();
                Start(oNext);
            }
        } while (m_bDone && !m_waiting.empty());
    }
};

// How the scriptable differs from the model, empty when it does not.
std::string Difference(const Scriptable& oScriptable, const RingModel& oModel, const FakeScriptableServices& services)
{
    if (oScriptable.IsIdle() == oModel.m_bWaiting)
        return "running action";
    if (oScriptable.IsDone() != oModel.m_bDone)
        return "done flag";
    if (oModel.m_bWaiting && oScriptable.GetCurrentAction().m_oParameter[0] != oModel.m_iRemaining)
        return "remaining time";
    const ActionQueue& oQueue = oScriptable.GetActionQueue();
    if (oQueue.GetCount() != static_cast<int32_t>(oModel.m_waiting.size()))
        return "waiting count";
    for (int32_t i = 0; i < oQueue.GetCount(); ++i) {
        if (oQueue.Peek(i).m_iActionType != oModel.m_waiting[i].m_iActionType ||
            oQueue.Peek(i).m_oParameter[0] != oModel.m_waiting[i].m_oParameter[0])
            return "waiting action " + std::to_string(i);
    }
    // Calls are only ever appended, so the count and the newest tell them apart.
    if (services.m_calls.size() != oModel.m_calls.size() ||
        (!oModel.m_calls.empty() && services.m_calls.back() != oModel.m_calls.back()))
        return "actions run";
    return "";
}

TEST(ActionRingModelTest, RandomPushesAndFramesKeepTheRingInStepWithAPlainQueue)
{
    FakeScriptableServices services;
    Scriptable oScriptable;
    services.Register(oScriptable, 8);
    RingModel oModel;
    std::mt19937 random(17);
    int iRefused = 0;
    std::string difference;
    TestSupport::LogCapture capture;
    for (int iStep = 0; iStep < 20000 && difference.empty(); ++iStep) {
        // Phases that favour pushing fill the ring up to its limit; the others drain it.
        const bool bFilling = (iStep / 500) % 2 == 0;
        if (random() % 100 < (bFilling ? 80u : 30u)) {
            const int32_t iValue = static_cast<int32_t>(random() % 120);
            const ActionDesc oAction = random() % 3 != 0 ? WaitAction(iValue) : BlockerAction(iValue, 1);
            const bool bTaken =
                oScriptable.IsIdle() ? (oScriptable.ExecuteAction(oAction), true) : oScriptable.PushAction(oAction);
            if (bTaken != oModel.Fire(oAction))
                difference = "push taken";
            iRefused += bTaken ? 0 : 1;
        } else {
            const int32_t dt = static_cast<int32_t>(random() % 64);
            oScriptable.Update(static_cast<uint32_t>(dt));
            oModel.Update(dt);
        }
        if (difference.empty())
            difference = Difference(oScriptable, oModel, services);
        if (!difference.empty())
            difference += " at step " + std::to_string(iStep);
    }
    const std::string log = capture.Take();
    EXPECT_EQ(difference, "");
    // The run must have met the full ring, or the limit was never tried.
    EXPECT_GT(iRefused, 0);
    size_t uReports = 0;
    for (size_t at = log.find("action queue full\n"); at != std::string::npos;
         at = log.find("action queue full\n", at + 1))
        ++uReports;
    EXPECT_EQ(uReports, static_cast<size_t>(iRefused));
}

} // namespace
