#include "ScriptEngine/common/ScriptTreefilters.h"

#include "Error/EngineAssert.h"

bool Filter_Events(const ScriptNode& oNode)
{
    return oNode.m_iType == NodeType_Event && oNode.m_oEvent.m_eType != TwEventType_Init;
}

int32_t CollectEvents(const ScriptNodePool& oPool, ScriptNodeIndex iRoot, ScriptNodeFilter filter,
                      std::span<ScriptNodeIndex> list)
{
    int32_t iCount = 0;
    if (!oPool.Contains(iRoot))
        return 0;
    ScriptNodeIndex iNode = oPool[iRoot].m_iChild;
    while (iNode != NO_NODE) {
        const ScriptNode& oNode = oPool[iNode];
        if (filter(oNode)) {
            const bool bFits = static_cast<size_t>(iCount) < list.size();
            ENGINE_ASSERT_MSG(bFits, "list full!\n");
            if (bFits)
                list[iCount++] = iNode;
        }
        if (oNode.m_iChild != NO_NODE) {
            iNode = oNode.m_iChild;
            continue;
        }
        // Up to the nearest ancestor below the root that has a next sibling.
        while (oPool.Contains(iNode) && iNode != iRoot && oPool[iNode].m_iNext == NO_NODE)
            iNode = oPool[iNode].m_iParent;
        iNode = !oPool.Contains(iNode) || iNode == iRoot ? NO_NODE : oPool[iNode].m_iNext;
    }
    return iCount;
}
