// The ship's corridor as the game loads it: the heroine reaches every place
// its script walks her to in each chapter with its people, with the wet floor
// of chapter 8 fenced off; the fly leaves its bottle with the real figures
// acting; and what the player sees on the way to the crew meeting.
#include "Common/ActorIds.h"
#include "Common/IdHash.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/ScriptEvents.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId CORRIDOR = 6;
constexpr SceneId TAVRINES_CABIN = 5;
// A place on the right of the corridor, away from everybody.
constexpr int32_t MIDDLE = 9;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

class CorridorSceneTest : public SampleSceneWalkTest {
protected:
    // Fires the event and runs frames until its handler is over.
    void Play(const EventDesc& oEvent)
    {
        m_manager.Update(16);
        ASSERT_TRUE(m_manager.FireEvent(oEvent));
        int frame = 0;
        for (; frame < 3000 && (frame < 2 || m_manager.IsBusy()); ++frame) {
            m_manager.Update(16);
            m_scene->Update(16);
        }
        EXPECT_LT(frame, 3000) << "the handler never ends";
    }
};

TEST_F(CorridorSceneTest, TheHeroineReachesEveryPlaceHerScriptWalksHerToInEveryChapterWithItsPeople)
{
    const uint32_t heroine = Id::GetActorId("tavrine");
    struct Visit {
        int32_t iChapter;
        // Who stands in the corridor, and where.
        const char* pPerson;
        int32_t iPersonWaypoint;
    } const visits[] = {{2, nullptr, 0}, {4, "diego", 4}, {6, "diego", 4}, {8, "nacho", 7}};
    for (const Visit& visit : visits) {
        SCOPED_TRACE(visit.iChapter);
        g_VarManager = VarSet {};
        g_VarManager.SetBool(VARBOOL_QUEST_C8_JUSTICE03_DONE, 1);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TAVRINES_CABIN);
        Enter(CORRIDOR, visit.iChapter, heroine);
        ASSERT_EQ(m_scene->m_iNumCharacters, 3);
        EXPECT_LE(DistanceTo(heroine, 0), 5);
        if (visit.pPerson != nullptr) {
            EXPECT_LE(DistanceTo(Id::GetActorId(visit.pPerson), visit.iPersonWaypoint), 5);
        }
        // The wet floor is fenced off in chapter 8 only.
        EXPECT_EQ(m_scene->m_oWalkMesh.IsInActiveBlocker(m_scene->m_vLocators[7].m_vPosition), visit.iChapter == 8);

        const std::set<int32_t> waypoints = WalkTargets(heroine);
        EXPECT_GE(waypoints.size(), 13u);
        for (const int32_t iWaypoint : waypoints) {
            EXPECT_FALSE(m_scene->m_oWalkMesh.IsInActiveBlocker(m_scene->m_vLocators[iWaypoint].m_vPosition))
                << "waypoint " << iWaypoint;
            ExpectReaches(heroine, MIDDLE, iWaypoint);
        }
    }
}

TEST_F(CorridorSceneTest, TheFlyLeavesItsBottleAtAlessandrosDoorWithTheFiguresActing)
{
    const uint32_t heroine = Id::GetActorId("tavrine");
    // Diego has gone ashore with the anchor talk and is not back.
    g_VarManager.SetBool(VARBOOL_BG002_C06_TALK_DIEGO_ABOUT_ANCHOR, 1);
    Enter(CORRIDOR, 6, heroine);
    Play(ScriptEvent_Hash9(static_cast<int32_t>(0x94c08250)));
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_BG002_C06_USE_TSETSEFLY_ON_ALESSANDROSDOOR), 1);
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_QUEST_C6_SLEEPY_FLY04_DONE), 1);
    // The bottle is bound to her hand and taken off again.
    EXPECT_FALSE(m_log.Contains("Attachment \"bottle\"")) << m_log.Text();
}

TEST_F(CorridorSceneTest, OnTheWayToTheCrewMeetingTheDullPlateLiesByTheWall)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TAVRINES_CABIN);
    Enter(CORRIDOR, 2, Id::GetActorId("tavrine"));
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(FramePicture([&] { m_scene->Render(m_renderer); }),
                                                "Engine/Scripts/Common/CorridorChapter2", TOLERANCE));
}

} // namespace
