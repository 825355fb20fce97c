#include "SoundPackDescription.h"

#include "SoundSamples.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace {

constexpr uint32_t SAMPLE_RATE = 22050;
constexpr size_t NAME_FIELD = 64;

template <typename Table>
int FindByName(const Table& table, const std::string& name)
{
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].name == name)
            return static_cast<int>(i);
    return -1;
}

bool ParseNumber(const std::string& text, double& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

class DescriptionParser {
public:
    explicit DescriptionParser(SoundPackDesc& pack) : m_oPack(pack) {}

    // Parses one line split into words; returns the reason on failure.
    std::string Line(const std::vector<std::string>& words)
    {
        const std::string& keyword = words[0];
        if (keyword == "category")
            return Category(words);
        if (keyword == "bank")
            return Bank(words);
        if (keyword == "wave")
            return Wave(words);
        if (keyword == "cue")
            return Cue(words);
        return "unknown keyword \"" + keyword + "\"";
    }

private:
    std::string Category(const std::vector<std::string>& words)
    {
        if (words.size() < 3 || words.size() > 4)
            return "expected: category <name> <parent|-> [<volume dB>]";
        SoundCategoryDesc category { words[1], 0xFFFF, 0.0 };
        if (words[2] != "-") {
            const int parent = FindByName(m_oPack.categories, words[2]);
            if (parent < 0)
                return "unknown parent category \"" + words[2] + "\"";
            category.parent = static_cast<uint16_t>(parent);
        } else if (!m_oPack.categories.empty()) {
            return "only the first category is the root";
        }
        if (words.size() == 4 && !ParseNumber(words[3], category.volumeDb))
            return "bad volume \"" + words[3] + "\"";
        m_oPack.categories.push_back(category);
        return {};
    }

    std::string Bank(const std::vector<std::string>& words)
    {
        if (words.size() != 3 || (words[2] != "memory" && words[2] != "stream"))
            return "expected: bank <name> memory|stream";
        if (words[1].size() >= NAME_FIELD || FindByName(m_oPack.banks, words[1]) >= 0)
            return "bank name too long or used twice";
        if (m_oPack.banks.size() == 255)
            return "too many banks";
        m_oPack.banks.push_back({ words[1], words[2] == "stream", {} });
        return {};
    }

    std::string Wave(const std::vector<std::string>& words)
    {
        if (words.size() < 5)
            return "expected: wave <bank> <name> tone <Hz>:<ms>... | noise <ms>";
        const int bank = FindByName(m_oPack.banks, words[1]);
        if (bank < 0)
            return "unknown bank \"" + words[1] + "\"";
        WaveBankDesc& waveBank = m_oPack.banks[bank];
        if (FindByName(waveBank.waves, words[2]) >= 0 || waveBank.waves.size() == 0xFFFF)
            return "wave used twice or bank full";
        WaveDesc wave { words[2], SAMPLE_RATE, {} };
        if (words[3] == "tone") {
            std::vector<ToneStep> steps;
            for (size_t i = 4; i < words.size(); ++i) {
                const size_t colon = words[i].find(':');
                double frequency = 0;
                double milliseconds = 0;
                if (colon == std::string::npos || !ParseNumber(words[i].substr(0, colon), frequency)
                    || !ParseNumber(words[i].substr(colon + 1), milliseconds) || frequency < 0 || milliseconds <= 0)
                    return "bad tone step \"" + words[i] + "\"";
                steps.push_back({ frequency, static_cast<uint32_t>(milliseconds) });
            }
            wave.samples = ToneSequence(steps, SAMPLE_RATE);
        } else if (words[3] == "noise" && words.size() == 5) {
            double milliseconds = 0;
            if (!ParseNumber(words[4], milliseconds) || milliseconds <= 0)
                return "bad noise length \"" + words[4] + "\"";
            wave.samples = SoftNoise(static_cast<uint32_t>(milliseconds), SAMPLE_RATE);
        } else {
            return "unknown wave generator \"" + words[3] + "\"";
        }
        if (wave.samples.empty())
            return "empty wave";
        waveBank.waves.push_back(std::move(wave));
        return {};
    }

    std::string Cue(const std::vector<std::string>& words)
    {
        if (words.size() < 5)
            return "expected: cue <name> <category> <bank> <wave> [loop] [volume <dB>]";
        const int category = FindByName(m_oPack.categories, words[2]);
        const int bank = FindByName(m_oPack.banks, words[3]);
        if (category < 0 || bank < 0)
            return "unknown category or bank";
        const int wave = FindByName(m_oPack.banks[bank].waves, words[4]);
        if (wave < 0)
            return "unknown wave \"" + words[4] + "\"";
        if (FindByName(m_oPack.cues, words[1]) >= 0 || m_oPack.cues.size() == 0xFFFE)
            return "cue used twice or too many cues";
        CueDesc cue { words[1], static_cast<uint16_t>(category), static_cast<uint8_t>(bank),
                      static_cast<uint16_t>(wave), false, 0.0 };
        for (size_t i = 5; i < words.size(); ++i) {
            if (words[i] == "loop")
                cue.loop = true;
            else if (words[i] == "volume" && i + 1 < words.size() && ParseNumber(words[i + 1], cue.volumeDb))
                ++i;
            else
                return "unknown cue option \"" + words[i] + "\"";
        }
        m_oPack.cues.push_back(cue);
        return {};
    }

    SoundPackDesc& m_oPack;
};

} // namespace

bool ReadSoundPackDescription(const std::filesystem::path& path, SoundPackDesc& pack, std::string& error)
{
    std::ifstream file(path);
    if (!file) {
        error = path.string() + ": cannot open";
        return false;
    }
    pack = {};
    DescriptionParser parser(pack);
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        const size_t comment = line.find('#');
        if (comment != std::string::npos)
            line.erase(comment);
        std::istringstream stream(line);
        std::vector<std::string> words;
        for (std::string word; stream >> word;)
            words.push_back(word);
        if (words.empty())
            continue;
        const std::string reason = parser.Line(words);
        if (!reason.empty()) {
            error = path.string() + ":" + std::to_string(number) + ": " + reason;
            return false;
        }
    }
    if (pack.categories.empty() || pack.cues.empty()) {
        error = path.string() + ": needs at least one category and one cue";
        return false;
    }
    return true;
}
