// The content builder's banks, checked byte by byte against the layouts that
// the sound engine reads.
#include "Common/SoundIds.h"
#include "SampleBanks.h"
#include "Sound/GlobalSettingsLayout.h"
#include "Sound/SoundBankLayout.h"
#include "Sound/WaveBankLayout.h"

#include <gtest/gtest.h>

namespace {

using namespace SampleBanks;

TEST(BankWriterTest, GlobalSettingsHeaderTablesAndNames)
{
    const std::vector<uint8_t> xgs = Read("SoundPack.xgs");
    ASSERT_GT(xgs.size(), 77u);
    EXPECT_EQ(std::string(xgs.begin(), xgs.begin() + 4), "XGSF");
    EXPECT_EQ(U16(xgs, 0x04), 46);
    EXPECT_EQ(U16(xgs, 0x06), 42);
    EXPECT_EQ(xgs[0x12], 3);
    const uint16_t categories = U16(xgs, 0x13);
    const uint16_t variables = U16(xgs, 0x15);
    EXPECT_EQ(categories, 7);
    EXPECT_EQ(U32(xgs, 0x21), 77u) << "categories follow the header";
    EXPECT_EQ(U32(xgs, 0x25), 77u + 10u * categories) << "variables follow the categories";

    // Category 0 is the root; every other hangs from it at 0 dB (byte 180).
    EXPECT_EQ(U16(xgs, 77 + 6), 0xFFFF);
    for (uint32_t i = 1; i < categories; ++i) {
        EXPECT_EQ(U16(xgs, 77 + 10 * i + 6), 0);
        EXPECT_EQ(xgs[77 + 10 * i + 8], 180);
    }
    // The name index points at the names, which end the file.
    const uint32_t nameIndex = U32(xgs, 0x21 + 4 * 3);
    const char* expected[] = {"Global", "Default", "Music", "Effects", "Voices", "Musics", "Ambients"};
    for (uint32_t i = 0; i < categories; ++i)
        EXPECT_EQ(Text(xgs, U32(xgs, nameIndex + 6 * i)), expected[i]);
    const uint32_t variableIndex = U32(xgs, 0x21 + 4 * 5);
    const uint32_t lastName = U32(xgs, variableIndex + 6 * (variables - 1));
    EXPECT_EQ(lastName + Text(xgs, lastName).size() + 1, xgs.size());
    EXPECT_EQ(Text(xgs, U32(xgs, variableIndex)), "NumCueInstances");

    Platform::GlobalSettingsInfo info;
    EXPECT_EQ(Platform::CheckGlobalSettings(xgs.data(), xgs.size(), info), "");
    EXPECT_EQ(info.categoryNames.size(), 7u);
}

TEST(BankWriterTest, SoundBankNamesItsWaveBanksAndCues)
{
    const std::vector<uint8_t> xsb = Read("SoundPack.xsb");
    ASSERT_GT(xsb.size(), 138u);
    EXPECT_EQ(std::string(xsb.begin(), xsb.begin() + 4), "SDBK");
    EXPECT_EQ(U16(xsb, 0x04), 46);
    EXPECT_EQ(U16(xsb, 0x06), 43);
    EXPECT_EQ(xsb[0x12], 1);
    EXPECT_EQ(U32(xsb, 0x3A), 138u);
    EXPECT_EQ(U32(xsb, 0x26), 0xFFFFFFFFu) << "no complex cues";
    EXPECT_EQ(Text(xsb, 0x4A), "SoundPack");

    // Every wave bank that the sound bank names exists under that exact name.
    const uint8_t waveBanks = xsb[0x1B];
    ASSERT_GE(waveBanks, 2);
    for (uint8_t i = 0; i < waveBanks; ++i) {
        const std::string name = Text(xsb, 138 + 64 * i);
        const std::vector<uint8_t> xwb = Read(name + ".xwb");
        ASSERT_GT(xwb.size(), 52u + 96u) << name;
        EXPECT_EQ(Text(xwb, U32(xwb, 12) + 8), name);
    }

    // Simple cues of one sound each, pointing at sounds in the sound table.
    const uint16_t cues = U16(xsb, 0x13);
    const uint32_t cueTable = U32(xsb, 0x22);
    const uint32_t sounds = U32(xsb, 0x46);
    EXPECT_EQ(sounds, 138u + 64u * waveBanks);
    for (uint16_t c = 0; c < cues; ++c) {
        EXPECT_EQ(xsb[cueTable + 5 * c], 0x04);
        const uint32_t sound = U32(xsb, cueTable + 5 * c + 1);
        EXPECT_GE(sound, sounds);
        EXPECT_LT(sound, cueTable);
        EXPECT_LT(U16(xsb, sound + 1), 7) << "category of cue " << c;
    }

    Platform::SoundBankInfo info;
    EXPECT_EQ(Platform::CheckSoundBank(xsb.data(), xsb.size(), 7, info), "");
    ASSERT_EQ(info.cueNames.size(), cues);
    const int music = Id::GetPlatformSoundId(0x47e6e6f9);
    ASSERT_GE(music, 0);
    EXPECT_EQ(info.cueNames[music], "sound_47e6e6f9");
    EXPECT_EQ(cues, Id::GetSoundTable().size());
    // A looping cue is a sound with one track playing its wave forever.
    const uint32_t looped = U32(xsb, cueTable + 5 * music + 1);
    EXPECT_EQ(xsb[looped], 0x01);
    EXPECT_EQ(xsb[looped + 9], 1) << "one track";
    const uint32_t events = U32(xsb, looped + 11);
    EXPECT_EQ(events, looped + 19);
    EXPECT_EQ(U32(xsb, events + 1) & 0x1F, 1u) << "play-wave event";
    EXPECT_EQ(xsb[events + 12], 255) << "loops forever";
}

TEST(BankWriterTest, WaveBanksInMemoryAndStreamed)
{
    const std::vector<uint8_t> common = Read("common.xwb");
    ASSERT_GT(common.size(), 148u);
    EXPECT_EQ(std::string(common.begin(), common.begin() + 4), "WBND");
    EXPECT_EQ(U32(common, 4), 46u);
    EXPECT_EQ(U32(common, 8), 44u);
    EXPECT_EQ(U32(common, 12), 52u) << "bank data after the header";
    EXPECT_EQ(U32(common, 16), 96u);
    EXPECT_EQ(U32(common, 52), 0u) << "in memory";
    EXPECT_EQ(U32(common, 52 + 72), 24u) << "entry size";
    EXPECT_EQ(U32(common, 52 + 80), 4u) << "alignment";
    // 16-bit mono at 22050 Hz in the packed format.
    EXPECT_EQ(U32(common, 148 + 4), 0x810AC444u);
    const uint32_t frames = U32(common, 148) >> 4;
    EXPECT_EQ(U32(common, 148 + 12), frames * 2);

    const std::vector<uint8_t> stream = Read("stream.xwb");
    EXPECT_EQ(U32(stream, 52) & 1, 1u) << "streaming";
    EXPECT_EQ(U32(stream, 52 + 80), 2048u);
    EXPECT_EQ(U32(stream, 44) % 2048, 0u) << "wave data aligned";
    EXPECT_EQ(stream.size() % 2048, 0u) << "padded to whole sectors";

    for (const char* name : {"common.xwb", "stream.xwb", "mg_woodenswordduel.xwb"}) {
        const std::vector<uint8_t> bytes = Read(name);
        Platform::WaveBankInfo info;
        EXPECT_EQ(Platform::CheckWaveBank(bytes.data(), bytes.size(), bytes.size(), info), "") << name;
        EXPECT_GT(info.waveCount, 0u);
    }
}

} // namespace
