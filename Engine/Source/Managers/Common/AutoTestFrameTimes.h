#pragma once
#include <cstdint>
#include <vector>

// The time of every frame while a recording plays, and the one report of
// them once its last event has gone: how many frames, the median and the
// worst frame.
class AutoTestFrameTimes {
public:
    // Forgets the frames and the report.
    void Reset();
    // Marks the start of a frame by the high-resolution counter; the time
    // since the last mark is the last frame's.
    void MarkFrame(uint64_t uCounter, uint64_t uFrequency);
    // Logs "AutoTest: <n> events played in <frames> frames; frame time median
    // <ms> ms, worst <ms> ms" the first time only.
    void ReportOnce(int32_t iNbEvents);

    int32_t GetNbFrames() const { return static_cast<int32_t>(m_aMilliseconds.size()); }
    // 0 without frames; the upper median for an even count.
    double GetMedianMilliseconds() const;
    double GetWorstMilliseconds() const;
    bool IsReported() const { return m_bReported; }

private:
    std::vector<double> m_aMilliseconds;
    uint64_t m_uLastCounter = 0;
    bool m_bMarked = false;
    bool m_bReported = false;
};
