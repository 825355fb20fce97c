#pragma once
#include "ScriptEngine/common/ScriptTreeCalls.h"

#include <gtest/gtest.h>

#include <vector>

// A script whose building calls the tests may make directly.
class TestScript : public ScriptTreeCalls {
public:
    using ScriptTreeCalls::_ElseMatch;
    using ScriptTreeCalls::_EndMatch;
    using ScriptTreeCalls::_IfBool;
    using ScriptTreeCalls::_IfEvent;
    using ScriptTreeCalls::_IfInt;
    using ScriptTreeCalls::_IfMatch;
    using ScriptTreeCalls::AddToQueue;
    using ScriptTreeCalls::GoToScene;
    using ScriptTreeCalls::PushAction21;
    using ScriptTreeCalls::PushAction5;
    using ScriptTreeCalls::PushAction58;
    using ScriptTreeCalls::PushAction60;
    using ScriptTreeCalls::PushActorAction7;
    using ScriptTreeCalls::PushAddAttachment;
    using ScriptTreeCalls::PushAnimAction;
    using ScriptTreeCalls::PushAnimAction11;
    using ScriptTreeCalls::PushAnimAction13;
    using ScriptTreeCalls::PushHashAction23;
    using ScriptTreeCalls::PushPlayAnimation;
    using ScriptTreeCalls::PushRemoveAttachment;
    using ScriptTreeCalls::SetBoolVar;
    using ScriptTreeCalls::SetInteractive;
    using ScriptTreeCalls::SetIntVar;
    using ScriptTreeCalls::SetPlayingCharacter;
    using ScriptTreeCalls::ShowObject;
    using ScriptTreeCalls::StartMiniGame;
    using ScriptTreeCalls::WaitForAll;
    using ScriptTreeCalls::WaitUntilIdle;
};

inline ScriptNodeIndex MakePoolAndRoot(ScriptNodePool& oPool)
{
    oPool.InitPool();
    return oPool.AllocNode();
}

// A fresh pool with a root node, and a script whose builder writes under it.
class ScriptTreeTest : public testing::Test {
protected:
    ScriptTreeTest() { script.SetTreeBuilder(&builder); }
    ~ScriptTreeTest() override
    {
        pool.ResetPool();
        pool.TermPool();
    }

    // The chain of siblings that starts at iFirst.
    std::vector<ScriptNodeIndex> Chain(ScriptNodeIndex iFirst) const
    {
        std::vector<ScriptNodeIndex> nodes;
        for (ScriptNodeIndex iNode = iFirst; iNode != NO_NODE; iNode = pool[iNode].m_iNext)
            nodes.push_back(iNode);
        return nodes;
    }
    std::vector<ScriptNodeIndex> Children(ScriptNodeIndex iNode) const { return Chain(pool[iNode].m_iChild); }
    std::vector<ScriptNodeIndex> ElseChain(ScriptNodeIndex iNode) const
    {
        return Chain(pool[iNode].m_oCondition.m_iElse);
    }
    // The action types of a chain of action nodes, in order.
    std::vector<int32_t> ActionTypes(const std::vector<ScriptNodeIndex>& nodes) const
    {
        std::vector<int32_t> types;
        for (ScriptNodeIndex iNode : nodes)
            types.push_back(pool[iNode].m_iType == NodeType_Action ? pool[iNode].m_oAction.m_iActionType : -1);
        return types;
    }

    ScriptNodePool pool;
    ScriptNodeIndex root = MakePoolAndRoot(pool);
    ScriptTreeBuilder builder {pool, root};
    TestScript script;
};
