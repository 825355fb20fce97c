#include "DialogSource.h"

#include "Common/ActorIds.h"
#include "Common/CharacterIds.h"
#include "Common/VarIds.h"
#include "ContentError.h"
#include "Dialogs/Common/DialogFormat.h"
#include "Dialogs/Common/DialogNode.h"
#include "Hash/CoreCrc32.h"
#include "ScriptEngine/common/MatchExpression.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>

namespace {

enum class Kind {
    Dialog,
    Choice,
    Option,
    Say,
    Set,
    Callback,
    Leave,
    End
};

struct OpenNode {
    size_t indent;
    Kind kind;
    DialogSourceNode* node;
};

struct KindName {
    const char* word;
    Kind kind;
};

constexpr KindName KINDS[] = {
    {"dialog", Kind::Dialog}, {"choice", Kind::Choice},     {"option", Kind::Option}, {"say", Kind::Say},
    {"set", Kind::Set},       {"callback", Kind::Callback}, {"leave", Kind::Leave},   {"end", Kind::End},
};

struct Comparison {
    const char* token;
    uint32_t intOp;
};

constexpr Comparison COMPARISONS[] = {
    {"<", Op_IntLess},    {"==", Op_IntEqual},    {"<=", Op_IntLessEqual},
    {">", Op_IntGreater}, {"!=", Op_IntNotEqual}, {">=", Op_IntGreaterEqual},
};

std::vector<std::string> SplitWords(const std::string& text)
{
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

// Condition tokens: parentheses, runs of comparison characters, and words.
std::vector<std::string> SplitConditionTokens(const std::string& text)
{
    std::vector<std::string> tokens;
    const auto isOperator = [](char c) { return c == '<' || c == '>' || c == '=' || c == '!'; };
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        size_t end = i + 1;
        if (c == ' ' || c == '\t') {
            ++i;
            continue;
        }
        if (isOperator(c)) {
            while (end < text.size() && isOperator(text[end]))
                ++end;
        } else if (c != '(' && c != ')') {
            while (end < text.size() && !isOperator(text[end]) && text[end] != '(' && text[end] != ')' &&
                   text[end] != ' ' && text[end] != '\t')
                ++end;
        }
        tokens.push_back(text.substr(i, end - i));
        i = end;
    }
    return tokens;
}

int FindVariable(const std::string& name, const char* (*getName)(int), int count)
{
    for (int i = 0; i < count; ++i)
        if (name == getName(i))
            return i;
    return -1;
}

class SourceParser {
public:
    SourceParser(const std::string& sourceName, const std::string& groupName) : m_sSource(sourceName)
    {
        m_oGroup.name = groupName;
    }

    void Line(int lineNumber, std::string text)
    {
        m_iLine = lineNumber;
        text = text.substr(0, text.find('#'));
        const size_t indent = text.find_first_not_of(' ');
        if (indent == std::string::npos)
            return;
        if (text[indent] == '\t')
            Fail("indent with spaces, not tabs");
        std::vector<std::string> words = SplitWords(text);
        std::string condition;
        for (size_t i = 0; i < words.size(); ++i) {
            if (words[i] != "if")
                continue;
            for (size_t j = i + 1; j < words.size(); ++j)
                condition += words[j] + " ";
            words.resize(i);
            if (condition.empty())
                Fail("\"if\" without a condition");
            break;
        }
        if (words.empty())
            Fail("a condition needs a node");
        AddNode(indent, words, condition);
    }

    DialogSourceGroup Finish()
    {
        if (m_oGroup.dialogs.empty())
            throw ContentError(m_sSource + ": no dialog");
        return std::move(m_oGroup);
    }

private:
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw ContentError(m_sSource + ":" + std::to_string(m_iLine) + ": " + what);
    }

    void Expect(const std::vector<std::string>& words, size_t least, size_t most, const char* form) const
    {
        if (words.size() < least || words.size() > most)
            Fail(std::string("expected: ") + form);
    }

