#include "Managers/Common/ScriptableRegistry.h"

#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ScriptableRegistryTest, TheBucketIsTheExclusiveOrOfTheFourBytes)
{
    struct Case {
        int32_t iId;
        int iBucket;
    };
    const Case cases[] = {
        {0, 0},
        {35, 35},
        {-1, 0},
        {0x01020304, 0x04},
        {static_cast<int32_t>(0xa900ea29u), 0xa9 ^ 0x00 ^ 0xea ^ 0x29},
        {static_cast<int32_t>(0x9f2965d0u), 0x9f ^ 0x29 ^ 0x65 ^ 0xd0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScriptableRegistry::GetScriptableIndex(c.iId), c.iBucket) << c.iId;
    // The same four bytes in another order share a bucket.
    EXPECT_EQ(ScriptableRegistry::GetScriptableIndex(0x11223344), ScriptableRegistry::GetScriptableIndex(0x44332211));
}

TEST(ScriptableRegistryTest, IdsOfOneBucketAreFoundAlongTheChain)
{
    ScriptableRegistry registry;
    Scriptable first, second, third;
    ASSERT_TRUE(registry.Insert(0x11223344, &first));
    ASSERT_TRUE(registry.Insert(0x44332211, &second));
    ASSERT_TRUE(registry.Insert(0x22113344, &third));
    EXPECT_EQ(first.GetId(), 0x11223344);
    EXPECT_EQ(registry.Find(0x44332211), &second);
    EXPECT_EQ(registry.Find(0x22113344), &third);
    EXPECT_EQ(registry.Find(0x33441122), nullptr);
    EXPECT_EQ(registry.Find(ID_SCRIPTABLE_INVALID), nullptr);

    // Removing the head makes the second one the head; the chain stays whole.
    const int bucket = ScriptableRegistry::GetScriptableIndex(0x11223344);
    ASSERT_TRUE(registry.Remove(0x11223344));
    EXPECT_EQ(registry.GetBucketHead(bucket), &second);
    EXPECT_EQ(registry.Find(0x11223344), nullptr);
    EXPECT_EQ(registry.Find(0x22113344), &third);
    // From the middle of a chain, and an id that is not there.
    ASSERT_TRUE(registry.Remove(0x22113344));
    EXPECT_EQ(second.GetNext(), nullptr);
    EXPECT_FALSE(registry.Remove(0x22113344));
}

TEST(ScriptableRegistryTest, AScriptableInsertedTwiceIsRefusedAndTheChainStaysOpen)
{
    ScriptableRegistry registry;
    Scriptable entity;
    ASSERT_TRUE(registry.Insert(5, &entity));
    TestSupport::LogCapture log;
    EXPECT_FALSE(registry.Insert(5, &entity));
    EXPECT_NE(log.Take().find("scriptable 5 is already registered"), std::string::npos);
    EXPECT_EQ(entity.GetNext(), nullptr);
}

TEST(ScriptableRegistryTest, EveryScriptableIsVisitedBucketByBucketAndAlongEachChain)
{
    ScriptableRegistry registry;
    Scriptable a, b, c, d;
    registry.Insert(0x0300, &a);   // bucket 3
    registry.Insert(2, &b);        // bucket 2
    registry.Insert(0x030000, &c); // bucket 3, after a
    registry.Insert(0x0100, &d);   // bucket 1
    std::vector<int32_t> visited;
    // A visit may unlink the scriptable it is given.
    registry.ForEach([&](Scriptable& oScriptable) {
        visited.push_back(oScriptable.GetId());
        registry.Remove(oScriptable.GetId());
    });
    EXPECT_EQ(visited, (std::vector<int32_t> {0x0100, 2, 0x0300, 0x030000}));
    EXPECT_EQ(registry.Find(0x030000), nullptr);
}

} // namespace
