#include "Avl32Checker.h"
#include "Support/ScopedMessageBoxes.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

using Nubra::BinarySearchTree::Avl32;
using TestSupport::Avl32Fixture;

const char CHANGED_CONDITION[] = "m_iNodeNumber == m_oTree->m_iNodeNumber && m_iRoot == m_oTree->m_iRoot";

size_t BoxesMentioning(TestSupport::ScopedMessageBoxes& boxes, const std::string& text)
{
    const auto& shown = boxes.Boxes().ShownBoxes();
    return static_cast<size_t>(std::count_if(
        shown.begin(), shown.end(), [&](const auto& box) { return box.text.find(text) != std::string::npos; }));
}

TEST(Avl32IteratorTest, FullWalkIsInAscendingKeyOrder)
{
    Avl32Fixture f(1024);
    std::vector<uint32_t> keys(1000);
    std::iota(keys.begin(), keys.end(), 0u);
    for (uint32_t& key : keys)
        key = key * 2654435761u;
    std::shuffle(keys.begin(), keys.end(), std::mt19937(7));
    for (const uint32_t key : keys)
        ASSERT_TRUE(f.tree.Insert(key, ~key));
    std::sort(keys.begin(), keys.end());

    std::vector<uint32_t> walked;
    Avl32::Const_Iterator it(f.tree);
    for (it = f.tree.First(); it != 0; it++) {
        EXPECT_EQ(it.GetValue(), Avl32::Value(~it.GetKey()));
        walked.push_back(it.GetKey());
    }
    EXPECT_EQ(walked, keys);
    EXPECT_EQ(it.FindNext(), 0u);
}

TEST(Avl32IteratorTest, EmptyTreeWalksNothing)
{
    TestSupport::ScopedMessageBoxes boxes;
    Avl32Fixture f(8);
    Avl32::Const_Iterator it(f.tree);
    it = f.tree.First();
    EXPECT_FALSE(it != 0);
    EXPECT_TRUE(boxes.Boxes().ShownBoxes().empty());
}

TEST(Avl32IteratorTest, AssignmentPositionsOnANodeAndIncrementReturnsThePrevious)
{
    Avl32Fixture f(16);
    for (const uint32_t key : {40u, 20u, 60u, 10u, 30u, 50u, 70u})
        f.tree.Insert(key, key);
    f.tree.Lookup(30);
    const uint32_t thirty = f.tree.Current();

    Avl32::Const_Iterator it(f.tree);
    it = thirty;
    EXPECT_EQ(it.Index(), thirty);
    const Avl32::Const_Iterator before = it++;
    EXPECT_EQ(before.Index(), thirty);
    EXPECT_EQ(it.GetKey(), 40u);
    it++;
    EXPECT_EQ(it.GetKey(), 50u);
}

TEST(Avl32IteratorTest, AssigningANodeOutsideTheTreeIsReported)
{
    TestSupport::ScopedMessageBoxes boxes;
    Avl32Fixture f(16);
    for (const uint32_t key : {1u, 2u, 3u})
        f.tree.Insert(key, key);
    f.tree.Lookup(2);
    const uint32_t removed = f.tree.Current();
    f.tree.Remove(2);

    Avl32::Const_Iterator it(f.tree);
    TestSupport::LogCapture errors;
    it = removed;
    const std::string report = errors.Take();
    EXPECT_NE(report.find("[DESCRIPTION]:  Invalid index value\n[EXPRESSION]:   iNode == INVALID_NODE || m_iNode "
                          "!= INVALID_NODE\n"),
              std::string::npos)
        << report;
    EXPECT_EQ(it.Index(), 0u);
    EXPECT_EQ(BoxesMentioning(boxes, "Invalid index value"), 1u);
}

TEST(Avl32IteratorTest, ChangingTheTreeDuringAWalkIsReportedAndTheWalkGoesOn)
{
    TestSupport::ScopedMessageBoxes boxes;
    Avl32Fixture f(16);
    for (const uint32_t key : {10u, 20u, 30u})
        f.tree.Insert(key, key);

    Avl32::Const_Iterator it(f.tree);
    it = f.tree.First();
    // A present key changes nothing, so the walk stays quiet.
    f.tree.Insert(10, 10);
    it++;
    EXPECT_EQ(boxes.Boxes().ShownBoxes().size(), 0u);

    f.tree.Insert(40, 40);
    TestSupport::LogCapture errors;
    it++;
    const std::string report = errors.Take();
    EXPECT_NE(report.find("Binary tree as changed"), std::string::npos) << report;
    EXPECT_EQ(BoxesMentioning(boxes, CHANGED_CONDITION), 1u);
    EXPECT_EQ(it.GetKey(), 30u);

    // A removal that leaves the root alone is caught by the node count.
    Avl32::Const_Iterator second(f.tree);
    second = f.tree.First();
    f.tree.Remove(40);
    EXPECT_TRUE(second != 0);
    errors.Take();
    EXPECT_EQ(BoxesMentioning(boxes, CHANGED_CONDITION), 2u);
}

} // namespace
