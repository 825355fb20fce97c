// The chapter start slots that the play-throughs begin from: what the start
// menu finds in them after the game's own start-up check, and what writing
// them leaves alone.
#include "Support/ChapterStartSlot.h"

#include "CardMngr/CardManager.h"
#include "Engine/Scripts/Common/SceneScriptTestKit.h"
#include "Inventory/Common/InventoryData.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/AdventureSaveLink.h"
#include "Managers/Common/SceneManager.h"
#include "Support/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int32_t START_MENU = 3;
constexpr int32_t START = 0;
constexpr int32_t SLOT1 = 8;
constexpr int32_t MAIN_LOGO = 33;

// The game's save managers started in the folder as start-up starts them,
// with the start menu's slot requests going to them.
class StartedGame {
public:
    explicit StartedGame(const TestSupport::TempDir& folder) : m_cwd(folder.Path())
    {
        CardManager* card = CardManager::CreateSingleton(SAVE_FILE_SIZE);
        card->UpdateStatus();
        m_uCardStatus = card->GetStatus();
        AdventureManager::CreateSingleton()->Initialize();
        SetScriptSaveLink(&m_oSlots);
    }
    StartedGame(const StartedGame&) = delete;
    StartedGame& operator=(const StartedGame&) = delete;
    ~StartedGame()
    {
        SetScriptSaveLink(nullptr);
        AdventureManager::DestroySingleton();
        CardManager::DestroySingleton();
    }

    // The save-file check makes a new file only for this status.
    uint32_t CardStatus() const { return m_uCardStatus; }
    static const SaveSlotData& Slot(int slot) { return *AdventureManager::GetInstance()->GetSaveSlot(slot); }

private:
    TestSupport::ScopedWorkingDirectory m_cwd;
    AdventureSaveLink m_oSlots;
    uint32_t m_uCardStatus = I_CARD_STATUS_ERROR;
};

class ChapterStartSlotTest : public SceneScriptTest {
protected:
    // Expects the slot to hold exactly the start.
    static void ExpectHolds(const SaveSlotData& data, const ChapterStart& start, int32_t chapter)
    {
        SCOPED_TRACE("chapter " + std::to_string(chapter));
        EXPECT_EQ(data.m_uPlayingCharacter, start.uPlayingCharacter);
        EXPECT_EQ(data.m_aVarInts[VARINT_C_PLAYING_CHARACTER], static_cast<int32_t>(start.uPlayingCharacter));
        EXPECT_EQ(data.m_iChapter, chapter);
        EXPECT_EQ(data.m_iCurrentScene, start.iSceneId);
        EXPECT_EQ(data.m_aVarInts[VARINT_C_CURRENT_SCENE], start.iSceneId);
        for (const fx32 volume :
             {data.m_fxAmbientVolume, data.m_fxMusicVolume, data.m_fxEffectsVolume, data.m_fxSpeechVolume})
            EXPECT_EQ(volume, FX32_ONE);
        EXPECT_EQ(data.GetPlayTime(), 0u);

        // The items in order, in the playing character's inventory only.
        const int inventory = AdventureManager::GetInventoryIndex(start.uPlayingCharacter);
        for (int index = 0; index < SAVE_INVENTORY_COUNT; ++index) {
            std::vector<uint32_t> expected(SAVE_INVENTORY_CELLS, 0);
            if (index == inventory)
                std::ranges::copy(start.items, expected.begin());
            const auto cells = data.GetInventory(index);
            EXPECT_EQ(std::vector<uint32_t>(cells.begin(), cells.end()), expected) << "inventory " << index;
        }

        // The start's flags and no other; its numbers.
        VarSet vars;
        std::copy(std::begin(data.m_aVarBools), std::end(data.m_aVarBools), vars.m_aBools);
        std::copy(std::begin(data.m_aVarInts), std::end(data.m_aVarInts), vars.m_aInts);
        const std::set<int32_t> flags(start.bools.begin(), start.bools.end());
        for (int32_t iVarId = 0; iVarId < VARBOOL_LAST; ++iVarId)
            EXPECT_EQ(vars.GetBool(iVarId) != 0, flags.count(iVarId) == 1) << "flag " << iVarId;
        for (const IntSetting& setting : start.ints)
            EXPECT_EQ(vars.GetInt(setting.iVarId), setting.iValue) << "number " << setting.iVarId;
        // A doubloon the chapter menu gives is one in the purse, as the menu's own gift counts it.
        const bool hasDoubloon = std::ranges::find(start.items, ITEM_DOUBLOON) != start.items.end();
        EXPECT_EQ(vars.GetInt(VARINT_INV_DOUBLOON), hasDoubloon ? 1 : 0);
    }
};

