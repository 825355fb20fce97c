#include "BinarySearchTree/Avl32.h"

namespace Nubra::BinarySearchTree {

void Avl32::Init()
{
    m_iNotFound = ~Value(0);
    m_iCapacity = 0;
    m_pNodes = nullptr;
    Clear();
}

void Avl32::SetNodes(Node* pNodes, uint32_t iCapacity)
{
    m_pNodes = pNodes;
    m_iCapacity = iCapacity;
}

void Avl32::Clear()
{
    m_iRoot = 0;
    m_iCurrent = 0;
    m_iNodeNumber = 0;
    m_iInsertions = 0;
    m_iFreeList = 0;
    m_iNextUnused = 1;
}

int Avl32::BalanceOf(const Node& node)
{
    // Three-bit two's complement: shift the field to the top and back.
    return static_cast<int32_t>((node.m_iRightWord & BALANCE_MASK) << 5) >> 29;
}

uint32_t Avl32::Child(uint32_t iNode, int iSide) const
{
    return iSide ? RightOf(m_pNodes[iNode]) : LeftOf(m_pNodes[iNode]);
}

void Avl32::SetChild(uint32_t iNode, int iSide, uint32_t iChild)
{
    uint32_t& word = iSide ? m_pNodes[iNode].m_iRightWord : m_pNodes[iNode].m_iLeftWord;
    word = (word & ~LINK_MASK) | (iChild & LINK_MASK);
}

void Avl32::SetBalance(uint32_t iNode, int iBalance)
{
    uint32_t& word = m_pNodes[iNode].m_iRightWord;
    word = (word & ~BALANCE_MASK) | ((static_cast<uint32_t>(iBalance) << BALANCE_SHIFT) & BALANCE_MASK);
}

Avl32::Value Avl32::Lookup(Key key)
{
    if (m_iNodeNumber == 0 || m_iRoot == 0)
        return m_iNotFound;
    uint32_t iNode = m_iRoot;
    while (iNode) {
        const Node& node = m_pNodes[iNode];
        if (key == node.m_iKey) {
            m_iCurrent = iNode;
            return node.m_iValue;
        }
        iNode = key < node.m_iKey ? LeftOf(node) : RightOf(node);
    }
    return m_iNotFound;
}

uint32_t Avl32::TakeNode()
{
    if (m_iFreeList) {
        const uint32_t iNode = m_iFreeList;
        m_iFreeList = m_pNodes[iNode].m_iKey;
        return iNode;
    }
    if (m_iNextUnused < m_iCapacity && m_iNextUnused < NODE_INDEX_LIMIT)
        return m_iNextUnused++;
    return INVALID_NODE;
}

void Avl32::Relink(uint32_t iParent, int iSide, uint32_t iChild)
{
    if (iParent)
        SetChild(iParent, iSide, iChild);
    else
        m_iRoot = iChild;
}

uint32_t Avl32::Rotate(uint32_t iNode, int iSide, bool& bShorter)
{
    const int heavy = iSide > 0;
    const int light = !heavy;
    const uint32_t iChild = Child(iNode, heavy);
    const int childBalance = Balance(iChild);

    if (childBalance != -iSide) {
        // Single rotation: the heavy child rises.
        SetChild(iNode, heavy, Child(iChild, light));
        SetChild(iChild, light, iNode);
        if (childBalance == 0) {
            SetBalance(iNode, iSide);
            SetBalance(iChild, -iSide);
            bShorter = false;
        } else {
            SetBalance(iNode, 0);
            SetBalance(iChild, 0);
            bShorter = true;
        }
        return iChild;
    }

    // Double rotation: the child's inner grandchild rises.
    const uint32_t iGrandChild = Child(iChild, light);
    const int grandChildBalance = Balance(iGrandChild);
    SetChild(iChild, light, Child(iGrandChild, heavy));
    SetChild(iGrandChild, heavy, iChild);
    SetChild(iNode, heavy, Child(iGrandChild, light));
    SetChild(iGrandChild, light, iNode);
    SetBalance(iNode, grandChildBalance == iSide ? -iSide : 0);
    SetBalance(iChild, grandChildBalance == -iSide ? iSide : 0);
    SetBalance(iGrandChild, 0);
    bShorter = true;
    return iGrandChild;
}

bool Avl32::Insert(Key key, Value value)
{
    // Descend, remembering the deepest node that leans (where a rotation may
    // be needed) and its parent.
    uint32_t iLeaning = m_iRoot;
    uint32_t iLeaningParent = 0;
    uint32_t iParent = 0;
    int side = 0;
    for (uint32_t iNode = m_iRoot; iNode;) {
        const Node& node = m_pNodes[iNode];
        if (key == node.m_iKey) {
            m_iCurrent = iNode;
            return node.m_iValue == value;
        }
        side = key > node.m_iKey;
        const uint32_t iChild = Child(iNode, side);
        if (iChild && Balance(iChild) != 0) {
            iLeaningParent = iNode;
            iLeaning = iChild;
        }
        iParent = iNode;
        iNode = iChild;
    }

    // A full array refuses quietly: owners check their own limits.
    const uint32_t iNew = TakeNode();
    if (iNew == INVALID_NODE)
        return false;

    Node& fresh = m_pNodes[iNew];
    fresh.m_iKey = key;
    fresh.m_iValue = value;
    fresh.m_iLeftWord &= ~LINK_MASK;
    fresh.m_iRightWord &= ~(LINK_MASK | BALANCE_MASK);
    ++m_iNodeNumber;
    ++m_iInsertions;
    m_iCurrent = iNew;
    if (!iParent) {
        m_iRoot = iNew;
        return true;
    }
    SetChild(iParent, side, iNew);

    // Every node below the leaning one was balanced and now leans towards
    // the new node.
    for (uint32_t iNode = Child(iLeaning, key > m_pNodes[iLeaning].m_iKey); iNode != iNew;) {
        const int towards = key > m_pNodes[iNode].m_iKey;
        SetBalance(iNode, towards ? 1 : -1);
        iNode = Child(iNode, towards);
    }

    const int grow = key > m_pNodes[iLeaning].m_iKey ? 1 : -1;
    const int balance = Balance(iLeaning) + grow;
    if (balance != 2 && balance != -2) {
        SetBalance(iLeaning, balance);
        return true;
    }
    bool bShorter = false;
    const uint32_t iTop = Rotate(iLeaning, grow, bShorter);
    Relink(iLeaningParent, iLeaningParent && RightOf(m_pNodes[iLeaningParent]) == iLeaning, iTop);
    return true;
}

Avl32::Value Avl32::Remove(Key key)
{
    if (m_iNodeNumber == 0 || m_iRoot == 0)
        return m_iNotFound;

    // The path from the root down to the node, with the side taken at each.
    uint32_t path[PATH_SIZE];
    uint8_t sides[PATH_SIZE];
    int depth = 0;
    uint32_t iNode = m_iRoot;
    while (iNode && m_pNodes[iNode].m_iKey != key) {
        // Only a damaged node array makes a path this long; one place is
        // kept for the node that will stand where the removed one was.
        if (depth == PATH_SIZE - 1)
            return m_iNotFound;
        const int side = key > m_pNodes[iNode].m_iKey;
        path[depth] = iNode;
        sides[depth] = static_cast<uint8_t>(side);
        ++depth;
        iNode = Child(iNode, side);
    }
    if (!iNode)
        return m_iNotFound;

    const uint32_t iParent = depth ? path[depth - 1] : 0;
    const int parentSide = depth ? sides[depth - 1] : 0;
    const uint32_t iRight = Child(iNode, 1);
    if (!iRight) {
        Relink(iParent, parentSide, Child(iNode, 0));
    } else if (!Child(iRight, 0)) {
        // The right child takes the node's place; its right side is now
        // one level shorter than the node's was.
        SetLeft(iRight, Child(iNode, 0));
        SetBalance(iRight, Balance(iNode));
        Relink(iParent, parentSide, iRight);
        path[depth] = iRight;
        sides[depth] = 1;
        ++depth;
    } else {
        // The in-order successor takes the node's place.
        const int placeDepth = depth;
        path[depth] = iNode;
        sides[depth] = 1;
        ++depth;
        uint32_t iSuccessor = iRight;
        while (Child(iSuccessor, 0)) {
            if (depth == PATH_SIZE)
                return m_iNotFound;
            path[depth] = iSuccessor;
            sides[depth] = 0;
            ++depth;
            iSuccessor = Child(iSuccessor, 0);
        }
        SetLeft(path[depth - 1], Child(iSuccessor, 1));
        SetLeft(iSuccessor, Child(iNode, 0));
        SetRight(iSuccessor, iRight);
        SetBalance(iSuccessor, Balance(iNode));
        Relink(iParent, parentSide, iSuccessor);
        path[placeDepth] = iSuccessor;
    }

    const Value value = m_pNodes[iNode].m_iValue;
    m_pNodes[iNode].m_iKey = m_iFreeList;
    m_iFreeList = iNode;
    --m_iNodeNumber;
    if (m_iCurrent == iNode)
        m_iCurrent = 0;

    // Walk back up while the subtree below lost height.
    while (depth > 0) {
        --depth;
        const uint32_t iAncestor = path[depth];
        const int shrink = sides[depth] ? -1 : 1;
        const int balance = Balance(iAncestor) + shrink;
        if (balance == 1 || balance == -1) {
            SetBalance(iAncestor, balance);
            break;
        }
        if (balance == 0) {
            SetBalance(iAncestor, 0);
            continue;
        }
        bool bShorter = false;
        const uint32_t iTop = Rotate(iAncestor, balance > 0 ? 1 : -1, bShorter);
        Relink(depth ? path[depth - 1] : 0, depth ? sides[depth - 1] : 0, iTop);
        if (!bShorter)
            break;
    }
    return value;
}

uint32_t Avl32::First() const
{
    uint32_t iNode = m_iRoot;
    if (!iNode)
        return INVALID_NODE;
    while (Child(iNode, 0))
        iNode = Child(iNode, 0);
    return iNode;
}

} // namespace Nubra::BinarySearchTree
