// The names of people, places and ships in the sample texts are spelled one
// way: a name written with a letter more or less elsewhere (a ship called two
// ways in two scenes, a translation that respells a name it keeps) is a slip
// that a player reads as two things.
#include "Support/Files.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using LanguageTextTable = std::map<std::string, std::string>;

// Every text of a language's tables by "<file>/<key>".
LanguageTextTable ReadLanguageTexts(const fs::path& folder)
{
    LanguageTextTable texts;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".txt")
            continue;
        std::istringstream lines(TestSupport::ReadFileText(entry.path()));
        const std::string file = fs::relative(entry.path(), folder).generic_string();
        for (std::string line; std::getline(lines, line);) {
            const size_t tab = line.find('\t');
            if (line.empty() || line[0] == '#' || tab == std::string::npos)
                continue;
            texts[file + "/" + line.substr(0, tab)] = line.substr(tab + 1);
        }
    }
    return texts;
}

bool IsTextWordByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || byte >= 0x80;
}

// A lower-case letter or a comma: what a word inside a sentence follows.
bool PrecedesMidSentenceWord(char c)
{
    return (c >= 'a' && c <= 'z') || c == ',';
}

// The words of a text that start with a capital, with whether each stands
// inside a sentence (after a lower-case word), where a capital marks a name.
std::vector<std::pair<std::string, bool>> CapitalisedWords(const std::string& text)
{
    std::vector<std::pair<std::string, bool>> words;
    for (size_t i = 0; i < text.size();) {
        if (!IsTextWordByte(text[i])) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < text.size() && IsTextWordByte(text[end]))
            ++end;
        const bool afterLowerCase = i >= 2 && text[i - 1] == ' ' && PrecedesMidSentenceWord(text[i - 2]);
        if (text[i] >= 'A' && text[i] <= 'Z' && end - i >= 4)
            words.emplace_back(text.substr(i, end - i), afterLowerCase);
        i = end;
    }
    return words;
}

// One spelling is the other with one letter more, and not merely its plural
// or possessive (a name followed by more letters is another word).
bool DiffersByOneLetter(const std::string& a, const std::string& b)
{
    const std::string& shorter = a.size() < b.size() ? a : b;
    const std::string& longer = a.size() < b.size() ? b : a;
    if (longer.size() != shorter.size() + 1 || longer.compare(0, shorter.size(), shorter) == 0)
        return false;
    for (size_t i = 0; i < longer.size(); ++i)
        if (longer.substr(0, i) + longer.substr(i + 1) == shorter)
            return true;
    return false;
}

struct SampleLanguages {
    LanguageTextTable english;
    std::map<std::string, LanguageTextTable> translations;
};

SampleLanguages ReadSampleLanguages()
{
    SampleLanguages languages;
    for (const fs::directory_entry& entry : fs::directory_iterator(TestSupport::SourceDir() / "Content/Text")) {
        if (!entry.is_directory())
            continue;
        const std::string code = entry.path().filename().string();
        if (code == "en-GB")
            languages.english = ReadLanguageTexts(entry.path());
        else
            languages.translations[code] = ReadLanguageTexts(entry.path());
    }
    return languages;
}

TEST(SampleTextNamesTest, EveryNameIsSpelledOneWayInEveryLanguage)
{
    const SampleLanguages languages = ReadSampleLanguages();
    ASSERT_FALSE(languages.english.empty());
    ASSERT_EQ(languages.translations.size(), 4u);

    // The names of the English texts, where a capital inside a sentence
    // marks one; no two of them are one spelling and a slip of it.
    std::map<std::string, std::string> names;
    for (const auto& [key, text] : languages.english)
        for (const auto& [word, insideSentence] : CapitalisedWords(text))
            if (insideSentence)
                names.emplace(word, key);
    for (auto a = names.begin(); a != names.end(); ++a)
        for (auto b = std::next(a); b != names.end(); ++b)
            EXPECT_FALSE(DiffersByOneLetter(a->first, b->first))
                << a->first << " (" << a->second << ") and " << b->first << " (" << b->second << ")";

    // A translation that keeps a name keeps its spelling: the same line
    // holds no slip of a name the language writes elsewhere as it is.
    for (const auto& [code, texts] : languages.translations) {
        std::set<std::string> kept;
        for (const auto& [key, text] : texts)
            for (const auto& [word, insideSentence] : CapitalisedWords(text))
                if (names.count(word) != 0)
                    kept.insert(word);
        for (const auto& [key, text] : languages.english) {
            const auto translated = texts.find(key);
            if (translated == texts.end())
                continue;
            for (const auto& [name, insideSentence] : CapitalisedWords(text))
                for (const auto& [word, alsoInside] : CapitalisedWords(translated->second))
                    EXPECT_FALSE(kept.count(name) != 0 && DiffersByOneLetter(name, word))
                        << code << " " << key << ": " << word << " for " << name;
        }
    }
}

} // namespace
