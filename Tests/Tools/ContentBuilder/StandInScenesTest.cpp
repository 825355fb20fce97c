// The 3D scenes' picture agrees with their 3D description, and every scene of
// the scene table without a source gets a stand-in that the scene writers
// take: its row's objects, a door with a caption for each exit, characters
// only where there is a figure, and waypoints on painted floor.
#include "ContentBuilder/ContentError.h"
#include "ContentBuilder/SceneFiles.h"
#include "ContentBuilder/ScenePaintingCheck.h"
#include "ContentBuilder/StandInSource.h"
#include "ContentBuilder/TextPainter.h"
#include "Common/SceneIds.h"
#include "Scripts/Common/StandInExits.h"

#include <gmock/gmock.h>

#include <set>

namespace {

using testing::HasSubstr;

// A 3D room: its floor painted from its walk mesh, one waypoint on it.
nlohmann::json Room()
{
    return nlohmann::json::parse(R"({
      "textures": [ { "name": "room", "size": [256, 192], "shapes": [ { "walkMesh": true, "colour": "#808080" } ] },
                    { "name": "flat", "size": [256, 192], "shapes": [ { "rect": [0, 0, 256, 192], "colour": "#808080" } ] } ],
      "layers": [ { "name": "main", "size": [256, 192], "sprites": [
          { "name": "picture", "position": [0, 0], "depth": -63, "size": [256, 192], "textures": ["room"] },
          { "name": "lamp", "position": [0, 0], "depth": -20, "size": [8, 8], "textures": ["flat"] } ] } ],
      "locators": [ { "name": "start", "position": [0, 0, 0] } ],
      "camera": { "position": [0, -400, 250], "target": [0, 0, 0], "fieldOfView": 45, "near": 10, "far": 2000 },
      "walkMesh": { "vertices": [[-100, -100, 0], [100, -100, 0], [100, 100, 0], [-100, 100, 0]],
                    "triangles": [[0, 1, 2], [0, 2, 3]] }
    })");
}

std::string FaultOf(const nlohmann::json& source)
{
    try {
        CheckPaintedFromScene(source, "room.json");
    } catch (const ContentError& error) {
        return error.what();
    }
    return "";
}

TEST(StandInScenesTest, A3DSceneIsRefusedUnlessItsBackgroundIsPaintedFromItsWalkMeshAndItsWaypointsStandOnIt)
{
    EXPECT_EQ(FaultOf(Room()), "");

    // The backmost sprite is the background, wherever it is listed.
    nlohmann::json flat = Room();
    flat["layers"][0]["sprites"][0]["textures"] = {"flat"};
    EXPECT_THAT(FaultOf(flat), HasSubstr("the background \"picture\" of a 3D scene must show a texture"));
    nlohmann::json behind = Room();
    behind["layers"][0]["sprites"][1]["depth"] = -64;
    EXPECT_THAT(FaultOf(behind), HasSubstr("the background \"lamp\""));
    // A floor painted inside a group counts; a texture of another pack does not.
    nlohmann::json grouped = Room();
    grouped["textures"][0]["shapes"] = {{{"group", grouped["textures"][0]["shapes"]}}};
    EXPECT_EQ(FaultOf(grouped), "");
    nlohmann::json elsewhere = Room();
    elsewhere["layers"][0]["sprites"][0]["textures"] = {"Int_pointers"};
    EXPECT_THAT(FaultOf(elsewhere), HasSubstr("must show a texture of the scene's own"));

    nlohmann::json off = Room();
    off["locators"].push_back({{"name", "shore"}, {"position", {150, 0, 0}}});
    EXPECT_THAT(FaultOf(off), HasSubstr("waypoint shore (1) at [150,0,0] stands on no floor of the walk mesh"));
    nlohmann::json edge = Room();
    edge["locators"].push_back({{"name", "corner"}, {"position", {100, 100, 0}}});
    EXPECT_EQ(FaultOf(edge), "");

    // A 2D scene has nothing to agree with.
    nlohmann::json picture = Room();
    picture.erase("camera");
    picture.erase("walkMesh");
    EXPECT_EQ(FaultOf(picture), "");
}

