// The house's front yard of chapter 1 in its sample scene, with the script
// behind it: drawn as the script leaves it with the children's ladder
// standing and with the kid on the ledge, and the kid's way back into the house walked on the real walk
// mesh, its blockers switched as the script switches them.
#include "Common/ActorIds.h"
#include "Common/IdHash.h"
#include "Common/SceneIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Engine/Scripts/Common/HotspotPictures.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"
#include "Scripts/Common/ScriptEvents.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr SceneId HOUSE_FRONT = 10;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using Object = NamedObject<SceneTableRows::s_aObjects_bg102_10>;

class HouseExteriorSampleSceneTest : public SampleSceneScriptTest {
protected:
    void SetTrue(std::initializer_list<int32_t> variables)
    {
        for (int32_t iVariable : variables)
            g_VarManager.SetBool(iVariable, 1);
    }
    // Fires the event and runs frames until its walk is over, within 60 s.
    void Play(const EventDesc& oEvent, const char* pWhat)
    {
        for (int frame = 0; frame < 10 && m_manager.IsBusy(); ++frame)
            Step();
        ASSERT_TRUE(m_manager.FireEvent(oEvent)) << pWhat;
        Step();
        // A scene change keeps the manager busy until the scene is left.
        const auto walking = [this] {
            return !m_manager.GetPendingEvent().IsEmpty() || m_manager.GetContext().GetCursor() != NO_NODE ||
                   !m_manager.GetContext().AreActionsDone();
        };
        for (int frame = 0; frame < 3750 && walking(); ++frame)
            Step();
        ASSERT_FALSE(walking()) << pWhat << " does not end";
        // Whoever stands where the walk left them, what is clickable is clicked.
        for (const std::string& fault : CoveredHotspots(*m_scene))
            ADD_FAILURE() << "after " << pWhat << ": " << fault;
    }
    void Step()
    {
        m_manager.Update(16);
        m_scene->Update(16);
    }
    // Whether the kid's feet stand on the waypoint.
    bool KidStandsAt(int32_t iWaypoint) const { return StandsAt(m_scene->m_iActiveCharacter, iWaypoint); }
    bool StandsAt(const char* pActor, int32_t iWaypoint) const
    {
        for (int32_t iSlot = 0; iSlot < m_scene->m_iNumCharacters; ++iSlot)
            if (m_scene->m_aCharacterIds[iSlot] == Id::GetActorId(pActor))
                return StandsAt(iSlot, iWaypoint);
        return false;
    }
    bool StandsAt(int32_t iSlot, int32_t iWaypoint) const
    {
        const CoreFxVec feet = m_scene->m_apCharacters[iSlot]->GetFeetPosition();
        const CoreFxVec& waypoint = m_scene->m_vLocators[iWaypoint].m_vPosition;
        return std::abs(feet.x - waypoint.x) <= 5 * FX32_ONE && std::abs(feet.y - waypoint.y) <= 5 * FX32_ONE &&
               std::abs(feet.z - waypoint.z) <= 5 * FX32_ONE;
    }
};

TEST_F(HouseExteriorSampleSceneTest, TheKidBeforeTheChildrensLadderInTheYardOfChapterOne)
{
    SetTrue({VARBOOL_BG103_C01_SEE_ALESSANDRO, VARBOOL_BG102_C01_EVENT_WITH_DIEGO, VARBOOL_BG102_C01_BOBBY_KID_HERE,
             VARBOOL_BG102_C01_BOBBY_POS, VARBOOL_BG102_C01_HUMAN_LADDER_HERE, VARBOOL_BG102_C01_FIXED_WATER_PUMP_2,
             VARBOOL_BG102_C01_FIXED_WATER_PUMP_3, VARBOOL_BG102_C01_PICK_PUMP_HANDLE});
    CoreRandom::Init(7);
    Enter(HOUSE_FRONT, 1, Id::GetActorId("tavrine_kid"));
    if (HasFatalFailure())
        return;
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);

    const Platform::RgbaImage image = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(image, "Engine/Scripts/Common/HouseExteriorChapter1", TOLERANCE));
}

TEST_F(HouseExteriorSampleSceneTest, TheKidOnTheLedgeWithTheChildrenBackInTheYard)
{
    SetTrue({VARBOOL_BG103_C01_SEE_ALESSANDRO, VARBOOL_BG102_C01_EVENT_WITH_DIEGO, VARBOOL_BG102_C01_BOBBY_KID_HERE,
             VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE, VARBOOL_BG102_C01_FIXED_WATER_PUMP_2,
             VARBOOL_BG102_C01_PICK_PUMP_HANDLE, VARBOOL_BG102_C01_PICK_MAGNET});
    CoreRandom::Init(7);
    Enter(HOUSE_FRONT, 1, Id::GetActorId("tavrine_kid"));
    if (HasFatalFailure())
        return;
    const Platform::RgbaImage image = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(image, "Engine/Scripts/Common/HouseExteriorLedge", TOLERANCE));
    // The way on, round the ledge she stands on, is drawn where it is
    // clicked, and nothing covers it or the yard below, whose ground is
    // plain ground.
    EXPECT_EQ(CoveredHotspots(*m_scene), std::vector<std::string> {});
    const CharactersHidden hidden(*m_scene);
    EXPECT_EQ(UnseenHotspots(*m_scene, FramePicture([&] { m_scene->Render(m_renderer); })),
              std::vector<std::string> {"bg102: floor at (128, 183) shows 0 % drawn"});
    // A click on the planter she stands on, on its top beside her or on its
    // face below, offers the way on.
    ASSERT_GE(m_scene->m_iActiveCharacter, 0);
    const CoreFxVec feet = m_scene->m_apCharacters[m_scene->m_iActiveCharacter]->GetScreenPosition();
    for (const fx32 below : {0, 12 * FX32_ONE, 24 * FX32_ONE})
        EXPECT_EQ(ObjectNameOf(m_scene->PickObjectAt(feet.x - 14 * FX32_ONE, feet.y + below)), "ledge") << below;
}

