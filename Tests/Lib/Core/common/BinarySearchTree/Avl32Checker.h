#pragma once
#include "BinarySearchTree/Avl32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace TestSupport {

// A tree over its own node array, the way the core's managers hold one.
struct Avl32Fixture {
    explicit Avl32Fixture(uint32_t capacity) : nodes(capacity)
    {
        tree.Init();
        tree.SetNodes(nodes.data(), capacity);
    }

    std::vector<Nubra::BinarySearchTree::Avl32::Node> nodes;
    Nubra::BinarySearchTree::Avl32 tree;
};

// Checks everything the tree promises about its structure: keys in order,
// stored balances equal to the true height differences and within -1..+1,
// the node count, indices inside the array, and a free list that holds
// exactly the used indices that are not in the tree.
testing::AssertionResult IsSoundAvlTree(const Nubra::BinarySearchTree::Avl32& tree);

// The tree drawn as text: a leaf is its key, an inner node "key(left,right)"
// with "-" for a missing child; 1, 2, 3 balanced is "2(1,3)".
std::string Shape(const Nubra::BinarySearchTree::Avl32& tree);

// The keys in the order an in-order walk of the links meets them.
std::vector<uint32_t> KeysInOrder(const Nubra::BinarySearchTree::Avl32& tree);

} // namespace TestSupport
