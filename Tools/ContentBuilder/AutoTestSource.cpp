#include "AutoTestSource.h"

#include "ByteWriter.h"
#include "ContentError.h"

#include "Common/ActorIds.h"
#include "Common/IdHash.h"
#include "Common/ItemIds.h"
#include "Common/SceneIds.h"
#include "Hash/CoreCrc32.h"
#include "ScriptEngine/common/AutoTestRecording.h"
#include "ScriptEngine/common/EventDesc.h"

#include <charconv>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string_view>

namespace {

struct Parameter {
    int32_t type;
    int32_t value;
};

class RecordingParser {
public:
    explicit RecordingParser(std::string sourceName) : m_sourceName(std::move(sourceName)) { }

    void Line(const std::string& line, int number)
    {
        m_lineNumber = number;
        std::istringstream words(line.substr(0, line.find('#')));
        std::vector<std::string> tokens;
        for (std::string word; words >> word;)
            tokens.push_back(word);
        if (tokens.empty())
            return;
        const std::string& kind = tokens[0];
        if (kind == "scene") {
            Expect(tokens, 1);
            m_pScene = FindScene(tokens[1]);
            return;
        }
        std::vector<Parameter> parameters;
        TwEventType type = InvalidTwEventType;
        if (kind == "Activate" || kind == "Look" || kind == "Talk") {
            Expect(tokens, 1);
            type = kind == "Activate" ? TwEventType_Activate : kind == "Look" ? TwEventType_Look : TwEventType_Talk;
            parameters = {Scriptable(tokens[1])};
        } else if (kind == "UseItem") {
            Expect(tokens, 2);
            type = TwEventType_UseItem;
            parameters = {Scriptable(tokens[1]), Item(tokens[2])};
        } else if (kind == "Combine") {
            Expect(tokens, 2);
            type = TwEventType_Combine;
            parameters = {Item(tokens[1]), Item(tokens[2])};
        } else if (kind == "Map") {
            Expect(tokens, 1);
            type = TwEventType_Map;
            parameters = {{ID_PARAMETER_TYPE_INT, Integer(tokens[1], 0, 255)}};
        } else if (kind == "Dialog_AutoTest") {
            Expect(tokens, 1);
            type = TwEventType_Dialog_AutoTest;
            parameters = {{ID_PARAMETER_TYPE_INT, static_cast<int32_t>(TextId(tokens[1]))}};
        } else if (kind == "System") {
            if (tokens.size() > 2)
                Fail("System takes at most one number");
            type = TwEventType_System;
            if (tokens.size() == 2)
                parameters = {{ID_PARAMETER_TYPE_INT, Integer(tokens[1], INT32_MIN, INT32_MAX)}};
        } else {
            Fail("unknown event \"" + kind + "\"");
        }
        m_records.U32(static_cast<uint32_t>(type));
        m_records.U32(static_cast<uint32_t>(parameters.size()));
        for (size_t i = 0; i < EVENT_PARAMETERS_MAX; ++i)
            m_records.U32(i < parameters.size() ? static_cast<uint32_t>(parameters[i].type) : 0u);
        for (size_t i = 0; i < EVENT_PARAMETERS_MAX; ++i)
            m_records.U32(i < parameters.size() ? static_cast<uint32_t>(parameters[i].value) : 0u);
        ++m_count;
    }

    std::vector<uint8_t> File() const
    {
        ByteWriter out;
        out.U32(AUTOTEST_RECORDING_MAGIC);
        out.U32(m_count);
        std::vector<uint8_t> bytes = out.Bytes();
        bytes.insert(bytes.end(), m_records.Bytes().begin(), m_records.Bytes().end());
        return bytes;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw ContentError(m_sourceName + ":" + std::to_string(m_lineNumber) + ": " + what);
    }

    void Expect(const std::vector<std::string>& tokens, size_t count) const
    {
        if (tokens.size() != count + 1)
            Fail(tokens[0] + " takes " + std::to_string(count) + (count == 1 ? " word" : " words"));
    }

    const SceneDesc* FindScene(const std::string& name) const
    {
        for (const SceneDesc* const* row = Id::GetSceneRegistry(); *row != nullptr; ++row)
            if (name == (*row)->m_pName)
                return *row;
        Fail("no scene \"" + name + "\"");
    }

    int32_t Integer(const std::string& word, int64_t min, int64_t max) const
    {
        int64_t value = 0;
        const char* end = word.data() + word.size();
        const auto result = std::from_chars(word.data(), end, value);
        if (result.ec != std::errc() || result.ptr != end || value < min || value > max)
            Fail("bad number \"" + word + "\" (" + std::to_string(min) + " to " + std::to_string(max) + ")");
        return static_cast<int32_t>(value);
    }

    // An entity of the current scene by name (some start with a digit, such
    // as a lock's "1_4") or index, or an actor by name; "actor:" names the
    // actor where an entity bears the same name.
    Parameter Scriptable(const std::string& word) const
    {
        const std::string_view actorPrefix = "actor:";
        const bool bActorOnly = word.starts_with(actorPrefix);
        if (m_pScene != nullptr && !bActorOnly)
            for (int32_t index = 0; index < m_pScene->m_iNbObjects; ++index)
                if (word == m_pScene->m_ppObjectNames[index])
                    return {ID_PARAMETER_TYPE_SCRIPTABLE, index};
        if (std::isdigit(static_cast<unsigned char>(word[0])))
            return {ID_PARAMETER_TYPE_SCRIPTABLE, Integer(word, 0, INT32_MAX)};
        const uint32_t actorId = ActorIdOf(bActorOnly ? word.substr(actorPrefix.size()) : word);
        if (Id::GetActorIndex(actorId) >= 0)
            return {ID_PARAMETER_TYPE_SCRIPTABLE, static_cast<int32_t>(actorId)};
        Fail("\"" + word + "\" is neither an entity of the current scene nor an actor");
    }

    Parameter Item(const std::string& word) const
    {
        for (const ItemIdRow& row : Id::GetItemTable())
            if (word == row.m_pName)
                return {ID_PARAMETER_TYPE_ITEM, static_cast<int32_t>(row.m_uId)};
        Fail("no item \"" + word + "\"");
    }

    // A 0x id or a text key's name, whose CRC-32 is the id.
    uint32_t TextId(const std::string& word) const
    {
        if (word.rfind("0x", 0) != 0)
            return CoreCrc32Of(word);
        uint32_t value = 0;
        const char* end = word.data() + word.size();
        const auto result = std::from_chars(word.data() + 2, end, value, 16);
        if (word.size() < 3 || word.size() > 10 || result.ec != std::errc() || result.ptr != end)
            Fail("bad id \"" + word + "\"");
        return value;
    }

    std::string m_sourceName;
    int m_lineNumber = 0;
    const SceneDesc* m_pScene = nullptr;
    ByteWriter m_records;
    uint32_t m_count = 0;
};

} // namespace

std::vector<uint8_t> CompileAutoTestRecording(const std::string& text, const std::string& sourceName)
{
    RecordingParser parser(sourceName);
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);)
        parser.Line(line, ++number);
    return parser.File();
}

std::vector<uint8_t> CompileAutoTestRecordingFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw ContentError("cannot read " + path.string());
    std::ostringstream text;
    text << file.rdbuf();
    return CompileAutoTestRecording(text.str(), path.filename().string());
}
