#pragma once
#include "ScriptEngine/common/MatchExpression.h"

#include <cstdint>
#include <memory>

// Nodes refer to each other by their index in the pool.
using ScriptNodeIndex = int32_t;
constexpr ScriptNodeIndex NO_NODE = -1;

constexpr int MAX_SCRIPTNODES = 40960;

// A condition node's payload: the record (logic operands are node indices)
// and the head of the else chain.
struct ScriptCondition {
    MatchCondition m_oRecord;
    ScriptNodeIndex m_iElse = NO_NODE;
};

// One node of a script tree: a condition, an event pattern, an action or a
// value filter. Its children are its first child and that child's siblings;
// a condition's else chain is a second sibling chain whose nodes also have
// the condition as their parent.
struct ScriptNode {
    int32_t m_iType = NodeType_None;
    union {
        ScriptCondition m_oCondition;
        EventDesc m_oEvent;
        ActionDesc m_oAction;
        int32_t m_iValue;
        uint32_t m_aPayload[8];
    };
    ScriptNodeIndex m_iNext = NO_NODE;
    ScriptNodeIndex m_iChild = NO_NODE;
    ScriptNodeIndex m_iParent = NO_NODE;

    ScriptNode() : m_aPayload {} { }
    // A fresh node: no type, a zero payload, no links.
    void Clear() { *this = ScriptNode(); }
};

static_assert(sizeof(ScriptNode) == 48, "a script node keeps its 48 bytes");

// The fixed block that holds every node of the current scene. Nodes are
// handed out in order and only ever released all at once, when the scene's
// tree is discarded.
class ScriptNodePool {
public:
    // Allocates the block; a second Init is reported and keeps the first.
    void InitPool();
    // Frees the block; reported while nodes are still allocated.
    void TermPool();
    // Releases every node.
    void ResetPool();
    // The next node, cleared; NO_NODE (reported) when the pool is full or
    // has no block.
    ScriptNodeIndex AllocNode();
    // Gives back every node allocated after the count was iMark.
    void Rewind(int32_t iMark);

    // Copies an expression into a cleared node; a condition's sub-conditions
    // take one new node each. False (reported, nothing taken from the pool)
    // when the pool cannot hold them.
    bool Clone(ScriptNodeIndex iNode, const MatchExpr& oExpr);
    // Evaluates a condition node, following its operands through the pool.
    bool EvalCondition(ScriptNodeIndex iNode, const VarSet& oVars) const;

    // Appends iNode to iParent's children, or to its else chain.
    void AddChild(ScriptNodeIndex iParent, ScriptNodeIndex iNode);
    void AddFailNode(ScriptNodeIndex iCondition, ScriptNodeIndex iNode);

    ScriptNode& operator[](ScriptNodeIndex iNode) { return m_pNodes[iNode]; }
    const ScriptNode& operator[](ScriptNodeIndex iNode) const { return m_pNodes[iNode]; }
    bool Contains(ScriptNodeIndex iNode) const { return iNode >= 0 && iNode < m_iNbNodeAllocated; }
    int32_t GetNbAllocated() const { return m_iNbNodeAllocated; }

private:
    bool CloneCondition(ScriptNodeIndex iNode, const MatchExpr& oExpr, int32_t iRecord);

    std::unique_ptr<ScriptNode[]> m_pNodes;
    int32_t m_iNbNodeAllocated = 0;
};

// A script tree: its pool and its root node. The script manager's tree is
// what the walk of events and the dialogs' callbacks step through.
struct ScriptTree {
    ScriptNodePool* m_pPool = nullptr;
    ScriptNodeIndex m_iRoot = NO_NODE;

    bool IsEmpty() const { return m_pPool == nullptr || !m_pPool->Contains(m_iRoot); }
};
