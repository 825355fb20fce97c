#pragma once
#include "Common/VarIds.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace TestSupport {

// Lays out dialogs files word by word, independently of the content builder,
// so that tests can make well-formed files and then break them. A condition
// is its words in file order; a node is its type, condition, payload and
// children.
struct HandMadeDialogNode {
    uint32_t type = 0;
    std::vector<uint32_t> condition;
    std::vector<uint32_t> payload;
    std::vector<HandMadeDialogNode> children;

    HandMadeDialogNode If(std::vector<uint32_t> words) const
    {
        HandMadeDialogNode node = *this;
        node.condition = std::move(words);
        return node;
    }
};

namespace HandMadeDialog {

using Node = HandMadeDialogNode;
using Nodes = std::vector<HandMadeDialogNode>;

inline Node Root(Nodes children = {})
{
    return {1, {}, {}, std::move(children)};
}
inline Node Choice(Nodes children)
{
    return {2, {}, {}, std::move(children)};
}
inline Node Proposition(uint32_t textId, Nodes children = {})
{
    return {3, {}, {textId}, std::move(children)};
}
// Speaker, text id and mood, in file order.
inline Node Sentence(uint32_t textId, uint32_t speaker = 0x80000001u, uint32_t mood = 0)
{
    return {4, {}, {speaker, textId, mood}, {}};
}
inline Node SetBool(int varId, uint32_t value)
{
    return {5, {}, {2, Id::GetVarBoolHash(varId), value}, {}};
}
inline Node SetInt(int varId, uint32_t value)
{
    return {5, {}, {3, Id::GetVarIntHash(varId), value}, {}};
}
inline Node Callback(uint32_t id)
{
    return {5, {}, {4, id}, {}};
}
inline Node LeaveChoice()
{
    return {6, {}, {0}, {}};
}
inline Node End()
{
    return {6, {}, {1}, {}};
}

inline std::vector<uint32_t> Bool(int varId, uint32_t value, uint32_t op = 10)
{
    return {op, Id::GetVarBoolHash(varId), value};
}
inline std::vector<uint32_t> Int(int varId, uint32_t op, uint32_t value)
{
    return {op, Id::GetVarIntHash(varId), value};
}
inline std::vector<uint32_t> Logic(uint32_t op, const std::vector<uint32_t>& a, const std::vector<uint32_t>& b = {})
{
    std::vector<uint32_t> words = {op};
    words.insert(words.end(), a.begin(), a.end());
    words.insert(words.end(), b.begin(), b.end());
    return words;
}

} // namespace HandMadeDialog

class HandMadeDialogs {
public:
    // A dialog; its key names the next root unless a root index is given.
    void Add(uint32_t key, HandMadeDialogNode root) { m_dialogs.push_back({key, std::move(root)}); }
    void SetRootIndex(size_t dialog, uint32_t root) { m_rootIndices.push_back({dialog, root}); }

    std::string name = "test";
    uint16_t major = 2;
    uint16_t minor = 0;
    uint32_t chunkSize = 0;

    std::vector<uint8_t> Bytes() const
    {
        std::vector<uint8_t> bytes = {'d', 'i', 'a', 'l', 'o', 'g', 's', 0};
        bytes.push_back(uint8_t(major));
        bytes.push_back(uint8_t(major >> 8));
        bytes.push_back(uint8_t(minor));
        bytes.push_back(uint8_t(minor >> 8));
        std::string field = name;
        field.resize(16, '\0');
        bytes.insert(bytes.end(), field.begin(), field.end());
        Chunk(bytes, "DTOC");
        Put(bytes, uint32_t(m_dialogs.size()));
        Chunk(bytes, "DKEY");
        for (size_t i = 0; i < m_dialogs.size(); ++i) {
            Put(bytes, m_dialogs[i].first);
            uint32_t root = uint32_t(i);
            for (const auto& [dialog, index] : m_rootIndices)
                if (dialog == i)
                    root = index;
            Put(bytes, root);
        }
        Chunk(bytes, "DDAT");
        for (const auto& dialog : m_dialogs)
            PutNode(bytes, dialog.second);
        return bytes;
    }

    static void Put(std::vector<uint8_t>& bytes, uint32_t word)
    {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(uint8_t(word >> shift));
    }

private:
    void Chunk(std::vector<uint8_t>& bytes, const char* id) const
    {
        bytes.insert(bytes.end(), id, id + 4);
        Put(bytes, chunkSize);
    }
    static void PutNode(std::vector<uint8_t>& bytes, const HandMadeDialogNode& node)
    {
        Put(bytes, node.type);
        Put(bytes, node.condition.empty() ? 0 : 1);
        for (uint32_t word : node.condition)
            Put(bytes, word);
        for (uint32_t word : node.payload)
            Put(bytes, word);
        Put(bytes, uint32_t(node.children.size()));
        for (const HandMadeDialogNode& child : node.children)
            PutNode(bytes, child);
    }

    std::vector<std::pair<uint32_t, HandMadeDialogNode>> m_dialogs;
    std::vector<std::pair<size_t, uint32_t>> m_rootIndices;
};

} // namespace TestSupport
