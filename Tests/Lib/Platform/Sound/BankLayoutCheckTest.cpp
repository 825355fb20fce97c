// Bank files are untrusted: every truncation and the corruptions that would
// make the engine read outside the image are refused with a reason.
#include "SampleBanks.h"
#include "Sound/GlobalSettingsLayout.h"
#include "Sound/SoundBankLayout.h"
#include "Sound/WaveBankLayout.h"

#include <gtest/gtest.h>

namespace {

using namespace SampleBanks;

std::string CheckXgs(const std::vector<uint8_t>& bytes, size_t size)
{
    Platform::GlobalSettingsInfo info;
    return Platform::CheckGlobalSettings(bytes.data(), size, info);
}

std::string CheckXsb(const std::vector<uint8_t>& bytes, size_t size)
{
    Platform::SoundBankInfo info;
    return Platform::CheckSoundBank(bytes.data(), size, 7, info);
}

std::string CheckXwb(const std::vector<uint8_t>& bytes, size_t size)
{
    Platform::WaveBankInfo info;
    return Platform::CheckWaveBank(bytes.data(), size, size, info);
}

TEST(BankLayoutCheckTest, EveryTruncationIsRefused)
{
    const std::vector<uint8_t> xgs = Read("SoundPack.xgs");
    const std::vector<uint8_t> xsb = Read("SoundPack.xsb");
    ASSERT_FALSE(xgs.empty());
    ASSERT_FALSE(xsb.empty());
    for (size_t size = 0; size < xgs.size(); ++size)
        EXPECT_NE(CheckXgs(xgs, size), "") << size;
    for (size_t size = 0; size < xsb.size(); ++size)
        EXPECT_NE(CheckXsb(xsb, size), "") << size;

    const std::vector<uint8_t> xwb = Read("common.xwb");
    for (size_t size :
         {size_t(0), size_t(51), size_t(52), size_t(147), size_t(148 + 24 * 2), xwb.size() / 2, xwb.size() - 1})
        EXPECT_NE(CheckXwb(xwb, size), "") << size;
    EXPECT_EQ(CheckXwb(xwb, xwb.size()), "");
    Platform::WaveBankInfo info;
    EXPECT_NE(Platform::CheckWaveBank(nullptr, 0, 0, info), "");
}

TEST(BankLayoutCheckTest, GlobalSettingsCorruptions)
{
    const std::vector<uint8_t> good = Read("SoundPack.xgs");
    auto corrupted = [&](size_t at, uint8_t value) {
        std::vector<uint8_t> bytes = good;
        bytes.at(at) = value;
        return CheckXgs(bytes, bytes.size());
    };
    EXPECT_EQ(corrupted(0, 'Y'), "not a global settings file");
    EXPECT_EQ(corrupted(0x06, 41), "unsupported version or platform");
    EXPECT_EQ(corrupted(0x1B, 1), "RPC, DSP and variable hash tables are not supported");
    // Categories: a second root, a parent after its child (a possible cycle).
    EXPECT_EQ(corrupted(77 + 10 + 6, 0xFF), "category 1 has a bad parent");
    EXPECT_EQ(corrupted(77 + 20 + 6, 5), "category 2 has a bad parent");
    // More categories than the tables hold shifts every later table.
    EXPECT_NE(corrupted(0x13, 8), "");
    // A name index entry that points elsewhere than its name.
    const uint32_t nameIndex = U32(good, 0x21 + 4 * 3);
    EXPECT_EQ(corrupted(nameIndex + 6, good[nameIndex + 6] + 1), "name index does not match the names");
    // An unterminated last name.
    EXPECT_NE(corrupted(good.size() - 1, 'x'), "");
    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_EQ(CheckXgs(longer, longer.size()), "data after the variable names");
}

TEST(BankLayoutCheckTest, GlobalSettingsNeedTheReservedVariables)
{
    std::vector<uint8_t> bytes = Read("SoundPack.xgs");
    const uint32_t variableNames = U32(bytes, 0x21 + 4 * 7);
    // Rename "SpeedOfSound" (the sixth variable) in place.
    size_t at = variableNames;
    for (int i = 0; i < 5; ++i)
        at += Text(bytes, at).size() + 1;
    ASSERT_EQ(Text(bytes, at), "SpeedOfSound");
    bytes[at] = 'X';
    EXPECT_EQ(CheckXgs(bytes, bytes.size()), "no global SpeedOfSound variable");
    bytes[at] = 'S';
    // SpeedOfSound made a per-cue variable.
    bytes[U32(bytes, 0x25) + 13 * 5] |= 0x04;
    EXPECT_EQ(CheckXgs(bytes, bytes.size()), "no global SpeedOfSound variable");
}

TEST(BankLayoutCheckTest, SoundBankCorruptions)
{
    const std::vector<uint8_t> good = Read("SoundPack.xsb");
    const uint32_t cueTable = U32(good, 0x22);
    const uint32_t firstSound = U32(good, 0x46);
    auto corrupted = [&](size_t at, uint32_t value, int bytes = 1) {
        std::vector<uint8_t> copy = good;
        if (bytes == 4)
            PutU32(copy, at, value);
        else
            copy.at(at) = static_cast<uint8_t>(value);
        return CheckXsb(copy, copy.size());
    };
    EXPECT_EQ(corrupted(3, 'X'), "not a sound bank");
    EXPECT_EQ(corrupted(0x15, 1), "complex cues, variations, transitions and cue hashes are not supported");
    EXPECT_EQ(corrupted(0x3A, 139, 4), "wave bank names out of place");
    EXPECT_EQ(corrupted(0x22, cueTable + 1, 4), "cues out of place");
    // A cue pointing one byte into its sound, a cue that is a variation.
    EXPECT_EQ(corrupted(cueTable + 1, U32(good, cueTable + 1) + 1, 4), "cue 0 does not name one of the sounds");
    EXPECT_EQ(corrupted(cueTable, 0x00), "cue 0 does not name one of the sounds");
    // The first sound: a category the settings do not have, an unknown kind.
    EXPECT_EQ(corrupted(firstSound + 1, 7), "sound 0: sound category out of range");
    EXPECT_EQ(corrupted(firstSound, 0x03), "sound 0: sound with RPCs or effects");
    // Its track's event block moved, its event of another kind.
    EXPECT_EQ(corrupted(firstSound + 11, U32(good, firstSound + 11) + 1, 4), "sound 0: track events out of place");
    EXPECT_EQ(corrupted(firstSound + 20, 0x02), "sound 0: track event other than play-wave");
    // A wave bank index beyond the banks the sound bank names.
    EXPECT_EQ(corrupted(firstSound + 30, 0xFF), "sound 0: wave bank index out of range");
    EXPECT_EQ(corrupted(firstSound + 27, 1), "sound 0: play-wave event with variations");
    // Cue names that do not add up.
    EXPECT_EQ(corrupted(0x1E, good[0x1E] + 1), "cue name size does not match the names");
}

TEST(BankLayoutCheckTest, WaveBankCorruptions)
{
    const std::vector<uint8_t> good = Read("common.xwb");
    auto corrupted = [&](size_t at, uint32_t value) {
        std::vector<uint8_t> copy = good;
        PutU32(copy, at, value);
        return CheckXwb(copy, copy.size());
    };
    EXPECT_EQ(corrupted(0, 0), "not a wave bank");
    EXPECT_EQ(corrupted(4, 45), "unsupported version");
    EXPECT_EQ(corrupted(16, 95), "bank data too short");
    EXPECT_EQ(corrupted(12 + 8 * 4 + 4, U32(good, 12 + 8 * 4 + 4) + 1), "wave data outside the file");
    EXPECT_EQ(corrupted(52, 0x00020000), "compact entries, seek tables and unknown flags are not supported");
    EXPECT_EQ(corrupted(52 + 4, 0), "no waves or too many waves");
    EXPECT_EQ(corrupted(52 + 4, 1000), "wave entries outside their segment");
    const size_t entry = 148;
    EXPECT_EQ(corrupted(entry + 4, U32(good, entry + 4) | 1),
              "wave 0: not a PCM format of 1 to 6 channels at 1000 to 200000 Hz");
    EXPECT_EQ(corrupted(entry + 8, U32(good, 12 + 8 * 4 + 4)), "wave 0: wave data outside the wave data segment");
    EXPECT_EQ(corrupted(entry + 12, 3), "wave 0: wave data outside the wave data segment") << "not whole frames";
    EXPECT_EQ(corrupted(entry, (U32(good, entry) >> 4 << 4) + 0x10 * 100000),
              "wave 0: duration or loop region beyond the wave");
    EXPECT_EQ(corrupted(entry + 20, 1u << 30), "wave 0: duration or loop region beyond the wave");
    // The name field without its NUL.
    std::vector<uint8_t> unnamed = good;
    std::fill(unnamed.begin() + 60, unnamed.begin() + 124, 'a');
    EXPECT_EQ(CheckXwb(unnamed, unnamed.size()), "bad bank data or bank name");
}

TEST(BankLayoutCheckTest, StreamedBankTablesAndAlignment)
{
    const std::vector<uint8_t> stream = Read("stream.xwb");
    const uint64_t tables = Platform::WaveBankTablesSize(stream.data(), stream.size());
    EXPECT_EQ(tables, 148u + 24u * (U32(stream, 52 + 4)));
    Platform::WaveBankInfo info;
    EXPECT_EQ(Platform::CheckWaveBank(stream.data(), tables, stream.size(), info), "");
    EXPECT_TRUE(info.streaming);
    EXPECT_NE(Platform::CheckWaveBank(stream.data(), tables, stream.size() - 2048, info), "");
    EXPECT_EQ(Platform::WaveBankTablesSize(stream.data(), 51), 0u);

    std::vector<uint8_t> misaligned = stream;
    PutU32(misaligned, 148 + 8, 2);
    EXPECT_EQ(Platform::CheckWaveBank(misaligned.data(), tables, misaligned.size(), info),
              "wave 0: streamed wave not aligned");
}

} // namespace
