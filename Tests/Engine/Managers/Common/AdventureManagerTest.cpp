#include "Managers/Common/AdventureManager.h"

#include "Common/GameLanguages.h"
#include "Managers/Common/SceneManager.h"
#include "Dialogs/Common/DialogManager.h"
#include "Hash/CoreCrc32.h"
#include "SaveSession.h"
#include "Support/FaultyFileWriter.h"
#include "Support/ScopedService.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using TestSupport::FaultyFileWriter;

// Every word of the slot differs from the same word of any other seed's slot;
// the scene stays a real one.
SaveSlotData PatternSlot(uint32_t seed)
{
    SaveSlotData data {};
    auto* words = reinterpret_cast<uint32_t*>(&data);
    for (uint32_t index = 0; index < sizeof data / 4; ++index)
        words[index] = seed * 100000u + index * 7u + 1u;
    data.m_iCurrentScene = static_cast<int32_t>(1 + seed % 63);
    data.m_aVarInts[VARINT_C_CURRENT_SCENE] = data.m_iCurrentScene;
    return data;
}

bool SameData(const SaveSlotData& left, const SaveSlotData& right)
{
    return std::memcmp(&left, &right, sizeof left) == 0;
}

uint32_t CrcOf(const std::vector<uint8_t>& bytes, size_t offset, size_t size)
{
    return CoreCrc32Of(std::string_view(reinterpret_cast<const char*>(bytes.data()) + offset, size));
}

// Saves each slot with its pattern.
void SaveAllPatterns(AdventureManager& slots)
{
    for (int slot = 0; slot < NB_SLOT; ++slot) {
        *slots.GetSaveSlot(slot) = PatternSlot(static_cast<uint32_t>(slot + 1));
        ASSERT_EQ(slots.SaveToBackup(slot), SAVE_RESULT_DONE);
    }
}

using AdventureManagerTest = SaveSession;

TEST_F(AdventureManagerTest, AFreshFileHoldsTheHeaderAndThreeCheckedSlotsAtTheirOffsets)
{
    EXPECT_EQ(FileBytes(), std::vector<uint8_t>(3664, 0));
    g_oTwGame.m_iGameLanguage = LANGUAGE_IT_IT;
    g_oTwGame.m_iVoiceLanguage = LANGUAGE_FR_FR;
    SaveAllPatterns(Slots());

    const std::vector<uint8_t> file = FileBytes();
    ASSERT_EQ(file.size(), 3664u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 8), "qarvutel");
    EXPECT_EQ(WordAt(file, 0x08), 11u);
    EXPECT_EQ(WordAt(file, 0x0C), 36u | (1059u << 16));
    std::string names;
    for (int id = 0; id < VARINT_LAST; ++id)
        names += Id::GetVarIntName(id);
    for (int id = 0; id < VARBOOL_LAST; ++id)
        names += Id::GetVarBoolName(id);
    EXPECT_EQ(WordAt(file, 0x10), CoreCrc32Of(names));
    EXPECT_EQ(WordAt(file, 0x14), uint32_t(LANGUAGE_IT_IT));
    EXPECT_EQ(WordAt(file, 0x18), uint32_t(LANGUAGE_FR_FR));
    EXPECT_EQ(WordAt(file, 0x20), CrcOf(file, 0, 0x20));
    const size_t slotStarts[NB_SLOT] = {0x028, 0x4E0, 0x998};
    for (int slot = 0; slot < NB_SLOT; ++slot) {
        const size_t start = slotStarts[slot];
        const SaveSlotData expected = PatternSlot(static_cast<uint32_t>(slot + 1));
        EXPECT_EQ(std::memcmp(file.data() + start, &expected, 1200), 0) << slot;
        EXPECT_EQ(WordAt(file, start + 1200), CrcOf(file, start, 1200)) << slot;
    }
    EXPECT_EQ(slotStarts[2] + 1208, 0xE50u);
}

