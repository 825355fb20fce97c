#pragma once
#include <cstdint>

namespace Nubra::BinarySearchTree {

// A map from unsigned 32-bit keys to values wide enough for an address, kept
// as a height-balanced (AVL) tree. Its nodes live in an array that the owner
// supplies; children are linked by 24-bit indices, index 0 being the null
// link, so the tree never allocates and holds at most capacity - 1 nodes.
class Avl32 {
public:
    using Key = uint32_t;
    using Value = uintptr_t;

    static constexpr uint32_t INVALID_NODE = 0;
    // Links are 24 bits wide: no node index reaches this, whatever the capacity.
    static constexpr uint32_t NODE_INDEX_LIMIT = 1u << 24;

    struct Node {
        Key m_iKey; // the next free node's index while the node is free
        Value m_iValue;
        uint32_t m_iLeftWord;  // bits 0-23 left child; bits 24-31 belong to the owner
        uint32_t m_iRightWord; // bits 0-23 right child; 24-26 balance; 27-31 belong to the owner
    };

    // Walks the tree in ascending key order. It remembers the tree's root and
    // node count when made and reports a tree that changed under it.
    class Const_Iterator {
    public:
        static constexpr int STACK_SIZE = 35;

        explicit Const_Iterator(const Avl32& tree);

        // Positions the iterator on that node (0 = the end).
        Const_Iterator& operator=(uint32_t iNode);
        // Moves to the next node and returns the iterator as it was before.
        Const_Iterator operator++(int);
        bool operator!=(uint32_t iNode) const;

        // The node with that index, reached by an in-order walk from the
        // root, or 0 when it is not in the tree.
        uint32_t Find(uint32_t iNode);
        // The node after the current one in key order, or 0 after the last.
        uint32_t FindNext();

        uint32_t Index() const { return m_iNode; }
        // The key and value of the current node (not at the end).
        Key GetKey() const;
        Value GetValue() const;

    private:
        enum Step : uint8_t {
            Step_Left,
            Step_Self,
            Step_Right,
            Step_Done
        };

        void CheckUnchanged() const;
        void Restart();
        void Push(uint32_t iNode);
        uint32_t Advance();

        const Avl32* m_oTree;
        uint32_t m_iNode = INVALID_NODE;
        int m_iDepth = 0;
        uint32_t m_vPath[STACK_SIZE] = {};
        uint8_t m_vStep[STACK_SIZE] = {};
        uint32_t m_iRoot;
        uint32_t m_iNodeNumber;
    };

    Avl32() { Init(); }

    // An empty tree without a node array.
    void Init();
    // Hands the tree its node array; done once, on an empty tree.
    void SetNodes(Node* pNodes, uint32_t iCapacity);
    // Empties the tree, keeping the node array.
    void Clear();

    // The value stored under the key, or the not-found value.
    Value Lookup(Key key);
    // Adds the key with its value. A present key keeps its value: the result
    // is then whether it equals the given one. False when the array is full.
    bool Insert(Key key, Value value);
    // Takes the key out and returns its value, or the not-found value.
    Value Remove(Key key);
    // The node with the smallest key, or 0 for an empty tree.
    uint32_t First() const;

    Value NotFoundValue() const { return m_iNotFound; }
    uint32_t Root() const { return m_iRoot; }
    // The node last found by Lookup, or found or made by Insert; 0 once removed.
    uint32_t Current() const { return m_iCurrent; }
    uint32_t NodeNumber() const { return m_iNodeNumber; }
    // Nodes made since the tree was last emptied; Remove does not lower it.
    uint32_t Insertions() const { return m_iInsertions; }
    uint32_t Capacity() const { return m_iCapacity; }
    // The most recently removed node (0 when none) and the lowest index
    // never handed out.
    uint32_t FreeList() const { return m_iFreeList; }
    uint32_t NextUnused() const { return m_iNextUnused; }
    const Node& GetNode(uint32_t iNode) const { return m_pNodes[iNode]; }

    static uint32_t LeftOf(const Node& node) { return node.m_iLeftWord & LINK_MASK; }
    static uint32_t RightOf(const Node& node) { return node.m_iRightWord & LINK_MASK; }
    // Height of the right subtree minus that of the left: -1, 0 or +1.
    static int BalanceOf(const Node& node);

private:
    static constexpr uint32_t LINK_MASK = 0x00FFFFFFu;
    static constexpr uint32_t BALANCE_SHIFT = 24;
    static constexpr uint32_t BALANCE_MASK = 0x7u << BALANCE_SHIFT;
    // Longer than any path of a tree of NODE_INDEX_LIMIT nodes.
    static constexpr int PATH_SIZE = 48;

    uint32_t Child(uint32_t iNode, int iSide) const;
    void SetChild(uint32_t iNode, int iSide, uint32_t iChild);
    void SetLeft(uint32_t iNode, uint32_t iChild) { SetChild(iNode, 0, iChild); }
    void SetRight(uint32_t iNode, uint32_t iChild) { SetChild(iNode, 1, iChild); }
    int Balance(uint32_t iNode) const { return BalanceOf(m_pNodes[iNode]); }
    void SetBalance(uint32_t iNode, int iBalance);

    uint32_t TakeNode();
    // Rotates the subtree whose root leans two levels to iSide (+1 right,
    // -1 left); returns the new root and whether the subtree got shorter.
    uint32_t Rotate(uint32_t iNode, int iSide, bool& bShorter);
    void Relink(uint32_t iParent, int iSide, uint32_t iChild);

    Value m_iNotFound;
    uint32_t m_iRoot;
    uint32_t m_iCurrent;
    uint32_t m_iNodeNumber;
    uint32_t m_iInsertions;
    uint32_t m_iNextUnused;
    uint32_t m_iFreeList;
    uint32_t m_iCapacity;
    Node* m_pNodes;
};

} // namespace Nubra::BinarySearchTree
