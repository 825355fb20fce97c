#include "Avl32Checker.h"
#include "Support/ScopedMessageBoxes.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {

using Nubra::BinarySearchTree::Avl32;
using TestSupport::Avl32Fixture;
using TestSupport::IsSoundAvlTree;

testing::AssertionResult SameContents(const Avl32& tree, const std::map<uint32_t, Avl32::Value>& model)
{
    if (tree.NodeNumber() != model.size())
        return testing::AssertionFailure() << tree.NodeNumber() << " nodes, model has " << model.size();
    Avl32::Const_Iterator it(tree);
    auto expected = model.begin();
    for (it = tree.First(); it != 0; it++, ++expected) {
        if (expected == model.end())
            return testing::AssertionFailure() << "walk goes past the model's end at key " << it.GetKey();
        if (it.GetKey() != expected->first || it.GetValue() != expected->second)
            return testing::AssertionFailure() << "walk gives " << it.GetKey() << "=" << it.GetValue() << ", model "
                                               << expected->first << "=" << expected->second;
    }
    if (expected != model.end())
        return testing::AssertionFailure() << "walk ends before key " << expected->first;
    return testing::AssertionSuccess();
}

// Keys spread over the whole unsigned range, few enough to collide often.
uint32_t DrawKey(std::mt19937& rng)
{
    return static_cast<uint32_t>(rng() % 2000u) * 2654435761u;
}

TEST(Avl32RandomTest, MatchesStdMapOverManyOperations)
{
    Avl32Fixture f(2100);
    std::map<uint32_t, Avl32::Value> model;
    std::mt19937 rng(20240611);

    for (int step = 1; step <= 200000; ++step) {
        const uint32_t key = DrawKey(rng);
        const uint32_t op = rng() % 100u;
        if (op < 45) {
            const Avl32::Value value = rng() % 4u;
            const auto found = model.find(key);
            const bool expected = found == model.end() || found->second == value;
            ASSERT_EQ(f.tree.Insert(key, value), expected) << "step " << step;
            model.emplace(key, value);
            ASSERT_EQ(f.tree.GetNode(f.tree.Current()).m_iKey, key);
        } else if (op < 75) {
            const auto found = model.find(key);
            const Avl32::Value expected = found == model.end() ? f.tree.NotFoundValue() : found->second;
            ASSERT_EQ(f.tree.Remove(key), expected) << "step " << step;
            if (found != model.end())
                model.erase(found);
        } else {
            const auto found = model.find(key);
            ASSERT_EQ(f.tree.Lookup(key), found == model.end() ? f.tree.NotFoundValue() : found->second)
                << "step " << step;
        }
        if (step % 2000 == 0) {
            ASSERT_TRUE(IsSoundAvlTree(f.tree)) << "step " << step;
            ASSERT_TRUE(SameContents(f.tree, model)) << "step " << step;
        }
    }
    ASSERT_TRUE(IsSoundAvlTree(f.tree));
    ASSERT_TRUE(SameContents(f.tree, model));
}

TEST(Avl32RandomTest, FillingAndDrainingReusesTheArray)
{
    TestSupport::ScopedMessageBoxes boxes;
    constexpr uint32_t CAPACITY = 33;
    Avl32Fixture f(CAPACITY + 1);
    f.tree.SetNodes(f.nodes.data(), CAPACITY);
    std::mt19937 rng(5);
    std::map<uint32_t, Avl32::Value> model;

    for (int cycle = 0; cycle < 50; ++cycle) {
        while (model.size() < CAPACITY - 1) {
            const uint32_t key = rng();
            if (model.emplace(key, key).second) {
                ASSERT_TRUE(f.tree.Insert(key, key));
            }
        }
        uint32_t absent = rng();
        while (model.count(absent))
            absent = rng();
        ASSERT_FALSE(f.tree.Insert(absent, 0)) << "cycle " << cycle;
        ASSERT_TRUE(IsSoundAvlTree(f.tree));
        ASSERT_TRUE(SameContents(f.tree, model));
        const size_t keep = rng() % 8u;
        while (model.size() > keep) {
            auto victim = model.begin();
            std::advance(victim, rng() % model.size());
            ASSERT_EQ(f.tree.Remove(victim->first), victim->second);
            model.erase(victim);
        }
        ASSERT_TRUE(IsSoundAvlTree(f.tree));
    }
    EXPECT_EQ(f.tree.NextUnused(), CAPACITY);
    EXPECT_TRUE(boxes.Boxes().ShownBoxes().empty());
}

} // namespace