TEST_F(ChapterStartSlotTest, EveryChapterStartIsASavedGameThatTheStartMenuContinues)
{
    for (int32_t chapter = FIRST_STARTED_CHAPTER; chapter <= LAST_STARTED_CHAPTER; ++chapter) {
        SCOPED_TRACE("chapter " + std::to_string(chapter));
        const ChapterStart& start = *ChapterStartOf(chapter);
        // The test's own story is not touched by writing the slot.
        g_VarManager.SetBool(VARBOOL_ACTIVE_MAP, 1);
        SceneManager::SetPlayingCharacter(ActorIdOf("diego"));
        TestSupport::TempDir folder;
        ASSERT_TRUE(TestSupport::WriteChapterStartSlot(folder, chapter));
        EXPECT_EQ(g_VarManager.GetBool(VARBOOL_ACTIVE_MAP), 1);
        EXPECT_EQ(g_VarManager.GetInt(VARINT_CURRENT_CHAPTER), 0);
        EXPECT_EQ(SceneManager::GetPlayingCharacter(), ActorIdOf("diego"));
        EXPECT_EQ(TestSupport::ReadFileBytes(folder / "save.dat").size(), SAVE_FILE_SIZE);

        const StartedGame game(folder);
        EXPECT_EQ(game.CardStatus(), I_CARD_STATUS_READY);
        // Entering the start menu loads the file.
        EnterScene(START_MENU);
        const std::string log = TakeLog();
        EXPECT_NE(log.find("LoadFromBackup>Start"), std::string::npos) << log;
        EXPECT_EQ(log.find("refused"), std::string::npos) << log;
        EXPECT_EQ(log.find("corrupt"), std::string::npos) << log;
        ExpectHolds(StartedGame::Slot(0), start, chapter);
        for (const int slot : {1, 2})
            EXPECT_EQ(StartedGame::Slot(slot).m_iCurrentScene, 0) << "slot " << slot;

        // The first slot continues the game: no new game, no opening movie.
        states.m_queue.clear();
        for (const int32_t object : {MAIN_LOGO, START, SLOT1})
            Activate(object);
        const std::vector<std::pair<int32_t, int32_t>> continued = {{ScriptStateLink::STATE_DISPATCH, 0}};
        EXPECT_EQ(states.m_queue, continued);
        ExpectHolds(StartedGame::Slot(0), start, chapter);
    }
}

TEST_F(ChapterStartSlotTest, AnyStateGoesIntoItsSlotBesideTheOthersAndWhatCannotBeWrittenIsRefused)
{
    TestSupport::TempDir folder;
    ASSERT_TRUE(TestSupport::WriteChapterStartSlot(folder, 2));
    // A story at the docks in the second slot.
    const uint32_t items[] = {ItemNamed("ITEM_SWORD"), ItemNamed("ITEM_MAGNET")};
    const IntSetting ints[] = {{VARINT_CURRENT_CHAPTER, 2}, {VARINT_LOCAL_ISLAND_MAP, 0}};
    const int32_t bools[] = {VARBOOL_QUEST_C2_CREW01, VARBOOL_PICK_BO_MAP};
    const ChapterStart docks = {ActorIdOf("tavrine"), items, ints, bools, 13};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, docks, 1));
    const std::vector<uint8_t> written = TestSupport::ReadFileBytes(folder / "save.dat");

    {
        const StartedGame game(folder);
        EXPECT_EQ(AdventureManager::GetInstance()->LoadFromBackup(), SAVE_RESULT_DONE);
        ExpectHolds(StartedGame::Slot(0), *ChapterStartOf(2), 2);
        ExpectHolds(StartedGame::Slot(1), docks, 2);
        EXPECT_EQ(StartedGame::Slot(2).m_iCurrentScene, 0);

        // A running game's save managers are not the writer's to replace.
        EXPECT_FALSE(TestSupport::WriteChapterStartSlot(folder, 3));
    }
    EXPECT_FALSE(TestSupport::WriteChapterStartSlot(folder, 0));
    EXPECT_FALSE(TestSupport::WriteChapterStartSlot(folder, 11));
    EXPECT_FALSE(TestSupport::WriteChapterStartSlot(folder, 3, 3));
    const ChapterStart nowhere = {ActorIdOf("tavrine"), {}, {}, {}, 0};
    EXPECT_FALSE(TestSupport::WriteSlot(folder, nowhere));
    EXPECT_EQ(TestSupport::ReadFileBytes(folder / "save.dat"), written);
}

TEST_F(ChapterStartSlotTest, AChapterStartMovedIntoASceneKeepsItsStoryAndGainsTheItemsAfterItsOwn)
{
    TestSupport::TempDir folder;
    constexpr int32_t CHEMINS_HUT = 38;
    const uint32_t added[] = {ItemNamed("ITEM_CRAB_CLAW"), ItemNamed("ITEM_FLASK_WATER")};
    ASSERT_TRUE(TestSupport::WriteChapterStartSlotIn(folder, 7, CHEMINS_HUT, {added[0], added[1]}));

    const ChapterStart& start = *ChapterStartOf(7);
    std::vector<uint32_t> items(start.items.begin(), start.items.end());
    items.insert(items.end(), std::begin(added), std::end(added));
    const ChapterStart moved = {start.uPlayingCharacter, items, start.ints, start.bools, CHEMINS_HUT};
    {
        const StartedGame game(folder);
        EXPECT_EQ(AdventureManager::GetInstance()->LoadFromBackup(), SAVE_RESULT_DONE);
        ExpectHolds(StartedGame::Slot(0), moved, 7);
    }
    EXPECT_FALSE(TestSupport::WriteChapterStartSlotIn(folder, 11, CHEMINS_HUT, {}));
}

} // namespace