TEST_F(HouseExteriorSampleSceneTest, TheKidWalksFromDiegoUpTheChildrensLadderAndRoundTheLedgeIntoTheHouse)
{
    SetTrue({VARBOOL_BG103_C01_SEE_ALESSANDRO, VARBOOL_QUEST_C1_CHORES_DONE, VARBOOL_BG101_C01_PICK_WOODEN_SWORD});
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, 12);
    Enter(HOUSE_FRONT, 1, Id::GetActorId("tavrine_kid"));
    if (HasFatalFailure())
        return;
    ASSERT_GE(m_scene->m_iActiveCharacter, 0);
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_BG102_C01_EVENT_WITH_DIEGO));
    EXPECT_TRUE(KidStandsAt(13));

    Play(MakeEvent(TwEventType_Activate, Object("bedroom_window")), "the window");
    // The children come in from the path, through the gate that is shut to the kid.
    EXPECT_TRUE(StandsAt("bobby_kid", 6));
    EXPECT_TRUE(StandsAt("nell_kid", 16));
    Play(ScriptEvent_ItemOnObject3(Object("bedroom_window"), ItemIdOf("ITEM_BOBBY_KID")), "Bobby on the window");
    EXPECT_TRUE(KidStandsAt(9));
    Play(ScriptEvent_ItemOnObject3(Object("bedroom_window"), ItemIdOf("ITEM_NELL_KID")), "Nell on the window");
    ASSERT_TRUE(g_VarManager.GetBool(VARBOOL_BG102_C01_HUMAN_LADDER_HERE));
    // With the children's blockers on, the kid still reaches the ladder's foot.
    Play(ScriptEvent_Object1(Object("human_ladder")), "a look at the ladder");
    EXPECT_TRUE(KidStandsAt(15));

    Play(MakeEvent(TwEventType_Activate, Object("human_ladder")), "the ladder");
    // The climb's dialog sends its two callbacks.
    Play(ScriptEvent_Hash9(static_cast<int32_t>(0x1CBA7D92)), "the climb");
    Play(ScriptEvent_Hash9(static_cast<int32_t>(0x85B32C28)), "the children stepping back");
    EXPECT_TRUE(KidStandsAt(14));

    // Along the ledge, and not down its slope to the yard.
    Play(MakeEvent(TwEventType_Activate, Object("floor")), "the yard below");
    EXPECT_TRUE(KidStandsAt(26));
    Play(MakeEvent(TwEventType_Activate, Object("ledge")), "the ledge");
    EXPECT_TRUE(KidStandsAt(27));
    EXPECT_TRUE(m_manager.IsChangePending());
    EXPECT_EQ(m_manager.GetNextSceneId(), 9);
}

TEST_F(HouseExteriorSampleSceneTest, TheWindowClimbsTheStandingLadderAndTheChildrenStepBackToTheirPlaces)
{
    SetTrue({VARBOOL_BG103_C01_SEE_ALESSANDRO, VARBOOL_BG102_C01_EVENT_WITH_DIEGO, VARBOOL_BG102_C01_BOBBY_KID_HERE,
             VARBOOL_BG102_C01_BOBBY_POS, VARBOOL_BG102_C01_HUMAN_LADDER_HERE});
    Enter(HOUSE_FRONT, 1, Id::GetActorId("tavrine_kid"));
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(StandsAt("bobby_kid", 7) && StandsAt("nell_kid", 8));

    Play(MakeEvent(TwEventType_Activate, Object("bedroom_window")), "the window");
    EXPECT_TRUE(KidStandsAt(15));
    ASSERT_TRUE(g_VarManager.GetBool(VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE));
    // The climb's dialog sends its two callbacks.
    Play(ScriptEvent_Hash9(static_cast<int32_t>(0x1CBA7D92)), "the climb");
    EXPECT_TRUE(KidStandsAt(30));
    // The children leave the places under the window that held them.
    Play(ScriptEvent_Hash9(static_cast<int32_t>(0x85B32C28)), "the children stepping back");
    EXPECT_TRUE(KidStandsAt(14));
    EXPECT_TRUE(StandsAt("bobby_kid", 6));
    EXPECT_TRUE(StandsAt("nell_kid", 16));
}

// The kid is the selected character: she walks round the children, and
// their places must leave her own free.
TEST_F(HouseExteriorSampleSceneTest, TheChildrenWaitingInTheYardLeaveTheKidsPlacesFree)
{
    SetTrue({VARBOOL_BG103_C01_SEE_ALESSANDRO, VARBOOL_BG102_C01_EVENT_WITH_DIEGO, VARBOOL_BG102_C01_BOBBY_KID_HERE});
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, 9);
    Enter(HOUSE_FRONT, 1, Id::GetActorId("tavrine_kid"));
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(StandsAt("bobby_kid", 6) && StandsAt("nell_kid", 16));
    EXPECT_TRUE(KidStandsAt(3));
    Play(ScriptEvent_Object1(Object("water_pump")), "a look at the pump");
    EXPECT_TRUE(KidStandsAt(19));
    Play(ScriptEvent_Object1(Object("large_barrel")), "a look at the barrel");
    EXPECT_TRUE(KidStandsAt(18));
    Play(ScriptEvent_ItemOnObject3(Object("bedroom_window"), ItemIdOf("ITEM_BOBBY_KID")), "Bobby on the window");
    EXPECT_TRUE(KidStandsAt(9));
}

} // namespace
