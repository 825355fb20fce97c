#include "DialogFileWriter.h"

#include "ByteWriter.h"
#include "Dialogs/Common/DialogFormat.h"
#include "ScriptEngine/common/MatchExpression.h"

namespace {

void WriteCondition(ByteWriter& out, const DialogSourceCondition& condition)
{
    out.U32(condition.op);
    if (IsLogicOp(static_cast<int32_t>(condition.op))) {
        for (const DialogSourceCondition& operand : condition.operands)
            WriteCondition(out, operand);
        return;
    }
    out.U32(condition.variableHash);
    out.U32(condition.value);
}

void WriteNode(ByteWriter& out, const DialogSourceNode& node)
{
    out.U32(node.type);
    out.U32(node.hasCondition ? 1 : 0);
    if (node.hasCondition)
        WriteCondition(out, node.condition);
    for (uint32_t word : node.payload)
        out.U32(word);
    out.U32(static_cast<uint32_t>(node.children.size()));
    for (const DialogSourceNode& child : node.children)
        WriteNode(out, child);
}

// The id's four characters in file order and the body's size, patched once
// the body is written.
uint32_t BeginChunk(ByteWriter& out, uint32_t id)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.U8(id >> shift);
    out.U32(0);
    return out.Size();
}

void EndChunk(ByteWriter& out, uint32_t bodyStart)
{
    out.PatchU32(bodyStart - 4, out.Size() - bodyStart);
}

} // namespace

std::vector<uint8_t> WriteDialogFile(const DialogSourceGroup& group)
{
    ByteWriter out;
    for (char letter : DIALOG_FILE_MAGIC)
        out.U8(static_cast<uint8_t>(letter));
    out.U16(DIALOG_FILE_MAJOR_VERSION);
    out.U16(DIALOG_FILE_MINOR_VERSION);
    out.FixedString(group.name, DIALOG_GROUP_NAME_SIZE);
    const uint32_t count = static_cast<uint32_t>(group.dialogs.size());

    uint32_t body = BeginChunk(out, DIALOG_CHUNK_TOC);
    out.U32(count);
    EndChunk(out, body);

    body = BeginChunk(out, DIALOG_CHUNK_KEYS);
    for (uint32_t i = 0; i < count; ++i) {
        out.U32(group.dialogs[i].key);
        out.U32(i);
    }
    EndChunk(out, body);

    body = BeginChunk(out, DIALOG_CHUNK_DATA);
    for (const DialogSourceDialog& dialog : group.dialogs)
        WriteNode(out, dialog.root);
    EndChunk(out, body);
    return out.Bytes();
}