TEST(StandInScenesTest, EveryRowsStandInIsItsRowWithADoorPerExitOnPaintedFloor)
{
    StandInCast cast;
    cast.figures = {"tavrine"};
    cast.animations["tavrine"] = nlohmann::json::array({{"idle", "g_idle_l"}});
    int standIns = 0;
    for (const SceneDesc* const* ppRow = Id::GetSceneRegistry(); *ppRow != nullptr; ++ppRow) {
        const SceneDesc& row = **ppRow;
        SCOPED_TRACE(row.m_pName);
        const nlohmann::json source = StandInSource(row, cast);
        // The writers take it, as the game's files of the row.
        EXPECT_NO_THROW(WriteSceneDescription(source, &row, row.m_pName));
        EXPECT_EQ(source.contains("camera"), row.m_bIs3D != 0);
        if (row.m_bIs3D) {
            EXPECT_NO_THROW(WriteScene3DFile(source, row.m_pName));
            EXPECT_NO_THROW(CheckPaintedFromScene(source, row.m_pName));
        }
        EXPECT_EQ(source["dialogs"].get<bool>(), row.m_bHasDialog != 0);
        // The picture names the place.
        bool named = false;
        for (const nlohmann::json& shape : source["textures"][0]["shapes"])
            named = named || shape.value("text", std::string()) == PlaceName(row.m_pName);
        EXPECT_TRUE(named);

        // One captioned door per exit, and the exits' captions name a place
        // in every language.
        std::set<std::string> exits;
        for (int32_t i = 0; i < row.m_iNbObjects; ++i)
            if (StandInExitOf(row.m_ppObjectNames[i]).m_eKind != StandInExitKind::None)
                exits.insert(row.m_ppObjectNames[i]);
        std::set<std::string> doors;
        for (const nlohmann::json& entity : source["entities"]) {
            EXPECT_TRUE(entity.contains("region") && entity.contains("caption")) << entity.dump();
            doors.insert(entity["name"].get<std::string>());
        }
        EXPECT_EQ(doors, exits);
        for (const char* language : {"en-GB", "fr-FR", "de-DE", "it-IT", "es-ES"}) {
            const std::vector<TextRow> texts = StandInTexts(row, language);
            EXPECT_EQ(texts.size(), exits.size()) << language;
            for (const TextRow& text : texts)
                EXPECT_FALSE(text.text.empty()) << language;
        }

        // Only the characters with a figure stand in the row's sets.
        for (const nlohmann::json& set : source.value("actorSets", nlohmann::json::array()))
            for (const nlohmann::json& character : set["characters"])
                EXPECT_EQ(character["name"], "tavrine");
        ++standIns;
    }
    EXPECT_EQ(standIns, ID_SCENE_LAST - 1);

    EXPECT_EQ(PlaceName("bg111_BO_BriscoesHouseInterior_B"), "Briscoes House Interior B");
    EXPECT_EQ(PlaceName("bg801_CU_01_ShamansHut"), "01 Shamans Hut");
    EXPECT_EQ(PlaceName("bg994_start_demo"), "start demo");
}

TEST(StandInScenesTest, ExitsLeadWhereTheirNamesSay)
{
    const struct {
        const char* object;
        StandInExitKind kind;
        int32_t iSceneId;
    } cases[] = {
        {"goto_bg104", StandInExitKind::Scene, 12},  {"goto_bg111", StandInExitKind::Scene, 18},
        {"goto_wm", StandInExitKind::WorldMap, 57},  {"the_winsome_maid", StandInExitKind::WorldMap, 57},
        {"exit", StandInExitKind::PreviousScene, 0}, {"goto_hollow_map", StandInExitKind::MapTab, 0},
        {"goto_bg999x", StandInExitKind::MapTab, 0}, {"wreck_small_boat", StandInExitKind::None, 0},
        {"goto_", StandInExitKind::MapTab, 0},
    };
    for (const auto& c : cases) {
        const StandInExit exit = StandInExitOf(c.object);
        EXPECT_EQ(exit.m_eKind, c.kind) << c.object;
        EXPECT_EQ(exit.m_iSceneId, c.iSceneId) << c.object;
    }
    EXPECT_EQ(StandInExitOf(nullptr).m_eKind, StandInExitKind::None);
}

TEST(StandInScenesTest, TextIsPaintedCentredOnItsPlaceInItsFace)
{
    const std::string face = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    const uint8_t white[4] = {255, 255, 255, 255};
    RgbaImage image(96, 24);
    PaintText(image, "Docks", 40, 4, 14, face, white);
    uint32_t left = image.width;
    uint32_t right = 0;
    uint32_t top = image.height;
    for (uint32_t y = 0; y < image.height; ++y)
        for (uint32_t x = 0; x < image.width; ++x)
            if (image.At(x, y)[3] == 255) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
            }
    ASSERT_LT(left, right);
    EXPECT_LE(std::abs(int(left + right) - 80), 3);
    EXPECT_GE(top, 4u);
    EXPECT_THROW(PaintText(image, "Docks", 40, 4, 14, "/nowhere.ttf", white), ContentError);
}

} // namespace
