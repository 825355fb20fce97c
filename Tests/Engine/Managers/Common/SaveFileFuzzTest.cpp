// Truncated, damaged and random save files fed to the loader: it must neither
// crash nor read outside the file, and every slot must end either as it was,
// as the file holds it, or empty. Runs under the sanitizers in the gate.
#include "Hash/CoreCrc32.h"
#include "SaveSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

namespace {

class SaveFileFuzzTest : public SaveSession {
protected:
    // A file with three saved slots of varied contents.
    std::vector<uint8_t> SavedFile()
    {
        for (int slot = 0; slot < NB_SLOT; ++slot) {
            SaveSlotData& data = *Slots().GetSaveSlot(slot);
            auto* words = reinterpret_cast<uint32_t*>(&data);
            for (uint32_t index = 0; index < sizeof data / 4; ++index)
                words[index] = m_random();
            data.m_iCurrentScene = 1 + slot;
            data.m_aVarInts[VARINT_C_CURRENT_SCENE] = 1 + slot;
            EXPECT_EQ(Slots().SaveToBackup(slot), SAVE_RESULT_DONE);
        }
        return FileBytes();
    }

    // Restarts on the file and loads it.
    void Load(const std::vector<uint8_t>& file)
    {
        WriteFileBytes(file);
        Restart();
        SaveSlotRecord before[NB_SLOT];
        for (int slot = 0; slot < NB_SLOT; ++slot)
            before[slot] = Slots().GetSlotRecord(slot);

        const int result = Slots().LoadFromBackup();
        // The card manager reads a short file as zeros past its end.
        std::vector<uint8_t> padded = file;
        padded.resize(std::max<size_t>(padded.size(), SAVE_FILE_SIZE));
        EXPECT_TRUE(result == SAVE_RESULT_DONE || result == SAVE_RESULT_BAD_DATA || result == SAVE_RESULT_NO_ACCESS)
            << result;
        EXPECT_GE(g_oTwGame.m_iGameLanguage, 0);
        EXPECT_LT(g_oTwGame.m_iGameLanguage, 5);
        EXPECT_GE(g_oTwGame.m_iVoiceLanguage, 0);
        EXPECT_LT(g_oTwGame.m_iVoiceLanguage, 5);
        for (int slot = 0; slot < NB_SLOT; ++slot) {
            const SaveSlotRecord& now = Slots().GetSlotRecord(slot);
            const bool kept = std::memcmp(&now, &before[slot], sizeof now) == 0;
            const bool loaded = std::memcmp(&now, padded.data() + SaveSlotOffset(slot), sizeof now) == 0;
            EXPECT_TRUE(kept || loaded || now.m_oData.IsEmpty()) << "slot " << slot << " of a file of " << file.size();
            if (!now.m_oData.IsEmpty()) {
                EXPECT_GE(now.m_oData.m_aVarInts[VARINT_C_CURRENT_SCENE], 0);
                EXPECT_LT(now.m_oData.m_aVarInts[VARINT_C_CURRENT_SCENE], ID_SCENE_LAST);
            }
        }
        m_log.Take();
    }

    // Sets the header's and the slots' CRCs right, so that the checks behind
    // them see the damage.
    static void FixCrcs(std::vector<uint8_t>& file)
    {
        SetWordAt(file, SAVE_HEADER_CRC_SPAN, CoreCrc32::HashBlock(file.data(), SAVE_HEADER_CRC_SPAN));
        for (int slot = 0; slot < NB_SLOT; ++slot) {
            const size_t offset = SaveSlotOffset(slot);
            SetWordAt(file, offset + SAVE_SLOT_CRC_OFFSET, CoreCrc32::HashBlock(file.data() + offset, 1200));
        }
    }

    std::mt19937 m_random {20240611};
};

TEST_F(SaveFileFuzzTest, EveryTruncationLoadsWhatIsWholeAndNothingElse)
{
    const std::vector<uint8_t> file = SavedFile();
    for (size_t size = 0; size <= file.size(); size += (size < 64 || size > 3600) ? 1 : 7)
        Load(std::vector<uint8_t>(file.begin(), file.begin() + static_cast<long>(size)));
}

TEST_F(SaveFileFuzzTest, DamagedAndRandomFilesNeverHarmTheLoader)
{
    const std::vector<uint8_t> file = SavedFile();
    for (int round = 0; round < 1000; ++round) {
        std::vector<uint8_t> damaged = file;
        const int flips = 1 + static_cast<int>(m_random() % 16);
        for (int flip = 0; flip < flips; ++flip) {
            // Mostly the words that steer the loader: the header, the scenes
            // and the languages.
            const size_t at = (m_random() % 2) ? m_random() % 0x28 : m_random() % damaged.size();
            damaged[at] = static_cast<uint8_t>(m_random());
        }
        if (round % 2)
            FixCrcs(damaged);
        Load(damaged);
    }
    for (int round = 0; round < 150; ++round) {
        std::vector<uint8_t> noise(m_random() % 8000);
        for (uint8_t& byte : noise)
            byte = static_cast<uint8_t>(m_random());
        if (noise.size() >= SAVE_FILE_SIZE && round % 2)
            FixCrcs(noise);
        Load(noise);
    }
}

} // namespace