TEST_F(AdventureManagerTest, EverySlotFieldSurvivesASaveARestartAndARestore)
{
    SceneManager::SetPlayingCharacter(ActorIdOf("tavrine"));
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 7);
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, 42);
    for (int id = 0; id < VARBOOL_LAST; id += 3)
        g_VarManager.SetBool(id, 1);
    for (int id = 0; id < VARINT_LAST; ++id) {
        if (id != VARINT_CURRENT_CHAPTER && id != VARINT_C_CURRENT_SCENE)
            g_VarManager.SetInt(id, -1000 * id - 1);
    }
    g_oTwGame.m_uGameClock = 0x0000012345678ABCull;
    SoundManager::SetAmbientVolume(1229);
    SoundManager::SetMusicVolume(2048);
    SoundManager::SetEffectsVolume(0);
    SoundManager::SetSpeechVolume(4096);

    SaveSlotData* slot = Slots().GetSaveSlot(1);
    for (int inventory = 0; inventory < SAVE_INVENTORY_COUNT; ++inventory) {
        for (int cell = 0; cell < SAVE_INVENTORY_CELLS; ++cell)
            slot->GetInventory(inventory)[cell] = 0x80000000u + uint32_t(inventory * 100 + cell);
    }
    for (int word = 0; word < SAVE_DIALOG_READ_WORDS; ++word)
        slot->GetDialogReadMarks()[word] = 0xA5A50000u + uint32_t(word);
    slot->m_uReserved = 0x12345678;
    Slots().StoreGameState(slot);
    EXPECT_EQ(slot->m_uPlayingCharacter, ActorIdOf("tavrine"));
    EXPECT_EQ(slot->m_iChapter, 7);
    EXPECT_EQ(slot->m_iCurrentScene, 42);
    EXPECT_EQ(slot->m_aPlayTime[0], 0x45678ABCu);
    EXPECT_EQ(slot->m_aPlayTime[1], 0x123u);
    EXPECT_EQ(slot->m_fxAmbientVolume, 1229);
    EXPECT_EQ(slot->m_fxSpeechVolume, 4096);
    EXPECT_EQ(slot->GetInventory(2)[29], 0x800000E5u); // the blocks of other subsystems are kept
    const SaveSlotData saved = *slot;
    ASSERT_EQ(Slots().SaveToBackup(1), SAVE_RESULT_DONE);

    const VarSet live = g_VarManager;
    Restart();
    ResetLiveState();
    EXPECT_EQ(Slots().LoadFromBackup(), SAVE_RESULT_DONE);
    ASSERT_TRUE(SameData(*Slots().GetSaveSlot(1), saved));

    Slots().RestoreGameState(Slots().GetSaveSlot(1));
    EXPECT_EQ(SceneManager::GetPlayingCharacter(), ActorIdOf("tavrine"));
    EXPECT_EQ(g_oTwGame.m_uGameClock, 0x0000012345678ABCull);
    EXPECT_EQ(std::memcmp(g_VarManager.m_aBools, live.m_aBools, sizeof live.m_aBools), 0);
    for (int id = 0; id < VARINT_LAST; ++id) {
        if (id < VARINT_C_MASTER_MUSIC || id > VARINT_C_MASTER_SPEECHES) {
            EXPECT_EQ(g_VarManager.GetInt(id), live.GetInt(id)) << id;
        }
    }
    // The volumes come back through the sound manager, which writes their
    // percentages into the variables.
    EXPECT_EQ(SoundManager::m_fxMasterAmbientVolume, 1229);
    EXPECT_EQ(SoundManager::m_fxMasterMusicVolume, 2048);
    EXPECT_EQ(SoundManager::m_fxMasterEffectsVolume, 0);
    EXPECT_EQ(SoundManager::m_fxMasterSpeechVolume, 4096);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_MASTER_AMBIENT), 30);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_MASTER_MUSIC), 50);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_MASTER_EFFECTS), 0);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_MASTER_SPEECHES), 100);
}

