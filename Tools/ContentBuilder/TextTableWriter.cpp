#include "TextTableWriter.h"

#include "ByteWriter.h"
#include "ContentError.h"
#include "Hash/CoreCrc32.h"
#include "Utils/Common/L10nTableFormat.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

namespace {

bool IsHexId(const std::string& key)
{
    return key.size() == 10 && key[0] == '0' && (key[1] == 'x' || key[1] == 'X') &&
           std::all_of(key.begin() + 2, key.end(), [](char c) { return std::isxdigit(uint8_t(c)) != 0; });
}

// Whether the bytes are well-formed UTF-8: shortest forms, no surrogates,
// nothing above U+10FFFF.
bool IsUtf8(const std::string& text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = uint8_t(text[i]);
        uint32_t length = 0;
        uint32_t value = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            value = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            value = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            value = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (uint32_t k = 1; k < length; ++k) {
            const auto next = uint8_t(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            value = value << 6 | (next & 0x3F);
        }
        const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::string Unescape(const std::string& text, const std::string& place)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (next == 'n')
            out += '\n';
        else if (next == 't')
            out += '\t';
        else if (next == '\\')
            out += '\\';
        else
            throw ContentError(place + ": unknown escape \"\\" + std::string(next ? 1 : 0, next) + "\"");
        ++i;
    }
    return out;
}

} // namespace

uint32_t TextIdOfKey(const std::string& key)
{
    return IsHexId(key) ? uint32_t(std::stoul(key.substr(2), nullptr, 16)) : CoreCrc32Of(std::string_view(key));
}

std::vector<TextRow> ReadTextSource(const std::string& source, const std::string& label)
{
    std::vector<TextRow> rows;
    std::map<uint32_t, uint32_t> lineOfId;
    std::istringstream lines(source);
    uint32_t number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const std::string place = label + ":" + std::to_string(number);
        const size_t tab = line.find('\t');
        if (tab == 0 || tab == std::string::npos)
            throw ContentError(place + ": a text line is a key, a tab and the text");
        const std::string key = line.substr(0, tab);
        if (key.find_first_of(" \"") != std::string::npos)
            throw ContentError(place + ": bad key \"" + key + "\"");
        if (!IsUtf8(line))
            throw ContentError(place + ": the line is not UTF-8");
        const uint32_t id = TextIdOfKey(key);
        const auto [earlier, added] = lineOfId.emplace(id, number);
        if (!added)
            throw ContentError(place + ": the text id of \"" + key + "\" was given on line " +
                               std::to_string(earlier->second));
        rows.push_back({id, Unescape(line.substr(tab + 1), place)});
    }
    return rows;
}

std::vector<uint8_t> WriteTextTable(std::vector<TextRow> rows)
{
    std::sort(rows.begin(), rows.end(), [](const TextRow& a, const TextRow& b) { return a.id < b.id; });
    const auto count = uint32_t(rows.size());
    const uint32_t entries = L10N_HEADER_SIZE;
    const uint32_t pool = entries + count * L10N_ENTRY_SIZE;

    ByteWriter out;
    out.Bytes(reinterpret_cast<const uint8_t*>(L10N_MAGIC), L10N_MAGIC_SIZE);
    out.U16(L10N_VERSION_MAJOR);
    out.U16(L10N_VERSION_MINOR);
    out.Zeros(L10N_COUNT_OFFSET - out.Size());
    out.U32(count);
    out.U32(entries);
    out.U32(pool);
    out.U32(0); // not prepared
    uint32_t offset = 0;
    for (const TextRow& row : rows) {
        out.U32(row.id);
        out.U32(offset);
        offset += uint32_t(row.text.size()) + 1;
    }
    for (const TextRow& row : rows)
        out.String(row.text);
    return out.Bytes();
}
