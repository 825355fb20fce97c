// The graveyard as the game loads it: in each chapter, with its people in
// their places and the way out's blocker on, the heroine reaches every place
// her script walks her to; the way out only once the exit opens it; both get
// to the statue for the climb, and back from the telescope both climb down
// and she walks on; and the first chapter-3 visit drawn, Razzo in at his
// place.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/ScriptEvents.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr SceneId GRAVEYARD = 24;
constexpr SceneId TELESCOPE_CLOSE_UP = 52;
constexpr int32_t RAZZOS_PLACE = 0;
constexpr int32_t BY_RAZZO = 5;
constexpr int32_t STAND = 7;
constexpr int32_t LEAVING = 8;
constexpr int32_t STATUE = 12;
constexpr int32_t EXIT = 20;
constexpr int32_t EXIT_OBJECT = 8;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

class GraveyardWalksTest : public SampleSceneWalkTest {
protected:
    const uint32_t m_uRazzo = Id::GetActorId("razzo");
    const uint32_t m_uPriest = Id::GetActorId("father_jerome");
};

TEST_F(GraveyardWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerToInEveryChapter)
{
    // Razzo has joined; the priest waits at his place over the open grave.
    for (const int32_t iFlag :
         {VARBOOL_BG203_C03_FIRST_TIME, VARBOOL_QUEST_C8_POLE01, VARBOOL_BG202_C08_HAVE_WHITTLED_POLE,
          VARBOOL_BG203_C08_EVENT_PRIEST_IS_WORRIED, VARBOOL_QUEST_C8_JUSTICE01, VARBOOL_BG203_C07_EVENT_FULL_MOON})
        Set(iFlag);
    for (const int32_t iChapter : {1, 3, 7, 8}) {
        SCOPED_TRACE(testing::Message() << "chapter " << iChapter);
        Enter(GRAVEYARD, iChapter, m_uHeroine);
        EXPECT_LE(DistanceTo(m_uHeroine, STAND), 8);
        if (iChapter == 3) {
            EXPECT_LE(DistanceTo(m_uRazzo, RAZZOS_PLACE), 8);
        }
        if (iChapter == 8) {
            EXPECT_LE(DistanceTo(m_uPriest, 11), 8);
        }

        std::set<int32_t> waypoints = HeroineWalks();
        EXPECT_EQ(waypoints.size(), 22u);
        // Both lie beyond the way out's blocker: walked to only with it off.
        waypoints.erase(LEAVING);
        waypoints.erase(EXIT);
        for (const int32_t iWaypoint : waypoints) {
            // From the middle, or from the statue for a place near it: the
            // engine ends walks of a few steps early.
            const int32_t iStart =
                Apart(m_scene->m_vLocators[STAND].m_vPosition, m_scene->m_vLocators[iWaypoint].m_vPosition) >= 60
                    ? STAND
                    : STATUE;
            ExpectReaches(m_uHeroine, iStart, iWaypoint);
        }

        // The way out stays shut but while its handler takes her there: the
        // map opens over her, or the priest calls her back, and she is a step
        // in again with the way shut, whole on the screen.
        WalkTo(m_uHeroine, STAND);
        WalkTo(m_uHeroine, EXIT);
        EXPECT_GT(DistanceTo(m_uHeroine, EXIT), 8);
        WalkTo(m_uHeroine, STAND);
        Fire(MatchExpr::MakeEvent0(EXIT_OBJECT).m_oEvent);
        EXPECT_LE(DistanceTo(m_uHeroine, STAND), 8);
        WalkTo(m_uHeroine, EXIT);
        EXPECT_GT(DistanceTo(m_uHeroine, EXIT), 8);
    }
}

TEST_F(GraveyardWalksTest, BothGetToTheStatueForTheClimbAndBackFromTheTelescopeClimbDownAndWalkOn)
{
    Set(VARBOOL_BG203_C03_FIRST_TIME);
    Enter(GRAVEYARD, 3, m_uHeroine);
    // Razzo at the statue first; she stops short of him if they stand close.
    Fire(ScriptEvent_Hash9(static_cast<int32_t>(0xce9c138eu)));
    EXPECT_LE(DistanceTo(m_uRazzo, 1), 8);
    EXPECT_LE(DistanceTo(m_uHeroine, 18), 8);

    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TELESCOPE_CLOSE_UP);
    Enter(GRAVEYARD, 3, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uRazzo, 1), 8);
    Fire(ScriptEvent_Hash9(static_cast<int32_t>(0x57954234u)));
    Fire(ScriptEvent_Hash9(static_cast<int32_t>(0x209272a2u)));
    EXPECT_LE(DistanceTo(m_uRazzo, RAZZOS_PLACE), 8);
    WalkTo(m_uHeroine, STAND);
    EXPECT_LE(DistanceTo(m_uHeroine, STAND), 8);
}

TEST_F(GraveyardWalksTest, EveryHotspotIsPickedAtItsCentreWithEachChaptersPeopleStandingAtTheirPlaces)
{
    // A person's picking box reaches up to the horizon wherever he stands:
    // the back row leaves room for Razzo and the priest, one chapter each.
    for (const int32_t iFlag :
         {VARBOOL_BG203_C03_FIRST_TIME, VARBOOL_QUEST_C8_POLE01, VARBOOL_BG202_C08_HAVE_WHITTLED_POLE,
          VARBOOL_BG203_C08_EVENT_PRIEST_IS_WORRIED, VARBOOL_QUEST_C8_JUSTICE01, VARBOOL_BG203_C07_EVENT_FULL_MOON})
        Set(iFlag);
    for (const int32_t iChapter : {1, 3, 7, 8}) {
        SCOPED_TRACE(testing::Message() << "chapter " << iChapter);
        Enter(GRAVEYARD, iChapter, m_uHeroine);
        EXPECT_EQ(CoveredHotspots(*m_scene), std::vector<std::string> {});
    }
    // Razzo's place leaves room for her to walk up and talk to him.
    Enter(GRAVEYARD, 3, m_uHeroine);
    EXPECT_GE(ClickableObjects(*m_scene).size(), 12u);
    WalkTo(m_uHeroine, BY_RAZZO);
    EXPECT_LE(DistanceTo(m_uHeroine, BY_RAZZO), 8);
    EXPECT_EQ(CoveredHotspots(*m_scene), std::vector<std::string> {});
}

TEST_F(GraveyardWalksTest, RazzoWalksInOnTheFirstVisitOfChapterThree)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, 22);
    CoreRandom::Init(7);
    Enter(GRAVEYARD, 3, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uHeroine, STAND), 8);
    EXPECT_LE(DistanceTo(m_uRazzo, RAZZOS_PLACE), 8);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/GraveyardChapter3", TOLERANCE));
}

} // namespace