TEST_F(AdventureManagerTest, TheDialogsReadMarksGoIntoTheSlotAndComeBack)
{
    DialogManager* dialogs = DialogManager::CreateSingleton();
    ASSERT_TRUE(dialogs->Initialize());
    SaveSlotData data = PatternSlot(2);
    data.GetDialogReadMarks()[0] = 1u << 5;
    Slots().RestoreGameState(&data);
    EXPECT_TRUE(dialogs->IsPropositionRead(0, 5));
    EXPECT_FALSE(dialogs->IsPropositionRead(0, 4));

    const std::vector<uint32_t> marks(data.GetDialogReadMarks().begin(), data.GetDialogReadMarks().end());
    SaveSlotData stored {};
    Slots().StoreGameState(&stored);
    EXPECT_TRUE(std::equal(marks.begin(), marks.end(), stored.GetDialogReadMarks().begin()));
    dialogs->Shutdown();
    DialogManager::DestroySingleton();
}

TEST_F(AdventureManagerTest, RestoredVolumesStayBetweenSilenceAndFull)
{
    SaveSlotData data = *Slots().GetSaveSlot(0);
    data.m_fxAmbientVolume = 99999;
    data.m_fxMusicVolume = -5;
    data.m_fxEffectsVolume = INT32_MIN;
    data.m_fxSpeechVolume = 4097;
    Slots().RestoreGameState(&data);
    EXPECT_EQ(SoundManager::m_fxMasterAmbientVolume, 4096);
    EXPECT_EQ(SoundManager::m_fxMasterMusicVolume, 0);
    EXPECT_EQ(SoundManager::m_fxMasterEffectsVolume, 0);
    EXPECT_EQ(SoundManager::m_fxMasterSpeechVolume, 4096);
}

TEST_F(AdventureManagerTest, ACorruptSlotIsReportedWhileTheOtherSlotsAndTheLanguagesLoad)
{
    g_oTwGame.m_iGameLanguage = LANGUAGE_DE_DE;
    g_oTwGame.m_iVoiceLanguage = LANGUAGE_DE_DE;
    SaveAllPatterns(Slots());
    std::vector<uint8_t> file = FileBytes();
    file[0x4E0 + 600] ^= 0x10;
    WriteFileBytes(file);

    Restart();
    ResetLiveState();
    *Slots().GetSaveSlot(1) = PatternSlot(9);
    m_log.Take();
    EXPECT_EQ(Slots().LoadFromBackup(), SAVE_RESULT_BAD_DATA);
    EXPECT_TRUE(m_log.Contains("\"save.dat\": slot 1 is corrupt (CRC check failed) and keeps what it held\n"))
        << m_log.Text();
    EXPECT_TRUE(SameData(*Slots().GetSaveSlot(0), PatternSlot(1)));
    EXPECT_TRUE(SameData(*Slots().GetSaveSlot(1), PatternSlot(9)));
    EXPECT_TRUE(SameData(*Slots().GetSaveSlot(2), PatternSlot(3)));
    EXPECT_EQ(g_oTwGame.m_iGameLanguage, LANGUAGE_DE_DE);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_VOICE_LANGUAGE), LANGUAGE_DE_DE);
    EXPECT_TRUE(m_log.Contains(" - Reload Localizer...\n"));
}

TEST_F(AdventureManagerTest, SlotsNeverSavedLoadQuietlyAsTheyAre)
{
    *Slots().GetSaveSlot(2) = PatternSlot(3);
    ASSERT_EQ(Slots().SaveToBackup(2), SAVE_RESULT_DONE);
    Restart();
    m_log.Take();
    EXPECT_EQ(Slots().LoadFromBackup(), SAVE_RESULT_DONE);
    EXPECT_FALSE(m_log.Contains("corrupt")) << m_log.Text();
    EXPECT_TRUE(SameData(*Slots().GetSaveSlot(2), PatternSlot(3)));
    EXPECT_TRUE(Slots().GetSaveSlot(1)->IsEmpty());
}

