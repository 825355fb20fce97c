#include "SubtitleFileWriter.h"

#include "ByteWriter.h"

std::vector<uint8_t> WriteSubtitleFile(const std::vector<SubtitleRow>& rows)
{
    ByteWriter out;
    out.U32(static_cast<uint32_t>(rows.size()));
    for (const SubtitleRow& row : rows) {
        out.U32(row.textId);
        out.U32(row.start);
        out.U32(row.end);
    }
    return out.Bytes();
}
