// Sample scenes drawn on the OpenGL device as their scripts leave them at a
// moment of the story, each compared with its reference picture: who stands
// where, what is shown and what is hidden.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;
// A scene whose number of characters the picture alone checks.
constexpr int32_t UNCOUNTED = -1;

// A scene at a moment of the story: its reference picture's name, the scene
// and the chapter, the playing character, the numbers and the flags set
// before entering, the random seed and the characters the scene holds.
struct SceneMoment {
    const char* pGolden;
    SceneId iScene;
    int32_t iChapter;
    std::vector<std::pair<int32_t, int32_t>> numbers;
    std::vector<int32_t> flags;
    uint32_t uSeed;
    int32_t iCharacters;
    const char* pCharacter;
};

// The scene entered in the chapter from the scene before, on the seed, with
// so many characters; the flags and other numbers set; the playing character.
SceneMoment Moment(const char* pGolden, SceneId iScene, int32_t iChapter, int32_t iFrom, uint32_t uSeed,
                   int32_t iCharacters, std::vector<int32_t> flags = {},
                   std::vector<std::pair<int32_t, int32_t>> numbers = {}, const char* pCharacter = "tavrine")
{
    numbers.emplace_back(VARINT_C_PREVIOUS_STATE, iFrom);
    return {pGolden, iScene, iChapter, std::move(numbers), std::move(flags), uSeed, iCharacters, pCharacter};
}

