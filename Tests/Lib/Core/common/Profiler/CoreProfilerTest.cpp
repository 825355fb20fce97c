
#include "Hash/CoreCrc32.h"
#include "Profiler/CoreProfiler.h"
#include "Support/LogCapture.h"
#include "Support/ScopedService.h"
#include "System/FakeClock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

using TestSupport::LogOf;

using Core::CoreProfiler;

constexpr uint32_t MS = 1000000; // fake counter ticks per millisecond

class CoreProfilerTest : public testing::Test {
protected:
    void Wait(double milliseconds) { m_clock.AdvanceMilliseconds(milliseconds); }

    // One bracket of the given length.
    void Bracket(int section, double milliseconds)
    {
        m_profiler->Start(section);
        Wait(milliseconds);
        m_profiler->Stop(section);
    }

    const CoreProfiler::Frame& Current() const { return m_profiler->GetFrame(m_profiler->CurrentFrame()); }

    Platform::FakeClock m_clock;
    TestSupport::ScopedService<Platform::Clock> m_installedClock {Platform::SetClock, m_clock};
    std::unique_ptr<CoreProfiler> m_profiler = std::make_unique<CoreProfiler>();
};

TEST_F(CoreProfilerTest, NestedSectionsBecomeChunksOfTheirDepth)
{
    Wait(100);
    m_profiler->NextFrame();
    const std::string log = LogOf([&] {
        Wait(1);
        m_profiler->Start(0);
        Wait(2);
        m_profiler->Start(2);
        Wait(3);
        m_profiler->Stop(2);
        Wait(4);
        m_profiler->Stop(0);
    });
    EXPECT_EQ(log, "");

    const CoreProfiler::Frame& frame = Current();
    EXPECT_EQ(frame.m_iStartTicks, 100ull * MS);
    ASSERT_EQ(frame.m_freeChunkIndex, 2u);
    const CoreProfiler::Chunk& outer = frame.m_vChunks[0];
    EXPECT_EQ(outer.m_profileBar, 0);
    EXPECT_EQ(outer.m_iDepth, 0);
    EXPECT_EQ(outer.m_iStart, 1 * MS);
    EXPECT_EQ(outer.m_iEnd, 10 * MS);
    const CoreProfiler::Chunk& inner = frame.m_vChunks[1];
    EXPECT_EQ(inner.m_profileBar, 2);
    EXPECT_EQ(inner.m_iDepth, 1);
    EXPECT_EQ(inner.m_iStart, 3 * MS);
    EXPECT_EQ(inner.m_iEnd, 6 * MS);
    EXPECT_EQ(frame.m_vSections[0].m_iCount, 1u);
    EXPECT_EQ(frame.m_vSections[0].m_iTime, 9 * MS);
    EXPECT_EQ(frame.m_vSections[2].m_iCount, 1u);
    EXPECT_EQ(frame.m_vSections[2].m_iTime, 3 * MS);
    EXPECT_EQ(m_profiler->OpenSections(), 0);
}

TEST_F(CoreProfilerTest, BracketsOfOneSectionAddUpWithinAFrame)
{
    m_profiler->NextFrame();
    Bracket(5, 1);
    Bracket(6, 7);
    Bracket(5, 2);
    Bracket(5, 3);
    EXPECT_EQ(Current().m_vSections[5].m_iTime, 6 * MS);
    EXPECT_EQ(Current().m_vSections[5].m_iCount, 3u);
    EXPECT_EQ(Current().m_vSections[6].m_iTime, 7 * MS);
}

