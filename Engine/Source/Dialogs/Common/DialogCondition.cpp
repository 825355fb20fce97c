#include "Dialogs/Common/DialogCondition.h"

#include "Common/VarIds.h"
#include "Dialogs/Common/DialogFormat.h"
#include "Log/CoreLog.h"
#include "Managers/Common/VarManager.h"

bool DialogCondition::Read(SerialStream& stream)
{
    m_vRecords.clear();
    return ReadRecord(stream, 0) == 0;
}

int32_t DialogCondition::ReadRecord(SerialStream& stream, int iDepth)
{
    if (iDepth >= MAX_DIALOG_CONDITION_DEPTH) {
        CorePrint(&g_oCoreLog, "DialogCondition::Read -- conditions nest deeper than %d\n", MAX_DIALOG_CONDITION_DEPTH);
        return -1;
    }
    const uint32_t uOp = stream.ReadU32();
    if (!stream.IsGood())
        return -1;
    if (uOp > Op_BoolNotEqual) {
        CorePrint(&g_oCoreLog, "DialogCondition::Read -- unknown operator %u\n", uOp);
        return -1;
    }

    const int32_t iIndex = static_cast<int32_t>(m_vRecords.size());
    m_vRecords.push_back({static_cast<int32_t>(uOp), NO_OPERAND, NO_OPERAND, 0});
    if (IsLogicOp(static_cast<int32_t>(uOp))) {
        const int32_t iA = ReadRecord(stream, iDepth + 1);
        if (iA < 0)
            return -1;
        m_vRecords[iIndex].m_iA = iA;
        if (uOp != Op_Not) {
            const int32_t iB = ReadRecord(stream, iDepth + 1);
            if (iB < 0)
                return -1;
            m_vRecords[iIndex].m_iB = iB;
        }
        return iIndex;
    }

    const uint32_t uHash = stream.ReadU32();
    const uint32_t uValue = stream.ReadU32();
    if (!stream.IsGood())
        return -1;
    const bool bBool = uOp == Op_BoolEqual || uOp == Op_BoolNotEqual;
    const int iVar = bBool ? Id::GetVarBoolFromHash(uHash) : Id::GetVarIntFromHash(uHash);
    // A condition on a variable that does not exist would test nothing the
    // author meant.
    if (iVar < 0) {
        CorePrint(&g_oCoreLog, "DialogCondition::Read -- no %s variable has the hash 0x%08X\n",
                  bBool ? "boolean" : "integer", uHash);
        return -1;
    }
    m_vRecords[iIndex].m_iA = iVar;
    m_vRecords[iIndex].m_iValue = bBool ? (uValue != 0 ? 1 : 0) : static_cast<int16_t>(uValue & 0xFFFF);
    return iIndex;
}

bool DialogCondition::Evaluate(const VarSet& oVars) const
{
    if (m_vRecords.empty())
        return false;
    const auto findRecord = [this](int32_t iIndex) -> const MatchCondition* {
        return iIndex >= 0 && static_cast<size_t>(iIndex) < m_vRecords.size() ? &m_vRecords[iIndex] : nullptr;
    };
    return MatchExpr::EvalNode(m_vRecords.front(), oVars, findRecord);
}
