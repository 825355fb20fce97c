// The actor's actions that reach beyond its character: dialogs, items and
// sounds, some of them sent to the logic actors, which have no character.
#include "Adventure/Common/Actor.h"
#include "Adventure/Common/ActorServices.h"
#include "Dialogs/Common/DialogManager.h"
#include "FakeScriptableServices.h"
#include "Scene/Common/Character.h"
#include "Support/LogCapture.h"
#include "Support/ScopedService.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TestSupport::LogOf;

constexpr uint32_t HEROINE = 0xF0E7A990u;
constexpr uint32_t LOGIC_DIALOG = 0x80552EA9u;
constexpr uint32_t DIALOG_KEY = 0x6D1C84C0u;
constexpr int32_t SOUND = 726;

ActionDesc Action(int32_t type, int32_t v0 = 0, int32_t v1 = 0, int32_t v2 = 0)
{
    return ActionDesc {type, ID_SCRIPTABLE_INVALID, {}, {v0, v1, v2}};
}

// Notes every call; a dialog runs until the test ends it.
class FakeActorServices : public ActorServices {
public:
    bool StartDialog(int32_t iActionType, uint32_t uKey) override
    {
        m_calls.push_back("start " + std::to_string(iActionType) + " " + std::to_string(uKey));
        m_bDialog = m_bGroupLoaded;
        return m_bGroupLoaded;
    }
    bool IsDialogActive() override { return m_bDialog; }
    void EndDialog(int32_t iActionType) override { m_calls.push_back("end " + std::to_string(iActionType)); }
    void AddItem(uint32_t uItemId, int32_t iAmount) override
    {
        m_calls.push_back("add " + std::to_string(uItemId) + " x" + std::to_string(iAmount));
    }
    void RemoveItem(uint32_t uItemId, int32_t iAmount) override
    {
        m_calls.push_back("remove " + std::to_string(uItemId) + " x" + std::to_string(iAmount));
    }
    void PlayActorEffect(int32_t iSoundActor, int32_t iSoundId, fx32 volume) override
    {
        m_calls.push_back("sound " + std::to_string(iSoundId) + " on " + std::to_string(iSoundActor) + " at " +
                          std::to_string(volume));
    }

    std::vector<std::string> m_calls;
    bool m_bGroupLoaded = true;
    bool m_bDialog = false;
};

class ActorDialogSoundItemTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_actor.SetCharacter(&m_heroine);
        m_heroine.SetSoundActorIndex(2);
        m_registry.Register(m_actor, static_cast<int32_t>(HEROINE));
        m_registry.Register(m_logic, static_cast<int32_t>(LOGIC_DIALOG));
    }
    void TearDown() override { m_heroine.SetSoundActorIndex(-1); }

    FakeScriptableServices m_registry;
    FakeActorServices m_services;
    TestSupport::ScopedService<ActorServices> m_scope {SetActorServices, m_services};
    Character m_heroine;
    Actor m_actor {HEROINE};
    Actor m_logic {LOGIC_DIALOG};
};

TEST_F(ActorDialogSoundItemTest, ADialogActionWaitsForTheTalkScreen)
{
    struct Case {
        int32_t type;
        bool loaded;
        int32_t framesWaited;
    };
    for (const Case& c :
         {Case {ID_ACTION_TYPE_START_DIALOG, true, 3}, Case {ID_ACTION_TYPE_START_COMMON_DIALOG, true, 3},
          Case {ID_ACTION_TYPE_START_COMMON_DIALOG, false, 0}}) {
        SCOPED_TRACE(c.type);
        m_services.m_calls.clear();
        m_services.m_bGroupLoaded = c.loaded;
        m_logic.ExecuteAction(Action(c.type, static_cast<int32_t>(DIALOG_KEY)));
        int32_t frames = 0;
        while (!m_logic.IsIdle() && frames < 10) {
            m_services.m_bDialog = m_services.m_bDialog && frames < 2;
            m_logic.Update(16);
            ++frames;
        }
        EXPECT_EQ(frames, c.framesWaited);
        EXPECT_TRUE(m_logic.IsDone());
        std::vector<std::string> expected = {"start " + std::to_string(c.type) + " " + std::to_string(DIALOG_KEY)};
        // A dialog that never started has nothing to end.
        if (c.loaded)
            expected.push_back("end " + std::to_string(c.type));
        EXPECT_EQ(m_services.m_calls, expected);
    }
}