const SceneMoment MOMENTS[] = {
    // Alessandro's cabin of chapter 2 after the meeting: the heroine in from the door, her father at his place and
    // Diego by the bed.
    Moment("AlessandrosCabinChapter2", 7, 2, 6, 7, 5, {VARBOOL_BG003_C02_EVENT_FIRST_TIME}),
    // Alessandro's cabin at night in chapter 8 once uncle Eduardo is back: the heroine in from the corridor, Alessandro
    // and Briscoe in their places and the uncle on his globe.
    Moment(
        "AlessandrosCabinNightChapter8", 8, 8, 6, 7, 5,
        {VARBOOL_BG004_C08_EVENT_INTRO, VARBOOL_BG004_C08_EVENT_BACK_WITH_UNCLE_EDUARDO, VARBOOL_QUEST_C8_PEN_PAPER01}),
    // The altar house seen from outside: in chapter 9 with the sleepy guard by the house and the caterpillars in the
    // basket; in chapter 10 with the heroine held at the foot of the stairs by the two guards and Uncle Eduardo called
    // to the house.
    Moment("AltarHouseExteriorChapter9", 45, 9, 44, 7, UNCOUNTED),
    Moment("AltarHouseExteriorChapter10", 45, 10, 50, 7, 5,
           {VARBOOL_BG509_C10_TALK_TANAMA_ABOUT_SHAMAN_HUT, VARBOOL_BG504_C10_INT_SHAMANS_HUT,
            VARBOOL_BG504_C10_SHAMAN_AND_HILARY, VARBOOL_QUEST_C10_SPIRITEGG_02_DONE,
            VARBOOL_BG504_C10_LEAVING_THE_SHAMANS_HUT, VARBOOL_BG504_C10_EDUARDO_HERE}),
    // The altar house's inside in chapter 9 once Eduardo has flown in: the heroine in her trap with the pins, Briscoe
    // and Alessandro held beside her, Eduardo on the floor, the altar with the amber turtle, the posts under the roof
    // opening, the plank, the chest and the shackles.
    Moment("AltarHouseInteriorChapter9", 46, 9, 46, 7, 5,
           {VARBOOL_QUEST_C9_ESCAPE, VARBOOL_BG505_C09_INT_AMBER_TURTLE, VARBOOL_BG505_C09_AMBER_TURTLE_CLOSEUP,
            VARBOOL_BG505_C09_TALK_SHAMAN, VARBOOL_BG505_C09_TALK_HILARY, VARBOOL_BG505_C09_NOT_SO_GOOD,
            VARBOOL_BG505_C09_EDUARDO_HERE},
           {}, "boat_windsome_maid"),
    // Beauty bay when the heroine lands in chapter 9 with Diego and the islanders known: Briscoe on the sand, Diego by
    // the trees, Uncle Eduardo below the high branches, the shell, the berry bush, the sign and the row boat.
    Moment("BeautyBayChapter9", 43, 9, 6, 7, 4, {VARBOOL_BG002_C09_TALK_DIEGO_ABOUT_AXE, VARBOOL_QUEST_C9_ISLANDERS}),
    // The front of Briscoe's house in chapter 5 while the guards stand: the two guards at the door, Briscoe and the
    // heroine hiding in the yard, the rum set down before them.
    Moment("BriscoesHouseChapter5", 17, 5, 15, 7, 5,
           {VARBOOL_BG110_C05_EVENT_BRISCOE_WORRIES, VARBOOL_BG105_C05_EVENT_COMPLETED_ERRANDS,
            VARBOOL_BG110_C05_USE_STRONGRUM_ON_GUARDS}),
    // Briscoe's house inside in chapter 5 once the arrival has been played: Elizabeth tied to her chair by the candle
    // and the lit lamp, Briscoe near her and the heroine at her talking place, the door open behind them.
    Moment("BriscoesHouseInterior", 18, 5, 0, 7, 4, {VARBOOL_BG111_C05_EVENT_ELIZABETH_ANGER}),
    // Buck's place when the heroine climbs up from the jetty in chapter 6: Buck asleep in his hammock, Briscoe behind
    // her, the cold fire place and the broken bridge.
    Moment("BucksPlaceChapter6", 40, 6, 39, 7, 3),
    // The burial chamber when the heroine comes down from the monument in chapter 6: the sarcophagus grimy, its glass
    // panel under the dust, the depression's water and the dark chamber without torch or candles.
    Moment("BurialChamberChapter6", 42, 6, 41, 6, 4),
    // Briscoe's burning house as a saved game with half the time spent finds it: thick
    // smoke, two fires and the flames by the tapestry, Thomas and Elizabeth in a panic.
    Moment("BurningHouseChapter5", 19, 5, 0, 7, 3, {VARBOOL_BG111_C05_EVENT_BURNIN_HOUSE},
           {{VARINT_BURNING_HOUSE, 50}}),
    // Carmine's monument in chapter 6 when the heroine comes up from Buck's place: the seagulls on their rock, the
    // undergrowth, the drawbridge raised over the chasm, and on the far side the stone pillar before the monument and
    // the strange fly.
    Moment("CarminesMonument", 41, 6, 40, 7, 3),
    // Chemin's hut in chapter 7: outside when the heroine has climbed up from the village, Tana at the door and the
    // roof over the hut; inside, the roof gone, with Chemin in his trance on his throne and the mixture brewing over
    // the fire.
    Moment("CheminsHutOutside", 38, 7, 36, 7, 3),
    Moment("CheminsHutInside", 38, 7, 36, 7, UNCOUNTED,
           {VARBOOL_BG311_C07_INSIDE_HUT, VARBOOL_BG311_C07_CRAB_CLAW_ON_FIREPLACE,
            VARBOOL_BG311_C07_CABA_FLOWERS_PETALS_ON_FIREPLACE, VARBOOL_BG311_C07_VESSEL_AND_INGREDIENTS_ON_FIREPLACE,
            VARBOOL_BG311_C07_FIREPLACE_ON_FIRE, VARBOOL_BG311_C07_SMOKE_RISING_VESSEL}),
    // The dark reefs of Hollow island in chapter 4 once the ladder stands: Briscoe tied to his post, Diego and the
    // heroine down on the reefs, the broken egg shell and the chest.
    Moment("DarkReefsChapter4", 35, 4, 34, 7, 4, {VARBOOL_BG303_C04_PICK_LADDER, VARBOOL_BG308_C04_EVENT_LADDER}),
    // The docks of Crab island when the heroine lands in chapter
    // 3: Sonia and Razzo on the quay, the lamp cold and the map case dark.
    Moment("DocksCrabIslandChapter3", 22, 3, 57, 7, 3),
    // Drake's office in chapter 8, back from the safe's lock with the right combination: Mabel by the statues, the
    // portrait swung aside on the open safe and its folder.
    Moment("DrakesOffice", 26, 8, 54, 7, 2,
           {VARBOOL_BG205_C08_EVENT_TAKING_IT_IN, VARBOOL_QUEST_C8_JUSTICE01, VARBOOL_QUEST_C8_NOTES04,
            VARBOOL_BG205_C08_OPEN_PORTRAIT, VARBOOL_BG205_C08_SAFE_RIGHT_CONBINATION}),
    // The street before Drake's office when the heroine comes up from the docks in chapter 8: the two guards at the
    // office door, Dinsdale with his pole, the priest's house with its canopy and the rose trellis.
    Moment("DrakesOfficeOutsideChapter8", 25, 8, 22, 7, 5),
    // The garden beside the town hall when the heroine comes up from Percy's square in chapter 4 with Diego already
    // called in: the column whole, the shed with its door open, the flowers and the town hall's garden side.
    Moment("GardenChapter4", 33, 4, 31, 7, 2, {}, {{VARINT_DIEGO_SCENE, 6}}),
    // The golden turtle inn once the heroine has met uncle Eduardo in chapter 8: the landlord at the end of his bar,
    // the guest on his stool, Eduardo and Diego.
    Moment("GoldenTurtleInnChapter8", 27, 8, 25, 8, 5, {VARBOOL_QUEST_C8_TURTLE_INN03_DONE}),
    // Hollow island's jetty when the heroine lands again in chapter 4: she stands at the end of the jetty beside the
    // ship, Briscoe waits on the jetty and Sancha on the quay.
    Moment("HollowIslandJettyChapter4", 28, 4, 57, 7, 4, {VARBOOL_BG301_C04_EVENT_BRISCOE_TAGS_ALONG}),
    // The yard before the family house when the heroine comes up the path in chapter 5 after the talk about the locked
    // house: Diego waits by the shut door, the pump, the rope and the house.
    Moment("HouseExteriorAChapter5", 20, 5, 12, 7, 2,
           {VARBOOL_BG112_C05_EVENT_MEMORIES, VARBOOL_BG002_C05_TALK_DIEGO_ABOUT_LOCKEDHOUSE}),
    // The jetty below the cliff when the heroine comes ashore in chapter 6 with Briscoe and Diego: the ship at the
    // jetty, the boards floating beside it, the shrubs over the anchor, the piton, the stone on its ledge and the bare
    // scaffolding.
    Moment("JettyAndCliffChapter6", 39, 6, 6, 7, 3,
           {VARBOOL_BG002_C06_TALK_DIEGO_ABOUT_ANCHOR, VARBOOL_BG401_C06_EVENT_BRISCOE_TOO}),
    // The family's living room years on when the heroine comes back in from the street in chapter 5 after the chest's
    // blast: the flowers on the painting, the crossbow on the wall and the chest still closed.
    Moment("LivingRoomYearsOnChapter5", 21, 5, 20, 7, 4,
           {VARBOOL_BG113_C05_EVENT_SAD_MEMORIES, VARBOOL_BG113_C05_EVENT_WHAT_WAS_THAT}),
    // The first ruins of Turtle island in chapter 9 when she is
    // back from the bay with the first seven stones of the bridge found: the guard by the lever beyond the pit, the
    // stones over the dark.
    Moment("RuinsChapter9", 44, 9, 43, 7, 3, {VARBOOL_BG502_C09_TAKING_A_MOMENT}, {{VARINT_TAVRINE_BRIDGE_POS, 43}}),
    // The town hall square in chapter 2 as the heroine comes in from the docks: whole on the screen by the right
    // edge, Razzo by the flag pole.
    Moment("TownHallSquareFromTheDocksChapter2", 15, 2, 13, 7, UNCOUNTED),
    // The town hall's reception on Hollow island when the heroine comes in from the square in chapter 4: Miss Brown at
    // her desk, the chest shut, the key rack and the wall map.
    Moment("TownHallReceptionChapter4", 32, 4, 31, 7, 2),
    // The first town square of Hollow island in chapter 4 once everybody has come: Briscoe, Diego and Vasco in the
    // square, Nathaniel's door shut.
    Moment("TownSquareAChapter4", 29, 4, 28, 7, 5,
           {VARBOOL_BG302_C04_EVENT_FIRST_TIME, VARBOOL_BG302_C04_BRISCO_HERE, VARBOOL_BG302_C04_DIEGO_HERE,
            VARBOOL_BG302_C04_VASCO_HERE},
           {{VARINT_DIEGO_SCENE, 2}}),
    // The middle town square of Hollow island in chapter 4 once the bell is known to be broken: Sancha back at her
    // stall, Diego waiting in the square, the ladder against the wall.
    Moment("TownSquareBChapter4", 30, 4, 29, 7, 3, {VARBOOL_QUEST_C4_FIX_BELL}, {{VARINT_DIEGO_SCENE, 3}}),
    // Percy's town square when the heroine first comes up from the market in chapter 4: the stall empty, the broken
    // clapper in the bell, the garden gate shut and Percy away.
    Moment("TownSquareCChapter4", 31, 4, 30, 7, 2),
    // The turtle beach: in chapter 9 the heroine behind the rocks spying on Tanama and the islander digging for eggs
    // with Bobby standing by; in chapter 10 the empty beach she comes down to from the turtle path.
    Moment("TurtleBeachChapter9", 47, 9, 45, 7, 5),
    Moment("TurtleBeachChapter10", 47, 10, 48, 7, UNCOUNTED, {VARBOOL_BG506_C09_USE_TURTLE_MASK}),
    // The turtle path when the heroine comes back from the beach in chapter 10 before the puzzle: Tanama by the shut
    // turtle door, Uncle Eduardo on his globe, the statues, the two shells, the carving above the door and the altar
    // with its dull turtles.
    Moment("TurtlePathChapter10", 48, 10, 47, 7, 3, {VARBOOL_BG508_C10_EVENT_WERE_HERE}),
    // The voodoo temple when the heroine comes in from the village in chapter 7: Bajari ill on his mat, the statue and
    // the skeleton.
    Moment("VoodooTempleChapter7", 37, 7, 36, 7, 2),
    // The voodoo village when the heroine first comes in by the road in chapter 7: the two guards with their staffs
    // before the shut temple, Tana among the huts, the tree to climb.
    Moment("VoodooVillageChapter7", 36, 7, 31, 7, 4),
};

