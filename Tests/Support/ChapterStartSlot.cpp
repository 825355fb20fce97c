#include "Support/ChapterStartSlot.h"

#include "CardMngr/CardManager.h"
#include "Game/TwGame.h"
#include "Inventory/Common/InventoryData.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/SceneManager.h"
#include "Managers/Common/SoundManager.h"
#include "Managers/Common/VarManager.h"
#include "Support/MainHeap.h"

#include <algorithm>
#include <string>
#include <vector>

namespace TestSupport {

namespace {

// The live state the save path reads, kept and put back.
class KeptLiveState {
public:
    KeptLiveState() = default;
    KeptLiveState(const KeptLiveState&) = delete;
    KeptLiveState& operator=(const KeptLiveState&) = delete;
    ~KeptLiveState()
    {
        g_VarManager = m_vars;
        SceneManager::SetPlayingCharacter(m_uPlayingCharacter);
        g_oTwGame.m_iGameLanguage = m_iGameLanguage;
        g_oTwGame.m_iVoiceLanguage = m_iVoiceLanguage;
        g_oTwGame.m_uGameClock = m_uGameClock;
        SoundManager::m_fxMasterAmbientVolume = m_fxAmbient;
        SoundManager::m_fxMasterMusicVolume = m_fxMusic;
        SoundManager::m_fxMasterEffectsVolume = m_fxEffects;
        SoundManager::m_fxMasterSpeechVolume = m_fxSpeech;
    }

private:
    VarSet m_vars = g_VarManager;
    uint32_t m_uPlayingCharacter = SceneManager::GetPlayingCharacter();
    int32_t m_iGameLanguage = g_oTwGame.m_iGameLanguage;
    int32_t m_iVoiceLanguage = g_oTwGame.m_iVoiceLanguage;
    uint64_t m_uGameClock = g_oTwGame.m_uGameClock;
    fx32 m_fxAmbient = SoundManager::m_fxMasterAmbientVolume;
    fx32 m_fxMusic = SoundManager::m_fxMasterMusicVolume;
    fx32 m_fxEffects = SoundManager::m_fxMasterEffectsVolume;
    fx32 m_fxSpeech = SoundManager::m_fxMasterSpeechVolume;
};

// The save file's manager and the slots' owner as start-up makes them, in
// the folder, for as long as the object lives.
class SaveManagers {
public:
    explicit SaveManagers(const TempDir& folder) : m_cwd(folder.Path())
    {
        CardManager* card = CardManager::CreateSingleton(SAVE_FILE_SIZE);
        card->UpdateStatus();
        if (card->GetStatus() == I_CARD_STATUS_NO_FILE)
            card->CreateDataFiles();
        m_bReady = card->GetStatus() == I_CARD_STATUS_READY;
        AdventureManager::CreateSingleton()->Initialize();
    }
    SaveManagers(const SaveManagers&) = delete;
    SaveManagers& operator=(const SaveManagers&) = delete;
    ~SaveManagers()
    {
        AdventureManager::DestroySingleton();
        CardManager::DestroySingleton();
    }

    bool IsReady() const { return m_bReady; }

private:
    ScopedWorkingDirectory m_cwd;
    bool m_bReady = false;
};

// A new game's live state (languages English, no time played, full
// volumes) as the slots' owner leaves it, then the start's.
void SetLiveState(const ChapterStart& state)
{
    SceneManager::SetPlayingCharacter(state.uPlayingCharacter);
    g_VarManager.SetInt(VARINT_C_PLAYING_CHARACTER, static_cast<int32_t>(state.uPlayingCharacter));
    // The chapter menu gives the items one by one: each doubloon goes into the purse before its numbers are set.
    g_VarManager.SetInt(VARINT_INV_DOUBLOON, static_cast<int32_t>(std::ranges::count(state.items, ITEM_DOUBLOON)));
    for (const IntSetting& setting : state.ints)
        g_VarManager.SetInt(setting.iVarId, setting.iValue);
    for (const int32_t iVarId : state.bools)
        g_VarManager.SetBool(iVarId, 1);
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, state.iSceneId);
}

} // namespace

testing::AssertionResult WriteSlot(const TempDir& folder, const ChapterStart& state, int slot)
{
    if (slot < 0 || slot >= NB_SLOT)
        return testing::AssertionFailure() << "there is no slot " << slot;
    if (state.iSceneId < ID_SCENE_FIRST || state.iSceneId >= ID_SCENE_LAST)
        return testing::AssertionFailure() << "there is no scene " << state.iSceneId;
    if (state.items.size() > SAVE_INVENTORY_CELLS)
        return testing::AssertionFailure() << state.items.size() << " items do not fit the inventory";
    // The test's own game would lose its slots and save file.
    if (CardManager::GetInstance() != nullptr || AdventureManager::GetInstance() != nullptr)
        return testing::AssertionFailure() << "a game's save managers are running in the test process";

    EnsureMainHeap();
    const KeptLiveState kept;
    g_VarManager = VarSet {};
    g_oTwGame.m_iGameLanguage = 0;
    g_oTwGame.m_iVoiceLanguage = 0;
    g_oTwGame.m_uGameClock = 0;
    SoundManager::m_fxMasterAmbientVolume = FX32_ONE;
    SoundManager::m_fxMasterMusicVolume = FX32_ONE;
    SoundManager::m_fxMasterEffectsVolume = FX32_ONE;
    SoundManager::m_fxMasterSpeechVolume = FX32_ONE;

    const SaveManagers managers(folder);
    if (!managers.IsReady())
        return testing::AssertionFailure() << "\"save.dat\" in " << folder.Path() << " can be neither read nor made";
    const int inventory = AdventureManager::GetInventoryIndex(state.uPlayingCharacter);
    if (inventory < 0)
        return testing::AssertionFailure() << "the playing character has no inventory";

    SetLiveState(state);
    AdventureManager& adventure = *AdventureManager::GetInstance();
    SaveSlotData& data = *adventure.GetSaveSlot(slot);
    adventure.StoreGameState(&data);
    // Without the in-game menu the inventory is the slot's to fill.
    std::ranges::copy(state.items, data.GetInventory(inventory).begin());
    if (adventure.SaveToBackup(slot) != SAVE_RESULT_DONE)
        return testing::AssertionFailure() << "\"save.dat\" in " << folder.Path() << " was not written";
    return testing::AssertionSuccess();
}

testing::AssertionResult WriteChapterStartSlot(const TempDir& folder, int32_t chapter, int slot)
{
    const ChapterStart* start = ChapterStartOf(chapter);
    if (start == nullptr)
        return testing::AssertionFailure() << "the chapter menu starts no chapter " << chapter;
    return WriteSlot(folder, *start, slot);
}

testing::AssertionResult WriteChapterStartSlotIn(const TempDir& folder, int32_t chapter, int32_t sceneId,
                                                 std::initializer_list<uint32_t> addedItems)
{
    const ChapterStart* start = ChapterStartOf(chapter);
    if (start == nullptr)
        return testing::AssertionFailure() << "the chapter menu starts no chapter " << chapter;
    std::vector<uint32_t> items(start->items.begin(), start->items.end());
    items.insert(items.end(), addedItems);
    return WriteSlot(folder, {start->uPlayingCharacter, items, start->ints, start->bools, sceneId});
}

} // namespace TestSupport