    void AddNode(size_t indent, const std::vector<std::string>& words, const std::string& condition)
    {
        Kind kind = Kind::Dialog;
        bool known = false;
        for (const KindName& name : KINDS)
            if (words[0] == name.word) {
                kind = name.kind;
                known = true;
            }
        if (!known)
            Fail("unknown keyword \"" + words[0] + "\"");

        while (!m_vOpen.empty() && m_vOpen.back().indent >= indent)
            m_vOpen.pop_back();
        DialogSourceNode* node = kind == Kind::Dialog ? NewDialog(indent, words) : NewChild(kind, words);
        if (!condition.empty()) {
            std::vector<std::string> tokens = SplitConditionTokens(condition);
            size_t position = 0;
            node->condition = ParseOr(tokens, position);
            if (position != tokens.size())
                Fail("unexpected \"" + tokens[position] + "\" in the condition");
            if (Depth(node->condition) > MAX_DIALOG_CONDITION_DEPTH)
                Fail("the condition nests deeper than " + std::to_string(MAX_DIALOG_CONDITION_DEPTH));
            node->hasCondition = true;
        }
        m_vOpen.push_back({indent, kind, node});
    }

    DialogSourceNode* NewDialog(size_t indent, const std::vector<std::string>& words)
    {
        Expect(words, 2, 2, "dialog <key>");
        if (indent != 0)
            Fail("a dialog starts at the beginning of its line");
        const uint32_t key = ParseId(words[1]);
        for (const DialogSourceDialog& dialog : m_oGroup.dialogs)
            if (dialog.key == key)
                Fail("dialog " + words[1] + " is defined twice");
        m_oGroup.dialogs.push_back({key, {}});
        DialogSourceNode& root = m_oGroup.dialogs.back().root;
        root.type = DialogNode::DLG_ROOT;
        return &root;
    }

    DialogSourceNode* NewChild(Kind kind, const std::vector<std::string>& words)
    {
        if (m_vOpen.empty())
            Fail("\"" + words[0] + "\" outside a dialog");
        const OpenNode& parent = m_vOpen.back();
        if (parent.kind != Kind::Dialog && parent.kind != Kind::Choice && parent.kind != Kind::Option)
            Fail("only a dialog, a choice or an option holds further lines");
        if ((parent.kind == Kind::Choice) != (kind == Kind::Option))
            Fail("a choice holds options, and options stand only in a choice");
        if (m_vOpen.size() >= MAX_DIALOG_NODE_DEPTH)
            Fail("lines nest deeper than " + std::to_string(MAX_DIALOG_NODE_DEPTH));
        if (kind == Kind::Option && parent.node->children.size() >= MAX_OFFERED_PROPOSITIONS)
            Fail("a choice offers at most " + std::to_string(MAX_OFFERED_PROPOSITIONS) + " options");

        DialogSourceNode node;
        switch (kind) {
        case Kind::Choice:
            Expect(words, 1, 1, "choice");
            node.type = DialogNode::DLG_CHOICE;
            break;
        case Kind::Option:
            Expect(words, 2, 2, "option <text>");
            if (++m_iPropositions > MAX_PROPOSITION_PER_DIALOG_GROUP)
                Fail("a group holds at most " + std::to_string(MAX_PROPOSITION_PER_DIALOG_GROUP) + " options");
            node.type = DialogNode::DLG_PROPOSITION;
            node.payload = {ParseId(words[1])};
            break;
        case Kind::Say:
            Expect(words, 3, 4, "say <speaker> <text> [<mood>]");
            node.type = DialogNode::DLG_SENTENCE;
            node.payload = {ParseActor(words[1]), ParseId(words[2]), words.size() == 4 ? ParseMood(words[3]) : 0};
            break;
        case Kind::Set:
            Expect(words, 3, 3, "set <variable> <value>");
            node = SetNode(words[1], words[2]);
            break;
        case Kind::Callback:
            Expect(words, 2, 2, "callback <id>");
            node.type = DialogNode::DLG_ACTION;
            node.payload = {DialogNode::DLG_ACTION_CALLBACK, ParseId(words[1])};
            break;
        default:
            Expect(words, 1, 1, kind == Kind::Leave ? "leave" : "end");
            node.type = DialogNode::DLG_JUMP;
            node.payload = {kind == Kind::Leave ? DialogNode::DLG_JUMP_LEAVE_CHOICE : DialogNode::DLG_JUMP_END};
            break;
        }
        parent.node->children.push_back(std::move(node));
        return &parent.node->children.back();
    }