TEST_F(ActorDialogSoundItemTest, ACommonDialogNeverStartsInAFreeGroup)
{
    SetActorServices(nullptr);
    DialogManager::CreateSingleton();
    ASSERT_TRUE(DialogManager::GetInstance()->Initialize());
    GameActorServices services;
    bool started = true;
    const std::string log =
        LogOf([&] { started = services.StartDialog(ID_ACTION_TYPE_START_COMMON_DIALOG, DIALOG_KEY); });
    EXPECT_FALSE(started);
    EXPECT_NE(log.find("Dialog 0x6d1c84c0 not started: its common dialog group is not loaded\n"), std::string::npos)
        << log;
    EXPECT_FALSE(DialogManager::GetInstance()->IsDialogRunning());
    // Without a scene there is no scene group either.
    EXPECT_FALSE(LogOf([&] { started = services.StartDialog(ID_ACTION_TYPE_START_DIALOG, DIALOG_KEY); }).empty());
    EXPECT_FALSE(started);
    DialogManager::GetInstance()->Shutdown();
    DialogManager::DestroySingleton();
    SetActorServices(&m_services);
}

TEST_F(ActorDialogSoundItemTest, ItemActionsGoToThePlayingCharacterAndCompleteAtOnce)
{
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_ADD_ITEM, 0x1234, 2));
    EXPECT_TRUE(m_actor.IsIdle());
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_REMOVE_ITEM, 0x1234, 1));
    EXPECT_TRUE(m_actor.IsIdle());
    EXPECT_TRUE(m_actor.IsDone());
    EXPECT_EQ(m_services.m_calls, (std::vector<std::string> {"add 4660 x2", "remove 4660 x1"}));
}

TEST_F(ActorDialogSoundItemTest, ADelayedSoundPlaysOnTheFrameThatReachesItsDelay)
{
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_PLAY_ACTOR_SOUND, SOUND, 500, 4096));
    EXPECT_TRUE(m_actor.IsIdle()) << "the action itself is done at once";
    EXPECT_EQ(m_actor.GetBufferedAction().m_iActionType, ID_ACTION_TYPE_PLAY_ACTOR_SOUND);
    for (int frame = 0; frame < 31; ++frame)
        m_actor.Update(16);
    EXPECT_TRUE(m_services.m_calls.empty()) << "496 ms";
    m_actor.Update(16);
    EXPECT_EQ(m_services.m_calls, std::vector<std::string> {"sound 726 on 2 at 4096"});
    EXPECT_EQ(m_actor.GetBufferedAction().m_iActionType, ID_ACTION_TYPE_NONE);

    // A second held sound replaces the first; one without delay plays at once.
    m_services.m_calls.clear();
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_PLAY_ACTOR_SOUND, SOUND, 100, 4096));
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_PLAY_ACTOR_SOUND, SOUND + 1, 50, 2048));
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_PLAY_ACTOR_SOUND, SOUND + 2, 0, 1024));
    for (int frame = 0; frame < 10; ++frame)
        m_actor.Update(16);
    EXPECT_EQ(m_services.m_calls, (std::vector<std::string> {"sound 728 on 2 at 1024", "sound 727 on 2 at 2048"}));

    // The logic actors have no character to play it.
    m_services.m_calls.clear();
    m_logic.ExecuteAction(Action(ID_ACTION_TYPE_PLAY_ACTOR_SOUND, SOUND, 0, 4096));
    EXPECT_TRUE(m_logic.IsIdle());
    EXPECT_TRUE(m_services.m_calls.empty());
}

TEST_F(ActorDialogSoundItemTest, OnlySoundsCanBeHeldBack)
{
    const std::string log = LogOf([&] { m_actor.InstantAction(Action(ID_ACTION_TYPE_ADD_ITEM, 0x1234, 1)); });
    EXPECT_NE(log.find("only sound actions can be buffered"), std::string::npos) << log;
    EXPECT_TRUE(m_services.m_calls.empty());
}

} // namespace
