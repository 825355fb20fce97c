#include "Managers/Common/AutoTestFrameTimes.h"

#include "Log/CoreLog.h"

#include <algorithm>

void AutoTestFrameTimes::Reset()
{
    m_aMilliseconds.clear();
    m_bMarked = false;
    m_bReported = false;
}

void AutoTestFrameTimes::MarkFrame(uint64_t uCounter, uint64_t uFrequency)
{
    if (m_bMarked && uFrequency != 0 && uCounter >= m_uLastCounter)
        m_aMilliseconds.push_back(static_cast<double>(uCounter - m_uLastCounter) * 1000.0 /
                                  static_cast<double>(uFrequency));
    m_uLastCounter = uCounter;
    m_bMarked = true;
}

double AutoTestFrameTimes::GetMedianMilliseconds() const
{
    if (m_aMilliseconds.empty())
        return 0.0;
    std::vector<double> aSorted = m_aMilliseconds;
    const auto middle = aSorted.begin() + static_cast<std::ptrdiff_t>(aSorted.size() / 2);
    std::nth_element(aSorted.begin(), middle, aSorted.end());
    return *middle;
}

double AutoTestFrameTimes::GetWorstMilliseconds() const
{
    return m_aMilliseconds.empty() ? 0.0 : *std::max_element(m_aMilliseconds.begin(), m_aMilliseconds.end());
}

void AutoTestFrameTimes::ReportOnce(int32_t iNbEvents)
{
    if (m_bReported)
        return;
    m_bReported = true;
    CorePrint(&g_oCoreLog, "AutoTest: %d events played in %d frames; frame time median %.2f ms, worst %.2f ms\n",
              iNbEvents, GetNbFrames(), GetMedianMilliseconds(), GetWorstMilliseconds());
}