TEST_F(AdventureManagerTest, SavingWithoutASlotRewritesOnlyTheHeader)
{
    SaveAllPatterns(Slots());
    const std::vector<uint8_t> before = FileBytes();
    *Slots().GetSaveSlot(0) = PatternSlot(7);
    g_oTwGame.m_iGameLanguage = LANGUAGE_ES_ES;
    g_oTwGame.m_iVoiceLanguage = LANGUAGE_EN_GB;
    m_log.Take();
    EXPECT_EQ(Slots().SaveToBackup(INVALID_SLOT), SAVE_RESULT_DONE);

    const std::vector<uint8_t> after = FileBytes();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(WordAt(after, 0x14), uint32_t(LANGUAGE_ES_ES));
    EXPECT_EQ(WordAt(after, 0x18), uint32_t(LANGUAGE_EN_GB));
    EXPECT_EQ(WordAt(after, 0x20), CrcOf(after, 0, 0x20));
    EXPECT_TRUE(std::equal(after.begin() + 0x28, after.end(), before.begin() + 0x28));
    EXPECT_TRUE(m_log.Contains("[CardManager] Write data @ 0:40\n"));
    EXPECT_FALSE(m_log.Contains("[CardManager] Write data @ 40:"));
}

TEST_F(AdventureManagerTest, ARefusedHeaderChangesNothing)
{
    g_oTwGame.m_iGameLanguage = LANGUAGE_FR_FR;
    SaveAllPatterns(Slots());
    const std::vector<uint8_t> good = FileBytes();

    // Each damage keeps the header's CRC right unless the CRC is the damage.
    struct Case {
        const char* reason;
        size_t offset;
        uint32_t word;
    };
    const Case cases[] = {
        {"its header's CRC is wrong", 0x20, 0},
        {"it is not a save file", 0x00, 0x76726172},
        {"its version is not this game's", 0x08, 12},
        {"its variable counts differ from this game's", 0x0C, 36u | (1060u << 16)},
        {"its variable names differ from this game's", 0x10, CoreCrc32Of("VARINT_C_PLAYING_CHARACTER")},
    };
    for (const Case& test : cases) {
        std::vector<uint8_t> file = good;
        SetWordAt(file, test.offset, test.word);
        if (test.offset != 0x20)
            SetWordAt(file, 0x20, CrcOf(file, 0, 0x20));
        WriteFileBytes(file);
        Restart();
        ResetLiveState();
        m_log.Take();
        EXPECT_EQ(Slots().LoadFromBackup(), SAVE_RESULT_BAD_DATA) << test.reason;
        EXPECT_TRUE(m_log.Contains(std::string("\"save.dat\" refused: ") + test.reason + "\n")) << m_log.Text();
        EXPECT_EQ(g_oTwGame.m_iGameLanguage, LANGUAGE_EN_GB) << test.reason;
        EXPECT_TRUE(Slots().GetSaveSlot(1)->IsEmpty()) << test.reason;
    }
}

TEST_F(AdventureManagerTest, AFreshFileReadsAsNothingSavedYetWhileAWipedHeaderIsStillRefused)
{
    // The session started on a fresh file: the player chose a language and
    // plays a game that is not saved yet.
    ASSERT_EQ(FileBytes(), std::vector<uint8_t>(3664, 0));
    g_oTwGame.m_iGameLanguage = LANGUAGE_DE_DE;
    *Slots().GetSaveSlot(1) = PatternSlot(2);
    m_log.Take();
    EXPECT_EQ(Slots().LoadFromBackup(), SAVE_RESULT_DONE);
    EXPECT_FALSE(m_log.Contains("\"save.dat\"")) << m_log.Text();
    EXPECT_EQ(g_oTwGame.m_iGameLanguage, LANGUAGE_DE_DE);
    EXPECT_TRUE(SameData(*Slots().GetSaveSlot(1), PatternSlot(2)));
    EXPECT_TRUE(Slots().GetSaveSlot(0)->IsEmpty());
    EXPECT_EQ(FileBytes(), std::vector<uint8_t>(3664, 0));

    // Zeros over the header of a file that holds games are damage: refused,
    // and the file keeps the games.
    SaveAllPatterns(Slots());
    std::vector<uint8_t> wiped = FileBytes();
    std::fill(wiped.begin(), wiped.begin() + 0x28, 0);
    WriteFileBytes(wiped);
    Restart();
    m_log.Take();
    EXPECT_EQ(Slots().LoadFromBackup(), SAVE_RESULT_BAD_DATA);
    EXPECT_TRUE(m_log.Contains("\"save.dat\" refused: its header's CRC is wrong\n")) << m_log.Text();
    EXPECT_TRUE(Slots().GetSaveSlot(1)->IsEmpty());
    EXPECT_EQ(FileBytes(), wiped);
}

