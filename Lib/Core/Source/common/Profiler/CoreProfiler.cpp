#include "Profiler/CoreProfiler.h"

#include "Error/EngineAssert.h"
#include "Hash/CoreCrc32.h"
#include "System/Clock.h"

#include <cstring>

namespace Core {

CoreProfiler& CoreProfiler::GetInstance()
{
    static CoreProfiler s_oProfiler;
    return s_oProfiler;
}

uint64_t CoreProfiler::GetTicks()
{
    return Platform::GetClock().Counter();
}

CoreProfiler::CoreProfiler() = default;

void CoreProfiler::NameSection(int iSection, const char* name)
{
    ENGINE_ASSERT(iSection>=0 && iSection<MAX_PROFILE_SECTION);
    ENGINE_ASSERT(name != nullptr);
    if (iSection < 0 || iSection >= MAX_PROFILE_SECTION || !name)
        return;
    Section& section = m_vSections[iSection];
    std::strncpy(section.m_szName, name, PROFILE_SECTION_NAME_SIZE - 1);
    section.m_szName[PROFILE_SECTION_NAME_SIZE - 1] = '\0';
    if (section.m_iId == 0)
        section.m_iId = CoreCrc32::HashString(name) | 0xFFu;
}

uint32_t CoreProfiler::TicksIntoFrame() const
{
    return static_cast<uint32_t>(GetTicks()) - static_cast<uint32_t>(m_vProfileHistory[m_iCurrentFrame].m_iStartTicks);
}

void CoreProfiler::Start(int id)
{
    ENGINE_ASSERT(id>=0 && id<MAX_PROFILE_SECTION);
    ENGINE_ASSERT(m_profileStackTop<PROFILE_STACK_SIZE);
    if (id < 0 || id >= MAX_PROFILE_SECTION || m_profileStackTop >= PROFILE_STACK_SIZE)
        return;

    const int iChunk = GetFreeChunk(m_iCurrentFrame);
    m_vProfileStack[m_profileStackTop++] = iChunk;
    Chunk* c = &m_vProfileHistory[m_iCurrentFrame].m_vChunks[iChunk];
    c->m_iDepth = static_cast<uint16_t>(m_profileStackTop - 1);
    c->m_iStart = TicksIntoFrame();
    c->m_profileBar = static_cast<uint16_t>(id);
    c->m_iReserved = 0;
}

void CoreProfiler::Stop(int id)
{
    ENGINE_ASSERT(id>=0 && id<MAX_PROFILE_SECTION);
    ENGINE_ASSERT(m_profileStackTop>0);
    if (id < 0 || id >= MAX_PROFILE_SECTION || m_profileStackTop <= 0)
        return;

    Frame& frame = m_vProfileHistory[m_iCurrentFrame];
    Chunk* c = &frame.m_vChunks[m_vProfileStack[--m_profileStackTop]];
    ENGINE_ASSERT(c->m_profileBar==id);
    c->m_iEnd = TicksIntoFrame();
    Figures& totals = frame.m_vSections[id];
    ++totals.m_iCount;
    totals.m_iTime += c->m_iEnd - c->m_iStart;
}

int CoreProfiler::GetFreeChunk(int iCurrentContext)
{
    ENGINE_ASSERT(iCurrentContext>=0 && iCurrentContext<MAX_PROFILE_FRAME);
    if (iCurrentContext < 0 || iCurrentContext >= MAX_PROFILE_FRAME)
        return 0;
    ENGINE_ASSERT(m_vProfileHistory[iCurrentContext].m_freeChunkIndex<MAX_PROFILE_CHUNK);
    uint32_t& freeIndex = m_vProfileHistory[iCurrentContext].m_freeChunkIndex;
    if (freeIndex < MAX_PROFILE_CHUNK)
        return static_cast<int>(freeIndex++);
    return 0;
}

void CoreProfiler::NextFrame()
{
    m_iCurrentFrame = (m_iCurrentFrame + 1) % MAX_PROFILE_FRAME;
    ++m_uFrameCount;
    Frame& frame = m_vProfileHistory[m_iCurrentFrame];
    frame.m_iStartTicks = GetTicks();
    frame.m_freeChunkIndex = 0;

    for (int iSection = 0; iSection < MAX_PROFILE_SECTION; ++iSection) {
        Section& section = m_vSections[iSection];
        Figures& gathered = frame.m_vSections[iSection];
        if (gathered.m_iTime > section.m_iMaxTime) {
            section.m_iMaxTime = gathered.m_iTime;
            section.m_iMaxCount = gathered.m_iCount;
        }
        section.m_vHistory[m_iCurrentFrame] = gathered;
        section.m_oSum = {};
        for (const Figures& past : section.m_vHistory) {
            section.m_oSum.m_iTime += past.m_iTime;
            section.m_oSum.m_iCount += past.m_iCount;
        }
        gathered = {};
    }

    m_profileStackTop = 0;
}

void CoreProfiler::EndFrame()
{
    m_vProfileHistory[m_iCurrentFrame].m_iEndTicks = GetTicks();
    m_iLastCompleteFrame = m_iCurrentFrame;
}

} // namespace Core
