#include "Avl32Checker.h"
#include "Support/ScopedMessageBoxes.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using Nubra::BinarySearchTree::Avl32;
using TestSupport::Avl32Fixture;
using TestSupport::IsSoundAvlTree;
using TestSupport::Shape;

void InsertAll(Avl32& tree, std::initializer_list<uint32_t> keys)
{
    for (const uint32_t key : keys)
        ASSERT_TRUE(tree.Insert(key, key * 10u)) << "key " << key;
}

TEST(Avl32Test, AscendingThreeRotateLeftIntoBalance)
{
    Avl32Fixture f(16);
    InsertAll(f.tree, {1, 2, 3});
    EXPECT_EQ(Shape(f.tree), "2(1,3)");
    const Avl32::Node& root = f.tree.GetNode(f.tree.Root());
    EXPECT_EQ(Avl32::BalanceOf(root), 0);
    EXPECT_EQ(Avl32::BalanceOf(f.tree.GetNode(Avl32::LeftOf(root))), 0);
    EXPECT_EQ(Avl32::BalanceOf(f.tree.GetNode(Avl32::RightOf(root))), 0);
    EXPECT_TRUE(IsSoundAvlTree(f.tree));
}

TEST(Avl32Test, InsertRotationsOfEveryKind)
{
    struct Case {
        const char* name;
        std::initializer_list<uint32_t> keys;
        const char* shape;
    };
    const Case cases[] = {
        {"left-left", {3, 2, 1}, "2(1,3)"},
        {"right-left", {1, 3, 2}, "2(1,3)"},
        {"left-right", {3, 1, 2}, "2(1,3)"},
        {"left-left below the root", {50, 25, 75, 10, 5}, "50(10(5,25),75)"},
        {"right-right below the root", {50, 25, 75, 90, 95}, "50(25,90(75,95))"},
        {"left-right, grandchild leaning left", {50, 25, 75, 10, 30, 27}, "30(25(10,27),50(-,75))"},
        {"left-right, grandchild leaning right", {50, 25, 75, 10, 30, 35}, "30(25(10,-),50(35,75))"},
        {"right-left, grandchild leaning right", {50, 25, 75, 60, 80, 65}, "60(50(25,-),75(65,80))"},
        {"right-left, grandchild leaning left", {50, 25, 75, 60, 80, 55}, "60(50(25,55),75(-,80))"},
    };
    for (const Case& c : cases) {
        Avl32Fixture f(16);
        InsertAll(f.tree, c.keys);
        EXPECT_EQ(Shape(f.tree), c.shape) << c.name;
        EXPECT_TRUE(IsSoundAvlTree(f.tree)) << c.name;
        for (const uint32_t key : c.keys)
            EXPECT_EQ(f.tree.Lookup(key), key * 10u) << c.name;
    }
}

TEST(Avl32Test, PresentKeyKeepsItsValue)
{
    Avl32Fixture f(8);
    EXPECT_TRUE(f.tree.Insert(7, 70));
    EXPECT_TRUE(f.tree.Insert(9, 90));
    const uint32_t seven = f.tree.Root();
    EXPECT_TRUE(f.tree.Insert(7, 70));
    EXPECT_EQ(f.tree.Current(), seven);
    EXPECT_FALSE(f.tree.Insert(7, 71));
    EXPECT_EQ(f.tree.Lookup(7), 70u);
    EXPECT_EQ(f.tree.NodeNumber(), 2u);
    EXPECT_EQ(f.tree.Insertions(), 2u);
}

