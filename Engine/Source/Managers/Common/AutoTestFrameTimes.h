#pragma once
#include <cstdint>
#include <vector>

// The frames while a recording plays, and the one report of them once its
// last event has gone: how many frames, the median and the worst interval
// between frames, and the engine's own work per frame (its update and render
// passes, without the pacing sleep and the present) as median and 99th
// percentile.
class AutoTestFrameTimes {
public:
    // One frame's start, with what the profiler measured of the frame
    // before it.
    struct Mark {
        uint64_t uFrameNumber; // frames counted by the profiler
        uint64_t uCounter;     // the high-resolution counter now
        uint64_t uFrequency;
        uint64_t uUpdateTicks; // the previous frame's update pass
        uint64_t uRenderTicks; // the previous frame's render pass
    };

    // Forgets the frames and the report.
    void Reset();
    // Marks the start of a frame. The frame before it is counted only when
    // it was marked too: frames of other states (a movie) between two marks
    // are no frame of the replay.
    void MarkFrame(const Mark& oMark);
    // Logs "AutoTest: <n> events played in <frames> frames; frame time median
    // <ms> ms, worst <ms> ms; work per frame median <ms> ms, 99th percentile
    // <ms> ms (update <ms> ms, render <ms> ms)" the first time only; the last
    // two are medians.
    void ReportOnce(int32_t iNbEvents);

    int32_t GetNbFrames() const { return static_cast<int32_t>(m_aMilliseconds.size()); }
    // 0 without frames; the upper median for an even count.
    double GetMedianMilliseconds() const;
    double GetWorstMilliseconds() const;
    double GetMedianWorkMilliseconds() const;
    double GetWorkPercentile99Milliseconds() const;
    bool IsReported() const { return m_bReported; }

private:
    std::vector<double> m_aMilliseconds;
    std::vector<double> m_aWorkMilliseconds;
    std::vector<double> m_aUpdateMilliseconds;
    std::vector<double> m_aRenderMilliseconds;
    uint64_t m_uLastCounter = 0;
    uint64_t m_uLastFrameNumber = 0;
    bool m_bMarked = false;
    bool m_bReported = false;
};
