// The script of a scene without one of its own: the set that holds the
// playing character comes on, the playing character stands first and those
// of its characters that are made after her, and each exit goes where its
// name says, the ship out to the world map as the boat.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Scripts/Common/SceneScripts.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr uint32_t HEROINE = ActorIdOf("tavrine");
constexpr uint32_t KID = ActorIdOf("tavrine_kid");
constexpr uint32_t BOAT = ActorIdOf("boat_windsome_maid");

int32_t ObjectOf(int32_t iSceneId, const char* pName)
{
    const SceneDesc& row = *Id::GetSceneDesc(iSceneId);
    for (int32_t i = 0; i < row.m_iNbObjects; ++i)
        if (std::strcmp(row.m_ppObjectNames[i], pName) == 0)
            return i;
    ADD_FAILURE() << pName << " is no object of scene " << iSceneId;
    return 0;
}

// The script a scene's row would have without one of its own.
SceneScript* StandInOf(int iSceneId)
{
    return CreateStandInSceneScript(*Id::GetSceneDesc(iSceneId));
}

class StandInSceneScriptTest : public SceneScriptTest {
protected:
    void Enter(int32_t iSceneId, uint32_t uPlaying, int32_t iFrom = 0)
    {
        g_VarManager = VarSet {};
        g_VarManager.SetInt(VARINT_C_PLAYING_CHARACTER, static_cast<int32_t>(uPlaying));
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, iFrom);
        scene.m_uPlayingCharacter = uPlaying;
        EnterScene(iSceneId);
        // From now on the scene is there, as it is in the game.
        scene.m_bHasScene = true;
        scene.m_iSceneId = iSceneId;
        scene.Take();
    }
    bool Called(const std::string& call) const
    {
        return std::find(scene.m_calls.begin(), scene.m_calls.end(), call) != scene.m_calls.end();
    }
};

TEST_F(StandInSceneScriptTest, TheSetOfThePlayingCharacterComesOnWithHerAtTheFirstPlace)
{
    // The flat-top hill as its stand-in would play it: the kid's set in
    // chapter 1, the grown heroine's else.
    constexpr int32_t HILL = 11;
    manager.SetSceneScriptMaker(&StandInOf);
    g_VarManager = VarSet {};
    g_VarManager.SetInt(VARINT_C_PLAYING_CHARACTER, static_cast<int32_t>(KID));
    scene.m_uPlayingCharacter = KID;
    scene.Take();
    EnterScene(HILL);
    const std::vector<std::string> calls = scene.Take();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "actor set Chapter_1"), calls.end());
    EXPECT_EQ(At(ActorScriptableId(KID)).ValuesOf(ID_ACTION_TYPE_PLACE_AT_WAYPOINT), std::vector<int32_t> {0});
    // The others of her set follow in the set's order.
    const SceneDesc& row = *Id::GetSceneDesc(HILL);
    for (int32_t s = 0; s < row.m_iNbActorSets; ++s) {
        const ActorSetRecord& set = row.m_pActorSets[s];
        if (std::strcmp(set.m_pName, "Chapter_1") != 0)
            continue;
        ASSERT_EQ(set.m_aActorIds[0], KID);
        for (int32_t c = 1; c < MAX_ACTORS_PER_SET && set.m_aActorIds[c] != 0; ++c)
            EXPECT_EQ(At(ActorScriptableId(set.m_aActorIds[c])).ValuesOf(ID_ACTION_TYPE_PLACE_AT_WAYPOINT),
                      std::vector<int32_t> {c});
    }

    g_VarManager.SetInt(VARINT_C_PLAYING_CHARACTER, static_cast<int32_t>(HEROINE));
    scene.m_uPlayingCharacter = HEROINE;
    EnterScene(HILL);
    const std::vector<std::string> grown = scene.Take();
    EXPECT_NE(std::find(grown.begin(), grown.end(), "actor set default"), grown.end());
}

TEST_F(StandInSceneScriptTest, ACharacterWhoseContentIsNotMadeIsLeftOutOfThePlaces)
{
    // The monument of Tanner island before its birds are drawn: she and the
    // second bird stand, and no action goes to the first.
    constexpr int32_t MONUMENT = 41;
    const int32_t firstBird = ActorScriptableId(ActorIdOf("bird01"));
    const int32_t secondBird = ActorScriptableId(ActorIdOf("bird02"));
    manager.SetSceneScriptMaker([](int iSceneId) { return CreateStandInSceneScript(*Id::GetSceneDesc(iSceneId)); });
    unmade.insert(firstBird);
    const std::string log = TestSupport::LogOf([&] { Enter(MONUMENT, HEROINE); });
    EXPECT_EQ(At(ActorScriptableId(HEROINE)).ValuesOf(ID_ACTION_TYPE_PLACE_AT_WAYPOINT), std::vector<int32_t> {0});
    EXPECT_EQ(At(secondBird).ValuesOf(ID_ACTION_TYPE_PLACE_AT_WAYPOINT), std::vector<int32_t> {1});
    EXPECT_EQ(log.find("ASSERT"), std::string::npos) << log;
}

TEST_F(StandInSceneScriptTest, EachExitGoesWhereItsNameSays)
{
    // The rows as their stand-ins would play them, scripted since or not.
    manager.SetSceneScriptMaker(&StandInOf);
    // Drake's office: the door inside, and the island's map on the map tab.
    Enter(25, HEROINE);
    Activate(ObjectOf(25, "goto_bg205"));
    EXPECT_EQ(NextScene(), 26);
    Enter(25, HEROINE);
    Activate(ObjectOf(25, "goto_cr_map"));
    EXPECT_TRUE(Called("post 0 1"));
    EXPECT_EQ(NextScene(), 0);

    // The ship at a jetty sails out to the world map as the boat: Beauty bay
    // as its stand-in would play it.
    manager.SetSceneScriptMaker([](int iSceneId) { return CreateStandInSceneScript(*Id::GetSceneDesc(iSceneId)); });
    Enter(43, HEROINE);
    Activate(ObjectOf(43, "goto_wm"));
    EXPECT_TRUE(Called("playing " + FakeSceneLink::Hex(BOAT)));
    EXPECT_EQ(NextScene(), 57);

    // A close-up goes back where the player came from.
    Enter(54, HEROINE, 26);
    Activate(ObjectOf(54, "exit"));
    EXPECT_EQ(NextScene(), 26);
}

} // namespace
