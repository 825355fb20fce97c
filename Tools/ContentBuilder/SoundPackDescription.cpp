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
    explicit DescriptionParser(SoundPackDesc& pack) : m_oPack(pack) { }

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
        if (keyword == "groupwave")
            return GroupWave(words);
        if (keyword == "sound" && words.size() > 1)
            return Sound(words);
        if (keyword == "default")
            return Default(words);
        return "unknown keyword \"" + keyword + "\"";
    }

private:
    std::string Category(const std::vector<std::string>& words)
    {
        if (words.size() < 3 || words.size() > 4)
            return "expected: category <name> <parent|-> [<volume dB>]";
        SoundCategoryDesc category {words[1], 0xFFFF, 0.0};
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
        m_oPack.banks.push_back({words[1], words[2] == "stream", {}});
        return {};
    }

    // The wave generator from words[first] on: "tone <Hz>:<ms>..." or
    // "noise <ms>".
    static std::string WaveSource(const std::vector<std::string>& words, size_t first, WaveDesc& wave)
    {
        wave.sampleRate = SAMPLE_RATE;
        if (first >= words.size())
            return "expected: tone <Hz>:<ms>... | noise <ms>";
        if (words[first] == "tone") {
            std::vector<ToneStep> steps;
            for (size_t i = first + 1; i < words.size(); ++i) {
                const size_t colon = words[i].find(':');
                double frequency = 0;
                double milliseconds = 0;
                if (colon == std::string::npos || !ParseNumber(words[i].substr(0, colon), frequency) ||
                    !ParseNumber(words[i].substr(colon + 1), milliseconds) || frequency < 0 || milliseconds <= 0)
                    return "bad tone step \"" + words[i] + "\"";
                steps.push_back({frequency, static_cast<uint32_t>(milliseconds)});
            }
            wave.samples = ToneSequence(steps, SAMPLE_RATE);
        } else if (words[first] == "noise" && words.size() == first + 2) {
            double milliseconds = 0;
            if (!ParseNumber(words[first + 1], milliseconds) || milliseconds <= 0)
                return "bad noise length \"" + words[first + 1] + "\"";
            wave.samples = SoftNoise(static_cast<uint32_t>(milliseconds), SAMPLE_RATE);
        } else {
            return "unknown wave generator \"" + words[first] + "\"";
        }
        return wave.samples.empty() ? "empty wave" : "";
    }

    std::string Wave(const std::vector<std::string>& words)
    {
        if (words.size() < 4)
            return "expected: wave <bank> <name> tone <Hz>:<ms>... | noise <ms>";
        const int bank = FindByName(m_oPack.banks, words[1]);
        if (bank < 0)
            return "unknown bank \"" + words[1] + "\"";
        WaveBankDesc& waveBank = m_oPack.banks[bank];
        if (FindByName(waveBank.waves, words[2]) >= 0 || waveBank.waves.size() == 0xFFFF)
            return "wave used twice or bank full";
        WaveDesc wave {words[2], SAMPLE_RATE, {}};
        const std::string error = WaveSource(words, 3, wave);
        if (error.empty())
            waveBank.waves.push_back(std::move(wave));
        return error;
    }

    std::string GroupWave(const std::vector<std::string>& words)
    {
        m_oPack.groupWave.name = "group";
        return WaveSource(words, 1, m_oPack.groupWave);
    }

    // "<category> <bank> <wave> [loop] [volume <dB>]" from words[first] on.
    std::string CueFrom(const std::vector<std::string>& words, size_t first, CueDesc& cue)
    {
        if (words.size() < first + 3)
            return "expected: <category> <bank> <wave> [loop] [volume <dB>]";
        const int category = FindByName(m_oPack.categories, words[first]);
        const int bank = FindByName(m_oPack.banks, words[first + 1]);
        if (category < 0 || bank < 0)
            return "unknown category or bank";
        const int wave = FindByName(m_oPack.banks[bank].waves, words[first + 2]);
        if (wave < 0)
            return "unknown wave \"" + words[first + 2] + "\"";
        cue = {"", static_cast<uint16_t>(category), static_cast<uint8_t>(bank), static_cast<uint16_t>(wave), false,
               0.0};
        for (size_t i = first + 3; i < words.size(); ++i) {
            if (words[i] == "loop")
                cue.loop = true;
            else if (words[i] == "volume" && i + 1 < words.size() && ParseNumber(words[i + 1], cue.volumeDb))
                ++i;
            else
                return "unknown cue option \"" + words[i] + "\"";
        }
        return {};
    }

    std::string Sound(const std::vector<std::string>& words)
    {
        SoundBinding binding {};
        const char* end = words[1].data() + words[1].size();
        const bool hex = words[1].rfind("0x", 0) == 0;
        if (!hex || std::from_chars(words[1].data() + 2, end, binding.soundId, 16).ptr != end)
            return "expected: sound 0x<sound id> <category> <bank> <wave> [loop] [volume <dB>]";
        for (const SoundBinding& other : m_oPack.bindings)
            if (other.soundId == binding.soundId)
                return "sound bound twice";
        const std::string error = CueFrom(words, 2, binding.cue);
        if (error.empty())
            m_oPack.bindings.push_back(binding);
        return error;
    }

    std::string Default(const std::vector<std::string>& words)
    {
        m_oPack.hasDefaultCue = true;
        return CueFrom(words, 1, m_oPack.defaultCue);
    }

    SoundPackDesc& m_oPack;
};

} // namespace

bool ReadSoundPackDescription(const std::vector<std::filesystem::path>& paths, SoundPackDesc& pack, std::string& error)
{
    pack = {};
    DescriptionParser parser(pack);
    for (const std::filesystem::path& path : paths) {
        std::ifstream file(path);
        if (!file) {
            error = path.string() + ": cannot open";
            return false;
        }
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
    }
    if (pack.categories.empty() || !pack.hasDefaultCue || pack.groupWave.samples.empty()) {
        error = (paths.empty() ? std::string("the sound description") : paths.front().string()) +
                ": needs categories, a default cue and a group wave";
        return false;
    }
    return true;
}