TEST_F(AdventureManagerTest, OneChangedVariableNameChangesTheSignature)
{
    std::vector<const char*> intNames;
    for (int id = 0; id < VARINT_LAST; ++id)
        intNames.push_back(Id::GetVarIntName(id));
    std::vector<const char*> boolNames;
    for (int id = 0; id < VARBOOL_LAST; ++id)
        boolNames.push_back(Id::GetVarBoolName(id));
    const uint32_t signature = SaveFile::ComputeSignature(intNames, boolNames);
    EXPECT_EQ(signature, Slots().GetSignature());

    boolNames[1000] = "VARBOOL_RENAMED";
    EXPECT_NE(SaveFile::ComputeSignature(intNames, boolNames), signature);
    boolNames[1000] = Id::GetVarBoolName(1000);
    std::swap(intNames[3], intNames[4]);
    EXPECT_NE(SaveFile::ComputeSignature(intNames, boolNames), signature);
}

TEST_F(AdventureManagerTest, HeaderLanguagesOutsideTheGameLanguagesFallBackToEnglish)
{
    SaveAllPatterns(Slots());
    const std::vector<uint8_t> good = FileBytes();
    const int32_t cases[][2] = {{7, -1}, {5, 4}, {INT32_MIN, 2}, {3, 5}};
    for (const auto& languages : cases) {
        std::vector<uint8_t> file = good;
        SetWordAt(file, 0x14, uint32_t(languages[0]));
        SetWordAt(file, 0x18, uint32_t(languages[1]));
        SetWordAt(file, 0x20, CrcOf(file, 0, 0x20));
        WriteFileBytes(file);
        Restart();
        m_log.Take();
        EXPECT_EQ(Slots().LoadFromBackup(), SAVE_RESULT_DONE);
        const int32_t game = languages[0] >= 0 && languages[0] <= 4 ? languages[0] : LANGUAGE_EN_GB;
        const int32_t voice = languages[1] >= 0 && languages[1] <= 4 ? languages[1] : LANGUAGE_EN_GB;
        EXPECT_EQ(g_oTwGame.m_iGameLanguage, game) << languages[0];
        EXPECT_EQ(g_oTwGame.m_iVoiceLanguage, voice) << languages[1];
        EXPECT_EQ(g_VarManager.GetInt(VARINT_C_GAME_LANGUAGE), game);
        EXPECT_EQ(g_VarManager.GetInt(VARINT_C_VOICE_LANGUAGE), voice);
        if (game != languages[0]) {
            EXPECT_TRUE(m_log.Contains("\"save.dat\": game language " + std::to_string(languages[0]) +
                                       " unknown, English used\n"))
                << m_log.Text();
        }
    }
}

