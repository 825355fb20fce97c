#pragma once
#include "ScriptEngine/common/MatchExpression.h"

#include <cstdint>
#include <vector>

class SerialStream;
class VarSet;

// The condition that guards a dialog node: a tree over the game variables,
// kept as one list of records. Record 0 is the top; a logic operator names
// its sub-conditions by their index in the list, a comparison holds the
// variable's id and the value (16 bits sign-extended for an integer, 0 or 1
// for a boolean).
class DialogCondition {
public:
    // Reads one condition record and its sub-trees at the stream's cursor.
    // False (logged) when the file is cut short, nests deeper than
    // MAX_DIALOG_CONDITION_DEPTH, uses an operator above 11 or names a
    // variable that does not exist.
    bool Read(SerialStream& stream);
    // Both sides of a logic operator are evaluated, as the scripts' own
    // conditions are.
    bool Evaluate(const VarSet& oVars) const;

    const std::vector<MatchCondition>& GetRecords() const { return m_vRecords; }

private:
    // Appends the record read at the cursor; its index, or -1.
    int32_t ReadRecord(SerialStream& stream, int iDepth);

    std::vector<MatchCondition> m_vRecords;
};