TEST(Avl32Test, FullArrayRefusesAndWritesNothingBeyondIt)
{
    TestSupport::ScopedMessageBoxes boxes;
    // Four nodes handed to the tree, four more behind them that must stay
    // as they are.
    Avl32Fixture f(8);
    for (Avl32::Node& node : f.nodes)
        node = {0xDEADBEEFu, 0x5A5Au, 0xA5A5A5A5u, 0xC3C3C3C3u};
    f.tree.SetNodes(f.nodes.data(), 4);
    const std::vector<Avl32::Node> guard(f.nodes.begin() + 4, f.nodes.end());

    InsertAll(f.tree, {10, 20, 30});
    const std::string before = Shape(f.tree);
    const uint32_t current = f.tree.Current();
    EXPECT_FALSE(f.tree.Insert(40, 400));
    EXPECT_TRUE(boxes.Boxes().ShownBoxes().empty());
    EXPECT_EQ(Shape(f.tree), before);
    EXPECT_EQ(f.tree.NodeNumber(), 3u);
    EXPECT_EQ(f.tree.Insertions(), 3u);
    EXPECT_EQ(f.tree.Current(), current);
    EXPECT_EQ(f.tree.Lookup(40), f.tree.NotFoundValue());
    for (size_t i = 0; i < guard.size(); ++i) {
        EXPECT_EQ(f.nodes[4 + i].m_iKey, guard[i].m_iKey);
        EXPECT_EQ(f.nodes[4 + i].m_iLeftWord, guard[i].m_iLeftWord);
        EXPECT_EQ(f.nodes[4 + i].m_iRightWord, guard[i].m_iRightWord);
    }

    // The freed node is the next one handed out.
    f.tree.Lookup(20);
    const uint32_t freed = f.tree.Current();
    EXPECT_EQ(f.tree.Remove(20), 200u);
    EXPECT_TRUE(f.tree.Insert(40, 400));
    EXPECT_EQ(f.tree.Current(), freed);
    EXPECT_TRUE(IsSoundAvlTree(f.tree));
}

TEST(Avl32Test, TreeWithoutArrayRefusesEverything)
{
    TestSupport::ScopedMessageBoxes boxes;
    Avl32 tree;
    tree.Init();
    EXPECT_FALSE(tree.Insert(1, 1));
    EXPECT_EQ(tree.Lookup(1), ~Avl32::Value(0));
    EXPECT_EQ(tree.Remove(1), ~Avl32::Value(0));
    EXPECT_EQ(tree.First(), 0u);
}

TEST(Avl32Test, MissingKeysGiveTheNotFoundValue)
{
    Avl32Fixture f(8);
    EXPECT_EQ(f.tree.NotFoundValue(), ~Avl32::Value(0));
    EXPECT_EQ(f.tree.Lookup(5), f.tree.NotFoundValue());
    EXPECT_EQ(f.tree.Remove(5), f.tree.NotFoundValue());
    InsertAll(f.tree, {4, 6});
    EXPECT_EQ(f.tree.Lookup(5), f.tree.NotFoundValue());
    EXPECT_EQ(f.tree.Remove(5), f.tree.NotFoundValue());
    EXPECT_EQ(f.tree.NodeNumber(), 2u);
}

TEST(Avl32Test, ValuesHoldAddresses)
{
    Avl32Fixture f(8);
    int objects[2] = {};
    EXPECT_TRUE(f.tree.Insert(0xCAFEF00Du, reinterpret_cast<Avl32::Value>(&objects[1])));
    EXPECT_EQ(reinterpret_cast<int*>(f.tree.Lookup(0xCAFEF00Du)), &objects[1]);
}

TEST(Avl32Test, KeysCompareUnsigned)
{
    Avl32Fixture f(8);
    InsertAll(f.tree, {0x80000000u, 1});
    EXPECT_EQ(f.tree.GetNode(f.tree.First()).m_iKey, 1u);
    EXPECT_EQ(TestSupport::KeysInOrder(f.tree), (std::vector<uint32_t> {1, 0x80000000u}));
}

TEST(Avl32Test, RemovingTheRootOfThreeRaisesItsSuccessor)
{
    Avl32Fixture f(8);
    InsertAll(f.tree, {1, 2, 3});
    EXPECT_EQ(f.tree.Remove(2), 20u);
    EXPECT_EQ(f.tree.GetNode(f.tree.Root()).m_iKey, 3u);
    EXPECT_EQ(Shape(f.tree), "3(1,-)");
    EXPECT_TRUE(IsSoundAvlTree(f.tree));
}

TEST(Avl32Test, RemovingANodeWithTwoChildrenRaisesTheLeftmostOfItsRightSubtree)
{
    Avl32Fixture f(16);
    InsertAll(f.tree, {50, 25, 75, 10, 30, 60, 80, 55});
    EXPECT_EQ(f.tree.Remove(50), 500u);
    EXPECT_EQ(Shape(f.tree), "55(25(10,30),75(60,80))");
    EXPECT_TRUE(IsSoundAvlTree(f.tree));

    // The successor's own right child moves up into its place.
    Avl32Fixture g(16);
    InsertAll(g.tree, {50, 25, 75, 10, 30, 60, 80, 5, 55, 65, 90, 57});
    EXPECT_EQ(g.tree.Remove(50), 500u);
    EXPECT_EQ(Shape(g.tree), "55(25(10(5,-),30),75(60(57,65),80(-,90)))");
    EXPECT_TRUE(IsSoundAvlTree(g.tree));
}