TEST_F(AdventureManagerTest, ASlotNamingNoSceneLoadsAsEmpty)
{
    SaveSlotData badWord = PatternSlot(1);
    badWord.m_iCurrentScene = 64;
    SaveSlotData badVariable = PatternSlot(2);
    badVariable.m_aVarInts[VARINT_C_CURRENT_SCENE] = -3;
    SaveSlotData lastScene = PatternSlot(3);
    lastScene.m_iCurrentScene = 63;
    *Slots().GetSaveSlot(0) = badWord;
    *Slots().GetSaveSlot(1) = badVariable;
    *Slots().GetSaveSlot(2) = lastScene;
    for (int slot = 0; slot < NB_SLOT; ++slot)
        ASSERT_EQ(Slots().SaveToBackup(slot), SAVE_RESULT_DONE);

    Restart();
    m_log.Take();
    EXPECT_EQ(Slots().LoadFromBackup(), SAVE_RESULT_DONE);
    EXPECT_TRUE(Slots().GetSaveSlot(0)->IsEmpty());
    EXPECT_EQ(Slots().GetSaveSlot(0)->m_aVarInts[5], 0);
    EXPECT_TRUE(Slots().GetSaveSlot(1)->IsEmpty());
    EXPECT_TRUE(SameData(*Slots().GetSaveSlot(2), lastScene));
    EXPECT_TRUE(m_log.Contains("\"save.dat\": slot 0 names scene 64, which does not exist, and loads as empty\n"));
    EXPECT_TRUE(m_log.Contains("\"save.dat\": slot 1 names scene -3, which does not exist, and loads as empty\n"));

    SaveSlotData data {};
    const int32_t scenes[][2] = {{0, 1}, {1, 0}, {63, 0}, {64, 1}, {-1, 1}, {INT32_MAX, 1}};
    for (const auto& scene : scenes) {
        data.m_iCurrentScene = scene[0];
        EXPECT_EQ(data.IsEmpty(), scene[1] != 0) << scene[0];
    }
}

TEST_F(AdventureManagerTest, AFailedWriteIsReportedWhileTheOldFileAndTheSlotsKeepTheirData)
{
    SaveAllPatterns(Slots());
    const std::vector<uint8_t> old = FileBytes();
    m_log.Take();
    const FaultyFileWriter::Fault faults[] = {FaultyFileWriter::Fault::Create, FaultyFileWriter::Fault::HalfWrite,
                                              FaultyFileWriter::Fault::Rename};
    for (const FaultyFileWriter::Fault fault : faults) {
        *Slots().GetSaveSlot(1) = PatternSlot(5);
        {
            FaultyFileWriter writer(fault);
            TestSupport::ScopedService<Platform::FileWriter> installed(Platform::SetFileWriter, writer);
            EXPECT_EQ(Slots().SaveToBackup(1), SAVE_RESULT_WRITE_FAILED);
        }
        EXPECT_EQ(FileBytes(), old);
        EXPECT_FALSE(m_log.Contains("Save time:"));
        // The image holds the save: a load in this run returns it.
        *Slots().GetSaveSlot(1) = PatternSlot(6);
        EXPECT_EQ(Slots().LoadFromBackup(), SAVE_RESULT_DONE);
        EXPECT_TRUE(SameData(*Slots().GetSaveSlot(1), PatternSlot(5)));
        m_log.Take();
    }
}

TEST_F(AdventureManagerTest, WithoutAReadableFileNothingIsSavedOrLoaded)
{
    Stop();
    std::filesystem::remove(m_dir / "save.dat");
    std::filesystem::create_directory(m_dir / "save.dat");
    Start();
    EXPECT_EQ(Slots().SaveToBackup(0), SAVE_RESULT_NO_ACCESS);
    EXPECT_EQ(Slots().LoadFromBackup(), SAVE_RESULT_NO_ACCESS);
    EXPECT_TRUE(std::filesystem::is_directory(m_dir / "save.dat"));

    // Without a card manager there is nothing to do, and nothing fails.
    CardManager::DestroySingleton();
    EXPECT_EQ(Slots().SaveToBackup(0), SAVE_RESULT_DONE);
    EXPECT_EQ(Slots().LoadFromBackup(), SAVE_RESULT_DONE);
}

