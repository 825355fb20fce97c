#include "Avl32Checker.h"

#include <algorithm>
#include <optional>
#include <sstream>

namespace TestSupport {
namespace {

using Nubra::BinarySearchTree::Avl32;

class Checker {
public:
    explicit Checker(const Avl32& tree) : m_tree(tree), m_seen(tree.Capacity(), false) { }

    // Height of the subtree, or nothing after recording a fault.
    std::optional<int> Height(uint32_t node, std::optional<uint32_t> low, std::optional<uint32_t> high)
    {
        if (node == 0)
            return 0;
        if (node >= m_tree.Capacity())
            return Fail() << "node index " << node << " outside the array", std::nullopt;
        if (m_seen[node])
            return Fail() << "node " << node << " reached twice", std::nullopt;
        m_seen[node] = true;
        ++m_count;
        const Avl32::Node& record = m_tree.GetNode(node);
        if ((low && record.m_iKey <= *low) || (high && record.m_iKey >= *high))
            return Fail() << "key " << record.m_iKey << " of node " << node << " out of order", std::nullopt;
        const auto left = Height(Avl32::LeftOf(record), low, record.m_iKey);
        if (!left)
            return std::nullopt;
        const auto right = Height(Avl32::RightOf(record), record.m_iKey, high);
        if (!right)
            return std::nullopt;
        const int balance = *right - *left;
        if (balance < -1 || balance > 1)
            return Fail() << "node " << node << " (key " << record.m_iKey << ") is out of balance by " << balance,
                   std::nullopt;
        if (Avl32::BalanceOf(record) != balance)
            return Fail() << "node " << node << " stores balance " << Avl32::BalanceOf(record) << ", true " << balance,
                   std::nullopt;
        return 1 + std::max(*left, *right);
    }

    testing::AssertionResult Run()
    {
        if (!Height(m_tree.Root(), std::nullopt, std::nullopt))
            return m_result;
        if (m_count != m_tree.NodeNumber())
            return Fail() << "tree holds " << m_count << " nodes, counts " << m_tree.NodeNumber();
        return CheckFreeList();
    }

private:
    // Every index handed out is either in the tree or on the free list, once.
    testing::AssertionResult CheckFreeList()
    {
        uint32_t freeCount = 0;
        for (uint32_t node = m_tree.FreeList(); node; node = m_tree.GetNode(node).m_iKey) {
            if (node >= m_tree.NextUnused())
                return Fail() << "free node " << node << " was never handed out";
            if (m_seen[node])
                return Fail() << "node " << node << " is both free and in the tree (or free twice)";
            m_seen[node] = true;
            ++freeCount;
        }
        if (m_count + freeCount + 1 != m_tree.NextUnused())
            return Fail() << m_count << " nodes in the tree and " << freeCount << " free, but "
                          << m_tree.NextUnused() - 1 << " handed out";
        return testing::AssertionSuccess();
    }

    testing::AssertionResult& Fail()
    {
        m_result = testing::AssertionFailure();
        return m_result;
    }

    const Avl32& m_tree;
    std::vector<bool> m_seen;
    uint32_t m_count = 0;
    testing::AssertionResult m_result = testing::AssertionSuccess();
};

void CollectKeys(const Avl32& tree, uint32_t node, std::vector<uint32_t>& keys)
{
    if (!node)
        return;
    CollectKeys(tree, Avl32::LeftOf(tree.GetNode(node)), keys);
    keys.push_back(tree.GetNode(node).m_iKey);
    CollectKeys(tree, Avl32::RightOf(tree.GetNode(node)), keys);
}

void AppendShape(const Avl32& tree, uint32_t node, std::ostringstream& text)
{
    if (!node) {
        text << '-';
        return;
    }
    const Avl32::Node& record = tree.GetNode(node);
    text << record.m_iKey;
    if (Avl32::LeftOf(record) || Avl32::RightOf(record)) {
        text << '(';
        AppendShape(tree, Avl32::LeftOf(record), text);
        text << ',';
        AppendShape(tree, Avl32::RightOf(record), text);
        text << ')';
    }
}

} // namespace

std::string Shape(const Avl32& tree)
{
    std::ostringstream text;
    if (tree.Root())
        AppendShape(tree, tree.Root(), text);
    return text.str();
}

testing::AssertionResult IsSoundAvlTree(const Avl32& tree)
{
    return Checker(tree).Run();
}

std::vector<uint32_t> KeysInOrder(const Avl32& tree)
{
    std::vector<uint32_t> keys;
    CollectKeys(tree, tree.Root(), keys);
    return keys;
}

} // namespace TestSupport
