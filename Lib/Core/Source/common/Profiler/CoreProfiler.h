#pragma once
#include <cstdint>

namespace Core {

constexpr int MAX_PROFILE_FRAME = 8;
constexpr int MAX_PROFILE_CHUNK = 512;
constexpr int PROFILE_STACK_SIZE = 32;
constexpr int MAX_PROFILE_SECTION = 32;
constexpr int PROFILE_SECTION_NAME_SIZE = 32;

// Measures how long named sections of each frame take, in ticks of the
// high-resolution counter. Sections nest; each bracket becomes a chunk of the
// current frame, and a frame's per-section totals are folded into each
// section's maximum and eight-frame history when the frame's slot comes
// round again. Main thread only.
class CoreProfiler {
public:
    struct Figures {
        uint32_t m_iTime;  // counter ticks
        uint32_t m_iCount; // brackets closed
    };

    struct Section {
        uint32_t m_iId; // 0 until named
        char m_szName[PROFILE_SECTION_NAME_SIZE];
        uint32_t m_iMaxTime; // the longest frame seen, with its bracket count
        uint32_t m_iMaxCount;
        Figures m_oSum;                        // over the history
        Figures m_vHistory[MAX_PROFILE_FRAME]; // by frame slot
    };

    // One bracket; times are counter ticks since the frame's start (low 32
    // bits).
    struct Chunk {
        uint32_t m_iStart;
        uint32_t m_iEnd;
        uint16_t m_profileBar; // the section
        uint16_t m_iDepth;     // 0 for an outermost section
        uint32_t m_iReserved;
    };

    struct Frame {
        uint64_t m_iStartTicks;
        uint64_t m_iEndTicks;
        Chunk m_vChunks[MAX_PROFILE_CHUNK];
        uint32_t m_freeChunkIndex;
        Figures m_vSections[MAX_PROFILE_SECTION]; // this frame's totals
    };

    // The one profiler, made and cleared on first use and never freed.
    static CoreProfiler& GetInstance();
    // The high-resolution counter.
    static uint64_t GetTicks();

    // A cleared profiler; the game uses GetInstance.
    CoreProfiler();

    // Names a section (at most 31 characters are kept) and, while its id is
    // still 0, gives it the CRC-32 of the name with the low 8 bits set.
    void NameSection(int iSection, const char* name);

    // Opens a section inside the innermost open one. Beyond
    // PROFILE_STACK_SIZE open sections the call is reported and ignored.
    void Start(int id);
    // Closes the innermost open section and adds it to section id's totals
    // (a different id is reported; the innermost one is closed all the same).
    // With nothing open the call is reported and ignored.
    void Stop(int id);
    // The next chunk of that frame slot; chunk 0 again once all are taken.
    int GetFreeChunk(int iCurrentContext);

    // Begins the next frame: folds the totals that its slot gathered eight
    // frames ago and drops the sections left open.
    void NextFrame();
    // Stamps the current frame's end and makes it the last complete frame.
    void EndFrame();

    const Section& GetSection(int iSection) const { return m_vSections[iSection]; }
    const Frame& GetFrame(int iSlot) const { return m_vProfileHistory[iSlot]; }
    int CurrentFrame() const { return m_iCurrentFrame; }
    // How many frames have begun, so that a reader can tell whether two
    // frames followed each other.
    uint64_t FrameCount() const { return m_uFrameCount; }
    int LastCompleteFrame() const { return m_iLastCompleteFrame; }
    int OpenSections() const { return m_profileStackTop; }

private:
    // Counter ticks since the current frame's start, on 32 bits.
    uint32_t TicksIntoFrame() const;

    Section m_vSections[MAX_PROFILE_SECTION] = {};
    Frame m_vProfileHistory[MAX_PROFILE_FRAME] = {};
    int32_t m_vProfileStack[PROFILE_STACK_SIZE] = {};
    int32_t m_profileStackTop = 0;
    int32_t m_iCurrentFrame = 0;
    int32_t m_iLastCompleteFrame = 0;
    uint64_t m_uFrameCount = 0;
};

} // namespace Core