TEST(Avl32Test, RemoveRotationsOfEveryKind)
{
    struct Case {
        const char* name;
        std::initializer_list<uint32_t> keys;
        uint32_t removed;
        const char* shape;
    };
    const Case cases[] = {
        {"single, heavy child balanced", {50, 25, 75, 60, 80}, 25, "75(50(-,60),80)"},
        {"single, heavy child leaning the same way", {50, 25, 75, 80}, 25, "75(50,80)"},
        {"double", {50, 25, 75, 60}, 25, "60(50,75)"},
        {"mirror single, heavy child balanced", {50, 25, 75, 10, 30}, 75, "25(10,50(30,-))"},
        {"mirror double", {50, 25, 75, 30}, 75, "30(25,50)"},
        // Rotating the right side shortens it, which tips the root as well.
        {"cascade to the root", {8, 5, 11, 3, 7, 10, 12, 2, 4, 6, 9, 1}, 12, "5(3(2(1,-),4),8(7(6,-),10(9,11)))"},
    };
    for (const Case& c : cases) {
        Avl32Fixture f(16);
        InsertAll(f.tree, c.keys);
        EXPECT_EQ(f.tree.Remove(c.removed), c.removed * 10u) << c.name;
        EXPECT_EQ(Shape(f.tree), c.shape) << c.name;
        EXPECT_TRUE(IsSoundAvlTree(f.tree)) << c.name;
    }
}

TEST(Avl32Test, OwnerBitsOfTheLinkWordsSurvive)
{
    Avl32Fixture f(16);
    for (Avl32::Node& node : f.nodes) {
        node.m_iLeftWord = 0xAB000000u;
        node.m_iRightWord = 0xF8000000u;
    }
    InsertAll(f.tree, {8, 5, 11, 3, 7, 10, 12, 2, 4, 6, 9, 1});
    f.tree.Remove(12);
    f.tree.Remove(5);
    InsertAll(f.tree, {13, 14, 15});
    EXPECT_TRUE(IsSoundAvlTree(f.tree));
    for (const Avl32::Node& node : f.nodes) {
        EXPECT_EQ(node.m_iLeftWord & 0xFF000000u, 0xAB000000u);
        EXPECT_EQ(node.m_iRightWord & 0xF8000000u, 0xF8000000u);
    }
}

TEST(Avl32Test, CurrentFollowsLookupsAndIsClearedWithItsNode)
{
    Avl32Fixture f(8);
    InsertAll(f.tree, {1, 2, 3});
    EXPECT_EQ(f.tree.GetNode(f.tree.Current()).m_iKey, 3u);
    f.tree.Lookup(1);
    const uint32_t one = f.tree.Current();
    EXPECT_EQ(f.tree.GetNode(one).m_iKey, 1u);
    f.tree.Lookup(4);
    EXPECT_EQ(f.tree.Current(), one);
    f.tree.Remove(3);
    EXPECT_EQ(f.tree.Current(), one);
    f.tree.Remove(1);
    EXPECT_EQ(f.tree.Current(), 0u);
}

TEST(Avl32Test, CountsAndClear)
{
    Avl32Fixture f(8);
    InsertAll(f.tree, {1, 2, 3});
    f.tree.Remove(2);
    EXPECT_EQ(f.tree.NodeNumber(), 2u);
    EXPECT_EQ(f.tree.Insertions(), 3u);

    f.nodes[1].m_iKey = 0x1234u;
    f.tree.Clear();
    EXPECT_EQ(f.tree.Root(), 0u);
    EXPECT_EQ(f.tree.Current(), 0u);
    EXPECT_EQ(f.tree.NodeNumber(), 0u);
    EXPECT_EQ(f.tree.Insertions(), 0u);
    EXPECT_EQ(f.tree.FreeList(), 0u);
    EXPECT_EQ(f.tree.NextUnused(), 1u);
    EXPECT_EQ(f.tree.Capacity(), 8u);
    EXPECT_EQ(f.nodes[1].m_iKey, 0x1234u);
    EXPECT_EQ(f.tree.Lookup(1), f.tree.NotFoundValue());

    InsertAll(f.tree, {5});
    EXPECT_EQ(f.tree.Root(), 1u);
}

} // namespace
