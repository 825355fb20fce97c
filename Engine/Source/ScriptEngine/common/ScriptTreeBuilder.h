#pragma once
#include "ScriptEngine/common/ActionParameter.h"
#include "ScriptEngine/common/ScriptNode.h"

#include <cstdint>
#include <span>

// The build state while one script fills the tree: the node under which new
// nodes go and whether they go into that condition's else chain. Scripts
// write the tree like a structured program: open a node, add under it, maybe
// switch to the else chain, close it.
//
// Misuse never corrupts the tree: a node that the pool cannot hold is refused
// with everything written inside it (until its close); an else on a node that
// is not a condition is refused with its branch; a close at the top is refused.
class ScriptTreeBuilder {
public:
    ScriptTreeBuilder(ScriptNodePool& oPool, ScriptNodeIndex iTop);

    // Opens a copy of the expression under the current node and makes it
    // current: a condition, a handler (event pattern) or a scene filter (value).
    void OpenMatch(const MatchExpr& oExpr);
    // The following nodes go into the current condition's else chain.
    void ElseMatch();
    // Closes the current node: its parent becomes current.
    void EndMatch();
    // Appends an action node built from the pairs; more than three parameters
    // are refused and reported, and nothing is added.
    void AddToQueue(int32_t iTargetId, int32_t iActionType, std::span<const ActionParameter> parameters);

    ScriptNodePool& GetPool() { return m_oPool; }
    ScriptNodeIndex GetCurrentNode() const { return m_iCurrentNode; }
    bool IsElseMode() const { return m_bElseMode != 0; }

private:
    // Places a node by the else rule: once a condition has an else chain,
    // everything added under it goes there.
    void AddNode(ScriptNodeIndex iNode);
    // Nodes are being dropped: inside a refused node or a refused else.
    bool IsDiscarding() const { return m_iNbRefusedOpen > 0 || m_bRefusedElse; }

    ScriptNodePool& m_oPool;
    ScriptNodeIndex m_iTop;
    ScriptNodeIndex m_iCurrentNode;
    uint8_t m_bElseMode = 0;
    int32_t m_iNbRefusedOpen = 0;
    bool m_bRefusedElse = false;
};