// Names the moment in the test's listing by its picture.
void PrintTo(const SceneMoment& moment, std::ostream* pStream)
{
    *pStream << moment.pGolden;
}

class SceneGoldenImagesTest : public SampleSceneScriptTest, public testing::WithParamInterface<SceneMoment> { };

TEST_P(SceneGoldenImagesTest, TheSceneDrawsAsItsScriptLeavesIt)
{
    const SceneMoment& moment = GetParam();
    for (const auto& [iVarId, iValue] : moment.numbers)
        g_VarManager.SetInt(iVarId, iValue);
    for (const int32_t iFlag : moment.flags)
        g_VarManager.SetBool(iFlag, 1);
    CoreRandom::Init(moment.uSeed);
    Enter(moment.iScene, moment.iChapter, Id::GetActorId(moment.pCharacter));
    if (moment.iCharacters != UNCOUNTED) {
        ASSERT_EQ(m_scene->m_iNumCharacters, moment.iCharacters);
    }
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(
        TestSupport::MatchesGoldenImage(picture, std::string("Engine/Scripts/Common/") + moment.pGolden, TOLERANCE));
}

INSTANTIATE_TEST_SUITE_P(Scenes, SceneGoldenImagesTest, testing::ValuesIn(MOMENTS),
                         [](const testing::TestParamInfo<SceneMoment>& info) { return info.param.pGolden; });

} // namespace