TEST_F(CoreProfilerTest, FramesFoldIntoTheHistoryWhenTheirSlotComesRound)
{
    for (int frame = 1; frame <= 20; ++frame) {
        m_profiler->NextFrame();
        Bracket(3, frame);
        if (frame == 12)
            Bracket(3, 0);
    }
    // Frames 5 to 12 have been folded (frame n when frame n + 8 began).
    const CoreProfiler::Section& section = m_profiler->GetSection(3);
    for (int frame = 5; frame <= 12; ++frame) {
        const CoreProfiler::Figures& past = section.m_vHistory[frame % Core::MAX_PROFILE_FRAME];
        EXPECT_EQ(past.m_iTime, static_cast<uint32_t>(frame) * MS) << "frame " << frame;
        EXPECT_EQ(past.m_iCount, frame == 12 ? 2u : 1u) << "frame " << frame;
    }
    EXPECT_EQ(section.m_oSum.m_iTime, (5u + 6 + 7 + 8 + 9 + 10 + 11 + 12) * MS);
    EXPECT_EQ(section.m_oSum.m_iCount, 9u);
    EXPECT_EQ(section.m_iMaxTime, 12 * MS);
    EXPECT_EQ(section.m_iMaxCount, 2u);
    // The frame being gathered starts from nothing.
    EXPECT_EQ(Current().m_vSections[3].m_iCount, 1u);
    EXPECT_EQ(Current().m_vSections[3].m_iTime, 20 * MS);
}

TEST_F(CoreProfilerTest, EndFrameStampsTheFrameAndMarksItComplete)
{
    m_profiler->NextFrame();
    m_profiler->NextFrame();
    Wait(16);
    m_profiler->EndFrame();
    EXPECT_EQ(m_profiler->LastCompleteFrame(), 2);
    EXPECT_EQ(m_profiler->GetFrame(2).m_iEndTicks, 16ull * MS);
}

TEST_F(CoreProfilerTest, StoppingAnotherSectionIsReportedAndClosesTheInnermost)
{
    m_profiler->NextFrame();
    m_profiler->Start(1);
    Wait(2);
    const std::string log = LogOf([&] { m_profiler->Stop(4); });
    EXPECT_NE(log.find("function:  Core::CoreProfiler::Stop\ncondition: c->m_profileBar==id\n"), std::string::npos)
        << log;
    EXPECT_EQ(m_profiler->OpenSections(), 0);
    EXPECT_EQ(Current().m_vChunks[0].m_iEnd, 2 * MS);
    EXPECT_EQ(Current().m_vSections[4].m_iCount, 1u);
    EXPECT_EQ(Current().m_vSections[1].m_iCount, 0u);
}

