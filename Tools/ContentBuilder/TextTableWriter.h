#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One text of a text table: its id and its UTF-8 text.
struct TextRow {
    uint32_t id;
    std::string text;
};

// The text id of a key: the id written as "0x" and eight hexadecimal digits,
// or the CRC-32 of the name.
uint32_t TextIdOfKey(const std::string& key);

// Reads the readable source of a text table, one text a line:
//   KEY<tab>text
// A key is a name, whose text id is the CRC-32 of the name ("ITEM_BERRIES_NAME"),
// or the id itself as "0x" and eight hexadecimal digits. In the text, "\n"
// stands for a line break, "\t" for a tab and "\\" for a backslash. Blank
// lines and lines starting with '#' are skipped. Throws ContentError naming
// `label` and the line for a line without a key and a tab, a bad escape, text
// that is not UTF-8, or an id given twice.
std::vector<TextRow> ReadTextSource(const std::string& source, const std::string& label);

// The text table file ("DK-L10n" 3.0) of the rows, sorted by id (unsigned).
std::vector<uint8_t> WriteTextTable(std::vector<TextRow> rows);
