#include "BinarySearchTree/Avl32.h"

#include "Error/CoreError.h"

namespace Nubra::BinarySearchTree {

Avl32::Const_Iterator::Const_Iterator(const Avl32& tree)
    : m_oTree(&tree), m_iRoot(tree.m_iRoot), m_iNodeNumber(tree.m_iNodeNumber)
{
}

Avl32::Const_Iterator& Avl32::Const_Iterator::operator=(uint32_t iNode)
{
    m_iNode = Find(iNode);
    CORE_ASSERT(iNode == INVALID_NODE || m_iNode != INVALID_NODE, "Invalid index value");
    return *this;
}

Avl32::Const_Iterator Avl32::Const_Iterator::operator++(int)
{
    const Const_Iterator before = *this;
    m_iNode = FindNext();
    return before;
}

bool Avl32::Const_Iterator::operator!=(uint32_t iNode) const
{
    CheckUnchanged();
    return m_iNode != iNode;
}

Avl32::Key Avl32::Const_Iterator::GetKey() const
{
    return m_oTree->m_pNodes[m_iNode].m_iKey;
}

Avl32::Value Avl32::Const_Iterator::GetValue() const
{
    return m_oTree->m_pNodes[m_iNode].m_iValue;
}

void Avl32::Const_Iterator::CheckUnchanged() const
{
    CORE_ASSERT(m_iNodeNumber == m_oTree->m_iNodeNumber && m_iRoot == m_oTree->m_iRoot, "Binary tree as changed");
}

uint32_t Avl32::Const_Iterator::Find(uint32_t iNode)
{
    CheckUnchanged();
    Restart();
    if (iNode == INVALID_NODE)
        return INVALID_NODE;
    uint32_t iVisited = Advance();
    while (iVisited != INVALID_NODE && iVisited != iNode)
        iVisited = Advance();
    return iVisited;
}

uint32_t Avl32::Const_Iterator::FindNext()
{
    CheckUnchanged();
    return Advance();
}

void Avl32::Const_Iterator::Restart()
{
    m_iDepth = 0;
    if (m_oTree->m_iRoot)
        Push(m_oTree->m_iRoot);
}

void Avl32::Const_Iterator::Push(uint32_t iNode)
{
    // A balanced tree of 2^24 nodes is never this deep; only a tree that
    // changed under the iterator gets here, and its walk ends.
    if (m_iDepth == STACK_SIZE) {
        m_iDepth = 0;
        return;
    }
    m_vPath[m_iDepth] = iNode;
    m_vStep[m_iDepth] = Step_Left;
    ++m_iDepth;
}

uint32_t Avl32::Const_Iterator::Advance()
{
    while (m_iDepth > 0) {
        const int level = m_iDepth - 1;
        const Node& node = m_oTree->m_pNodes[m_vPath[level]];
        switch (m_vStep[level]) {
        case Step_Left:
            m_vStep[level] = Step_Self;
            if (LeftOf(node)) {
                Push(LeftOf(node));
                break;
            }
            [[fallthrough]];
        case Step_Self: m_vStep[level] = Step_Right; return m_vPath[level];
        case Step_Right:
            m_vStep[level] = Step_Done;
            if (RightOf(node)) {
                Push(RightOf(node));
                break;
            }
            [[fallthrough]];
        default: --m_iDepth; break;
        }
    }
    return INVALID_NODE;
}

} // namespace Nubra::BinarySearchTree
