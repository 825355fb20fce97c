#include "Managers/Common/AutoTestFrameTimes.h"

#include "Log/CoreLog.h"

#include <algorithm>

namespace {

// The value below which the fraction of the values lies (the upper one of
// two); 0 without values.
double Percentile(const std::vector<double>& aValues, double dFraction)
{
    if (aValues.empty())
        return 0.0;
    std::vector<double> aSorted = aValues;
    const size_t uIndex = std::min(aSorted.size() - 1, static_cast<size_t>(double(aSorted.size()) * dFraction));
    const auto at = aSorted.begin() + static_cast<std::ptrdiff_t>(uIndex);
    std::nth_element(aSorted.begin(), at, aSorted.end());
    return *at;
}

double Milliseconds(uint64_t uTicks, uint64_t uFrequency)
{
    return static_cast<double>(uTicks) * 1000.0 / static_cast<double>(uFrequency);
}

} // namespace

void AutoTestFrameTimes::Reset()
{
    m_aMilliseconds.clear();
    m_aWorkMilliseconds.clear();
    m_aUpdateMilliseconds.clear();
    m_aRenderMilliseconds.clear();
    m_bMarked = false;
    m_bReported = false;
}

void AutoTestFrameTimes::MarkFrame(const Mark& oMark)
{
    const bool bFollows = m_bMarked && oMark.uFrameNumber == m_uLastFrameNumber + 1;
    if (bFollows && oMark.uFrequency != 0 && oMark.uCounter >= m_uLastCounter) {
        m_aMilliseconds.push_back(Milliseconds(oMark.uCounter - m_uLastCounter, oMark.uFrequency));
        const double dUpdate = Milliseconds(oMark.uUpdateTicks, oMark.uFrequency);
        const double dRender = Milliseconds(oMark.uRenderTicks, oMark.uFrequency);
        m_aUpdateMilliseconds.push_back(dUpdate);
        m_aRenderMilliseconds.push_back(dRender);
        m_aWorkMilliseconds.push_back(dUpdate + dRender);
    }
    m_uLastCounter = oMark.uCounter;
    m_uLastFrameNumber = oMark.uFrameNumber;
    m_bMarked = true;
}

double AutoTestFrameTimes::GetMedianMilliseconds() const
{
    return Percentile(m_aMilliseconds, 0.5);
}

double AutoTestFrameTimes::GetWorstMilliseconds() const
{
    return m_aMilliseconds.empty() ? 0.0 : *std::max_element(m_aMilliseconds.begin(), m_aMilliseconds.end());
}

double AutoTestFrameTimes::GetMedianWorkMilliseconds() const
{
    return Percentile(m_aWorkMilliseconds, 0.5);
}

double AutoTestFrameTimes::GetWorkPercentile99Milliseconds() const
{
    return Percentile(m_aWorkMilliseconds, 0.99);
}

void AutoTestFrameTimes::ReportOnce(int32_t iNbEvents)
{
    if (m_bReported)
        return;
    m_bReported = true;
    CorePrint(&g_oCoreLog,
              "AutoTest: %d events played in %d frames; frame time median %.2f ms, worst %.2f ms; work per frame "
              "median %.2f ms, 99th percentile %.2f ms (update %.2f ms, render %.2f ms)\n",
              iNbEvents, GetNbFrames(), GetMedianMilliseconds(), GetWorstMilliseconds(), GetMedianWorkMilliseconds(),
              GetWorkPercentile99Milliseconds(), Percentile(m_aUpdateMilliseconds, 0.5),
              Percentile(m_aRenderMilliseconds, 0.5));
}