TEST_F(CoreProfilerTest, OpeningBeyondTheStackIsReportedAndIgnored)
{
    m_profiler->NextFrame();
    for (int depth = 0; depth < Core::PROFILE_STACK_SIZE; ++depth)
        m_profiler->Start(depth);
    const std::string log = LogOf([&] { m_profiler->Start(7); });
    EXPECT_NE(log.find("function:  Core::CoreProfiler::Start\ncondition: m_profileStackTop<PROFILE_STACK_SIZE\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(m_profiler->OpenSections(), Core::PROFILE_STACK_SIZE);
    EXPECT_EQ(Current().m_freeChunkIndex, static_cast<uint32_t>(Core::PROFILE_STACK_SIZE));

    const std::string closing = LogOf([&] {
        for (int depth = Core::PROFILE_STACK_SIZE - 1; depth >= 0; --depth)
            m_profiler->Stop(depth);
    });
    EXPECT_EQ(closing, "");
    EXPECT_EQ(Current().m_vChunks[31].m_iDepth, 31);
    for (int section = 0; section < Core::MAX_PROFILE_SECTION; ++section)
        EXPECT_EQ(Current().m_vSections[section].m_iCount, 1u) << section;
}

TEST_F(CoreProfilerTest, StoppingWithNothingOpenIsReportedAndIgnored)
{
    m_profiler->NextFrame();
    m_profiler->Start(0);
    // A new frame drops the sections left open.
    m_profiler->NextFrame();
    EXPECT_EQ(m_profiler->OpenSections(), 0);
    const std::string log = LogOf([&] { m_profiler->Stop(0); });
    EXPECT_NE(log.find("condition: m_profileStackTop>0\n"), std::string::npos) << log;
    EXPECT_EQ(m_profiler->OpenSections(), 0);
    EXPECT_EQ(Current().m_vSections[0].m_iCount, 0u);
}

TEST_F(CoreProfilerTest, SectionsOutsideTheTableAreReportedAndIgnored)
{
    m_profiler->NextFrame();
    const std::string log = LogOf([&] {
        m_profiler->Start(Core::MAX_PROFILE_SECTION);
        m_profiler->Start(-1);
        m_profiler->Start(2);
        m_profiler->Stop(Core::MAX_PROFILE_SECTION);
    });
    EXPECT_NE(log.find("condition: id>=0 && id<MAX_PROFILE_SECTION\n"), std::string::npos) << log;
    EXPECT_EQ(m_profiler->OpenSections(), 1);
    EXPECT_EQ(Current().m_freeChunkIndex, 1u);
    EXPECT_EQ(LogOf([&] { m_profiler->Stop(2); }), "");
}

TEST_F(CoreProfilerTest, ChunksBeyondTheFrameReuseChunkZero)
{
    m_profiler->NextFrame();
    for (int bracket = 0; bracket < Core::MAX_PROFILE_CHUNK; ++bracket)
        Bracket(1, 0);
    const std::string log = LogOf([&] { Bracket(9, 1); });
    EXPECT_NE(log.find("function:  Core::CoreProfiler::GetFreeChunk\n"
                       "condition: m_vProfileHistory[iCurrentContext].m_freeChunkIndex<MAX_PROFILE_CHUNK\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(Current().m_freeChunkIndex, static_cast<uint32_t>(Core::MAX_PROFILE_CHUNK));
    EXPECT_EQ(Current().m_vChunks[0].m_profileBar, 9);
    EXPECT_EQ(Current().m_vSections[9].m_iTime, 1 * MS);
    EXPECT_EQ(Current().m_vSections[1].m_iCount, static_cast<uint32_t>(Core::MAX_PROFILE_CHUNK));
}

TEST_F(CoreProfilerTest, FreeChunkOfAnUnknownSlotIsReported)
{
    const std::string log = LogOf([&] {
        EXPECT_EQ(m_profiler->GetFreeChunk(-1), 0);
        EXPECT_EQ(m_profiler->GetFreeChunk(Core::MAX_PROFILE_FRAME), 0);
    });
    EXPECT_NE(log.find("condition: iCurrentContext>=0 && iCurrentContext<MAX_PROFILE_FRAME\n"), std::string::npos)
        << log;
    EXPECT_EQ(m_profiler->GetFreeChunk(3), 0);
    EXPECT_EQ(m_profiler->GetFreeChunk(3), 1);
}

TEST_F(CoreProfilerTest, NamingKeepsTheFirstIdAndCutsLongNames)
{
    m_profiler->NameSection(0, "PROFILE_UPDATE");
    const CoreProfiler::Section& section = m_profiler->GetSection(0);
    EXPECT_STREQ(section.m_szName, "PROFILE_UPDATE");
    EXPECT_EQ(section.m_iId, CoreCrc32::HashString("PROFILE_UPDATE") | 0xFFu);
    EXPECT_EQ(section.m_iId & 0xFFu, 0xFFu);

    const uint32_t firstId = section.m_iId;
    m_profiler->NameSection(0, "A_NAME_OF_FORTY_CHARACTERS_0123456789ABC");
    EXPECT_EQ(section.m_iId, firstId);
    EXPECT_STREQ(section.m_szName, "A_NAME_OF_FORTY_CHARACTERS_0123");
    EXPECT_EQ(std::strlen(section.m_szName), 31u);
    EXPECT_EQ(m_profiler->GetSection(21).m_iId, 0u);

    EXPECT_NE(LogOf([&] { m_profiler->NameSection(Core::MAX_PROFILE_SECTION, "X"); }), "");
}

TEST(CoreProfilerInstanceTest, OneProfilerForTheProgram)
{
    EXPECT_EQ(&CoreProfiler::GetInstance(), &CoreProfiler::GetInstance());
    EXPECT_EQ(CoreProfiler::GetInstance().CurrentFrame(), 0);
}

} // namespace
