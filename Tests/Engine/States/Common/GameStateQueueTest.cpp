#include "States/Common/GameStateQueue.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

namespace {

GameStateQueueEntry Entry(uint32_t uStateId, uint32_t uParameter = 0)
{
    return {uStateId, uParameter, 0};
}

TEST(GameStateQueueTest, EntriesLeaveInPushOrderAcrossTheRingsEnd)
{
    GameStateQueue queue;
    // Shifting the ring each round makes the entries wrap past its last slot.
    for (uint32_t round = 0; round < 5; ++round) {
        ASSERT_TRUE(queue.Push(Entry(2, round)));
        ASSERT_TRUE(queue.Push(Entry(3, round + 1)));
        ASSERT_TRUE(queue.Push(Entry(4)));
        EXPECT_EQ(queue.GetCount(), 3) << round;
        for (const GameStateQueueEntry& expected : {Entry(2, round), Entry(3, round + 1), Entry(4)}) {
            ASSERT_NE(queue.Top(), nullptr);
            EXPECT_EQ(queue.Top()->m_uStateId, expected.m_uStateId);
            const GameStateQueueEntry* popped = queue.Pop();
            ASSERT_NE(popped, nullptr);
            EXPECT_EQ(popped->m_uStateId, expected.m_uStateId) << round;
            EXPECT_EQ(popped->m_uParameter1, expected.m_uParameter1) << round;
        }
        EXPECT_TRUE(queue.IsEmpty());
        ASSERT_TRUE(queue.Push(Entry(5)));
        ASSERT_NE(queue.Pop(), nullptr);
    }
}

TEST(GameStateQueueTest, AFourthPushAndAPopOfNothingAreRefusedAndChangeNothing)
{
    GameStateQueue queue;
    for (uint32_t id : {2u, 3u, 4u})
        ASSERT_TRUE(queue.Push(Entry(id)));
    TestSupport::LogCapture capture;
    EXPECT_FALSE(queue.Push(Entry(5)));
    std::string log = capture.Take();
    EXPECT_NE(log.find("message:\naction queue full\n"), std::string::npos) << log;
    // The queue still holds the three, not an empty-looking ring.
    EXPECT_EQ(queue.GetCount(), 3);
    EXPECT_EQ(queue.Pop()->m_uStateId, 2u);
    EXPECT_EQ(queue.Pop()->m_uStateId, 3u);
    EXPECT_EQ(queue.Pop()->m_uStateId, 4u);

    TestSupport::LogCapture emptyCapture;
    EXPECT_EQ(queue.Pop(), nullptr);
    EXPECT_EQ(queue.Top(), nullptr);
    log = emptyCapture.Take();
    EXPECT_NE(log.find("message:\naction queue empty\n"), std::string::npos) << log;
    EXPECT_TRUE(queue.IsEmpty());
    ASSERT_TRUE(queue.Push(Entry(1)));
    EXPECT_EQ(queue.Top()->m_uStateId, 1u);
}

} // namespace