    DialogSourceNode SetNode(const std::string& variable, const std::string& value)
    {
        DialogSourceNode node;
        node.type = DialogNode::DLG_ACTION;
        const int boolId = FindVariable(variable, Id::GetVarBoolName, VARBOOL_LAST);
        if (boolId >= 0) {
            node.payload = {DialogNode::DLG_ACTION_SET_BOOL, Id::GetVarBoolHash(boolId), ParseBool(value)};
            return node;
        }
        const int intId = FindVariable(variable, Id::GetVarIntName, VARINT_LAST);
        if (intId < 0)
            Fail("unknown variable \"" + variable + "\"");
        node.payload = {DialogNode::DLG_ACTION_SET_INT, Id::GetVarIntHash(intId), ParseValue(value)};
        return node;
    }

    // or and xor bind least and group from the left, then and, then not.
    DialogSourceCondition ParseOr(const std::vector<std::string>& tokens, size_t& position)
    {
        DialogSourceCondition left = ParseAnd(tokens, position);
        while (position < tokens.size() && (tokens[position] == "or" || tokens[position] == "xor")) {
            const uint32_t op = tokens[position++] == "or" ? Op_Or : Op_Xor;
            left = Combine(op, std::move(left), ParseAnd(tokens, position));
        }
        return left;
    }

    DialogSourceCondition ParseAnd(const std::vector<std::string>& tokens, size_t& position)
    {
        DialogSourceCondition left = ParseFactor(tokens, position);
        while (position < tokens.size() && tokens[position] == "and") {
            ++position;
            left = Combine(Op_And, std::move(left), ParseFactor(tokens, position));
        }
        return left;
    }

    static DialogSourceCondition Combine(uint32_t op, DialogSourceCondition left, DialogSourceCondition right)
    {
        DialogSourceCondition combined;
        combined.op = op;
        combined.operands.push_back(std::move(left));
        combined.operands.push_back(std::move(right));
        return combined;
    }

    // Records nested in one another, the top one counted.
    static int Depth(const DialogSourceCondition& condition)
    {
        int deepest = 0;
        for (const DialogSourceCondition& operand : condition.operands)
            deepest = std::max(deepest, Depth(operand));
        return deepest + 1;
    }

    DialogSourceCondition ParseFactor(const std::vector<std::string>& tokens, size_t& position)
    {
        if (position >= tokens.size())
            Fail("the condition ends too early");
        const std::string& token = tokens[position++];
        if (token == "not") {
            DialogSourceCondition negation;
            negation.op = Op_Not;
            negation.operands.push_back(ParseFactor(tokens, position));
            return negation;
        }
        if (token == "(") {
            DialogSourceCondition inner = ParseOr(tokens, position);
            if (position >= tokens.size() || tokens[position] != ")")
                Fail("a \"(\" without its \")\"");
            ++position;
            return inner;
        }
        return ParseComparison(token, tokens, position);
    }

