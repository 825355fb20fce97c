#pragma once
#include "CardMngr/CardManager.h"
#include "Game/TwGame.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/SoundManager.h"
#include "Managers/Common/VarManager.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// A game's save file in a folder of its own: the card manager and the
// adventure manager as start-up makes them, a restart that reads the file
// again, and the live state reset between tests. The log is captured.
class SaveSession : public testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        m_log.Take(); // the memory report of the heap's creation
        ResetLiveState();
        Start();
    }
    void TearDown() override
    {
        Stop();
        ResetLiveState();
    }

    // Start-up's two steps: the file is read (a missing one is created, as
    // the save-file check does), then the slots are made.
    void Start()
    {
        CardManager* card = CardManager::CreateSingleton(SAVE_FILE_SIZE);
        card->UpdateStatus();
        if (card->GetStatus() == I_CARD_STATUS_NO_FILE)
            card->CreateDataFiles();
        AdventureManager::CreateSingleton()->Initialize();
    }
    void Stop()
    {
        if (AdventureManager::GetInstance())
            AdventureManager::DestroySingleton();
        CardManager::DestroySingleton();
    }
    void Restart()
    {
        Stop();
        Start();
    }

    static void ResetLiveState()
    {
        g_VarManager = VarSet {};
        g_oTwGame.m_iGameLanguage = 0;
        g_oTwGame.m_iVoiceLanguage = 0;
        g_oTwGame.m_uGameClock = 0;
        SoundManager::m_fxMasterAmbientVolume = FX32_ONE;
        SoundManager::m_fxMasterMusicVolume = FX32_ONE;
        SoundManager::m_fxMasterEffectsVolume = FX32_ONE;
        SoundManager::m_fxMasterSpeechVolume = FX32_ONE;
    }

    static AdventureManager& Slots() { return *AdventureManager::GetInstance(); }
    std::vector<uint8_t> FileBytes() const { return TestSupport::ReadFileBytes(m_dir / "save.dat"); }
    void WriteFileBytes(const std::vector<uint8_t>& bytes) const
    {
        m_dir.WriteFile("save.dat", std::string(bytes.begin(), bytes.end()));
    }
    static uint32_t WordAt(const std::vector<uint8_t>& bytes, size_t offset)
    {
        uint32_t word = 0;
        std::memcpy(&word, bytes.data() + offset, sizeof word);
        return word;
    }
    static void SetWordAt(std::vector<uint8_t>& bytes, size_t offset, uint32_t word)
    {
        std::memcpy(bytes.data() + offset, &word, sizeof word);
    }

    TestSupport::LogCapture m_log;
    TestSupport::TempDir m_dir;
    TestSupport::ScopedWorkingDirectory m_cwd {m_dir.Path()};
};