TEST_F(AdventureManagerTest, StartUpClearsTheSlotsAndPutsTheStartVariablesIntoSlotZero)
{
    Stop();
    g_oTwGame.m_iGameLanguage = LANGUAGE_IT_IT;
    g_oTwGame.m_iVoiceLanguage = LANGUAGE_EN_GB;
    g_VarManager.SetBool(VARBOOL_ACTIVE_MAP, 1);
    Start();
    EXPECT_EQ(Slots().GetSaveSlotIndex(), 0);
    EXPECT_EQ(SceneManager::GetPlayingCharacter(), ActorIdOf("tavrine_kid"));
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PLAYING_CHARACTER), int32_t(ActorIdOf("tavrine_kid")));
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE), 3);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_GAME_LANGUAGE), LANGUAGE_IT_IT);
    const SaveSlotData& first = *Slots().GetSaveSlot(0);
    EXPECT_EQ(std::memcmp(first.m_aVarInts, g_VarManager.m_aInts, sizeof first.m_aVarInts), 0);
    EXPECT_EQ(std::memcmp(first.m_aVarBools, g_VarManager.m_aBools, sizeof first.m_aVarBools), 0);
    for (int slot = 0; slot < NB_SLOT; ++slot) {
        const SaveSlotData& data = *Slots().GetSaveSlot(slot);
        EXPECT_TRUE(data.IsEmpty());
        EXPECT_EQ(data.m_uPlayingCharacter, ActorIdOf("tavrine_kid"));
        EXPECT_EQ(data.m_fxAmbientVolume, 2048);
        EXPECT_EQ(data.m_fxMusicVolume, 2048);
        EXPECT_EQ(data.m_fxEffectsVolume, 2048);
        EXPECT_EQ(data.m_fxSpeechVolume, 2048);
        EXPECT_EQ(Slots().GetSlotRecord(slot).m_uCrc, 0u);
    }
}

TEST_F(AdventureManagerTest, ACopiedSlotIsSavedWithItsOwnCrc)
{
    *Slots().GetSaveSlot(0) = PatternSlot(1);
    ASSERT_EQ(Slots().SaveToBackup(0), SAVE_RESULT_DONE);
    *Slots().GetSaveSlot(0) = PatternSlot(4); // changed after its CRC was made
    EXPECT_TRUE(Slots().CopySlot(0, 2));
    EXPECT_EQ(Slots().GetSlotRecord(2).m_uCrc, Slots().GetSlotRecord(0).m_uCrc);
    ASSERT_EQ(Slots().SaveToBackup(2), SAVE_RESULT_DONE);
    const std::vector<uint8_t> file = FileBytes();
    EXPECT_EQ(WordAt(file, 0x998 + 1200), CrcOf(file, 0x998, 1200));

    m_log.Take();
    EXPECT_FALSE(Slots().CopySlot(0, 3));
    EXPECT_EQ(Slots().GetSaveSlot(-1), nullptr);
    EXPECT_TRUE(m_log.Contains("condition: iSlotTo >= 0 && iSlotTo < NB_SLOT\n"));
    EXPECT_TRUE(m_log.Contains("condition: iSlot >= 0 && iSlot < NB_SLOT\n"));
    EXPECT_EQ(Slots().SaveToBackup(3), SAVE_RESULT_WRITE_FAILED);
    EXPECT_EQ(FileBytes(), file);
}

TEST_F(AdventureManagerTest, OnlyThePlayingCharactersHaveAnInventory)
{
    const std::pair<const char*, int> cases[] = {
        {"tavrine", 0}, {"boat_windsome_maid", 0}, {"system", 0}, {"tavrine_kid", 1}};
    for (const auto& [name, index] : cases)
        EXPECT_EQ(AdventureManager::GetInventoryIndex(ActorIdOf(name)), index) << name;
    EXPECT_EQ(AdventureManager::GetInventoryIndex(0), -1);
    EXPECT_TRUE(m_log.Contains("message:\nCannot get inventory index for actor!\n"));
}

} // namespace
