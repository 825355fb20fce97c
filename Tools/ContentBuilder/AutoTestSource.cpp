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
#include <optional>
#include <sstream>
#include <string_view>

namespace {

// The whole of a source file; nothing when it is no file or cannot be read.
std::optional<std::string> ReadSourceText(const std::filesystem::path& path)
{
    std::error_code error;
    std::ifstream file(path, std::ios::binary);
    if (!std::filesystem::is_regular_file(path, error) || !file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

struct Parameter {
    int32_t type;
    int32_t value;
};

// Where a source's line is: its file and line number, and the source that
// included it (none for the first).
struct SourcePlace {
    std::string name;
    int line;
    const SourcePlace* pIncluder;
};

class RecordingParser {
public:
    explicit RecordingParser(std::filesystem::path folder) : m_folder(std::move(folder)) { }

    // The source's lines in order, included from the current line if any.
    void Source(const std::string& text, const std::string& sourceName)
    {
        SourcePlace place {sourceName, 0, m_pPlace};
        const SourcePlace* pOuter = m_pPlace;
        m_pPlace = &place;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            ++place.line;
            Line(line);
        }
        m_pPlace = pOuter;
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
    void Line(const std::string& line)
    {
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
        if (kind == "include") {
            Expect(tokens, 1);
            Include(tokens[1]);
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
        } else if (kind == "Wait") {
            Expect(tokens, 1);
            type = AUTOTEST_WAIT;
            parameters = {{ID_PARAMETER_TYPE_INT, Integer(tokens[1], 0, INT32_MAX)}};
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

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw ContentError(m_pPlace->name + ":" + std::to_string(m_pPlace->line) + ": " + what);
    }

    // Another source of the same folder, played at this point; only a plain
    // file name, so that a source reads nothing outside its folder.
    void Include(const std::string& name)
    {
        if (name == "." || name == ".." || name.find('/') != std::string::npos)
            Fail("include takes a file name of the same folder, not \"" + name + "\"");
        for (const SourcePlace* place = m_pPlace; place != nullptr; place = place->pIncluder)
            if (place->name == name)
                Fail("\"" + name + "\" includes itself");
        const std::optional<std::string> text = ReadSourceText(m_folder / name);
        if (!text)
            Fail("cannot read \"" + name + "\"");
        Source(*text, name);
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

    std::filesystem::path m_folder;
    const SourcePlace* m_pPlace = nullptr;
    const SceneDesc* m_pScene = nullptr;
    ByteWriter m_records;
    uint32_t m_count = 0;
};

} // namespace

std::vector<uint8_t> CompileAutoTestRecording(const std::string& text, const std::string& sourceName,
                                              const std::filesystem::path& folder)
{
    RecordingParser parser(folder);
    parser.Source(text, sourceName);
    return parser.File();
}

std::vector<uint8_t> CompileAutoTestRecordingFile(const std::filesystem::path& path)
{
    const std::optional<std::string> text = ReadSourceText(path);
    if (!text)
        throw ContentError("cannot read " + path.string());
    return CompileAutoTestRecording(*text, path.filename().string(), path.parent_path());
}