    DialogSourceCondition ParseComparison(const std::string& variable, const std::vector<std::string>& tokens,
                                          size_t& position)
    {
        DialogSourceCondition comparison;
        const int boolId = FindVariable(variable, Id::GetVarBoolName, VARBOOL_LAST);
        if (boolId >= 0) {
            comparison.variableHash = Id::GetVarBoolHash(boolId);
            comparison.op = Op_BoolEqual;
            comparison.value = 1;
            if (position < tokens.size() && (tokens[position] == "==" || tokens[position] == "!=")) {
                comparison.op = tokens[position++] == "==" ? Op_BoolEqual : Op_BoolNotEqual;
                if (position >= tokens.size())
                    Fail("the condition ends too early");
                comparison.value = ParseBool(tokens[position++]);
            }
            return comparison;
        }
        const int intId = FindVariable(variable, Id::GetVarIntName, VARINT_LAST);
        if (intId < 0)
            Fail("unknown variable \"" + variable + "\"");
        comparison.variableHash = Id::GetVarIntHash(intId);
        if (position + 1 >= tokens.size())
            Fail("expected: " + variable + " <comparison> <value>");
        const std::string& op = tokens[position++];
        bool known = false;
        for (const Comparison& candidate : COMPARISONS)
            if (op == candidate.token) {
                comparison.op = candidate.intOp;
                known = true;
            }
        if (!known)
            Fail("unknown comparison \"" + op + "\"");
        comparison.value = ParseValue(tokens[position++]);
        return comparison;
    }

    // A 0x id of up to eight hexadecimal digits, or a name whose CRC-32 is
    // the id (as text keys are written).
    uint32_t ParseId(const std::string& word) const
    {
        if (word.rfind("0x", 0) != 0) {
            if (!std::isalpha(static_cast<unsigned char>(word[0])) && word[0] != '_')
                Fail("bad id \"" + word + "\": a name begins with a letter, a number with 0x");
            return CoreCrc32Of(word);
        }
        uint32_t value = 0;
        const char* end = word.data() + word.size();
        const auto result = std::from_chars(word.data() + 2, end, value, 16);
        if (word.size() < 3 || word.size() > 10 || result.ec != std::errc() || result.ptr != end)
            Fail("bad id \"" + word + "\"");
        return value;
    }

    // Only the low 16 bits of a value count, as a signed number.
    uint32_t ParseValue(const std::string& word) const
    {
        int value = 0;
        const char* end = word.data() + word.size();
        const auto result = std::from_chars(word.data(), end, value);
        if (result.ec != std::errc() || result.ptr != end || value < INT16_MIN || value > INT16_MAX)
            Fail("bad value \"" + word + "\" (-32768 to 32767)");
        return static_cast<uint32_t>(value);
    }

    uint32_t ParseBool(const std::string& word) const
    {
        if (word != "true" && word != "false")
            Fail("expected true or false, not \"" + word + "\"");
        return word == "true" ? 1 : 0;
    }

    uint32_t ParseActor(const std::string& name) const
    {
        for (const ActorIdRow& row : Id::GetActorTable())
            if (name == row.m_pName)
                return row.m_uId;
        Fail("unknown actor \"" + name + "\"");
    }

    uint32_t ParseMood(const std::string& name) const
    {
        for (int mood = 0; mood < MOOD_COUNT; ++mood)
            if (name == Id::GetMoodName(mood))
                return static_cast<uint32_t>(mood);
        Fail("unknown mood \"" + name + "\"");
    }

    std::string m_sSource;
    int m_iLine = 0;
    int m_iPropositions = 0;
    DialogSourceGroup m_oGroup;
    std::vector<OpenNode> m_vOpen;
};

} // namespace

DialogSourceGroup ParseDialogSource(const std::string& text, const std::string& sourceName,
                                    const std::string& groupName)
{
    SourceParser parser(sourceName, groupName);
    std::istringstream stream(text);
    int lineNumber = 0;
    for (std::string line; std::getline(stream, line);)
        parser.Line(++lineNumber, line);
    return parser.Finish();
}

DialogSourceGroup ReadDialogSource(const std::filesystem::path& path, const std::string& groupName)
{
    std::ifstream file(path);
    if (!file)
        throw ContentError(path.string() + ": cannot be read");
    std::ostringstream text;
    text << file.rdbuf();
    return ParseDialogSource(text.str(), path.filename().string(), groupName);
}
