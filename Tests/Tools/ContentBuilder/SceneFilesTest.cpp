// The scene writers of the content builder: faults named with their place,
// names resolved to indices and ids, and the scenes step's files.
#include "Adventure/Common/Entity.h"
#include "ContentBuilder/ContentError.h"
#include "ContentBuilder/ContentSteps.h"
#include "ContentBuilder/SceneFiles.h"
#include "Common/SceneIds.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SerialStream.h"
#include "Support/FakeSceneServices.h"
#include "Support/LogCapture.h"
#include "Support/TestPaths.h"

#include <gmock/gmock.h>

namespace {

using testing::HasSubstr;

nlohmann::json Scene2D()
{
    return nlohmann::json::parse(R"({
      "name": "test_room",
      "layers": [ { "name": "main", "size": [256, 192],
        "sprites": [
          { "name": "a", "id": 1, "position": [0, 0], "depth": -20, "size": [8, 8], "textures": ["t"] },
          { "name": "b", "entity": "lamp", "position": [0, 0], "depth": -20, "size": [8, 8], "textures": ["t"] },
          { "name": "c", "position": [0, 0], "depth": -20, "size": [8, 8], "textures": ["t"] } ],
        "regions": [ { "name": "door", "entity": "door", "depth": -30, "position": [0, 0], "size": [10, 10] } ] } ],
      "entities": [ { "name": "door", "region": "door" }, { "name": "lamp", "sprites": ["b", "c"] } ],
      "actorSets": [ { "name": "default", "characters": [ { "name": "tavrine" } ] } ]
    })");
}

nlohmann::json Scene3D()
{
    nlohmann::json source = Scene2D();
    source.merge_patch(nlohmann::json::parse(R"({
      "camera": { "position": [0, -400, 250], "target": [0, 0, 0], "fieldOfView": 45, "near": 10, "far": 2000 },
      "lights": [ { "type": "directional", "direction": [0, 0, -1], "colour": [1, 1, 1] } ],
      "walkMesh": { "vertices": [[-100, -100, 0], [100, -100, 0], [100, 100, 0]], "triangles": [[0, 1, 2]] }
    })"));
    return source;
}

// The fault the writers throw for the source, "" when they write it.
std::string FaultOf(const nlohmann::json& source, const SceneDesc* row = nullptr)
{
    try {
        WriteSceneDescription(source, row, "test_room.json");
        if (source.contains("camera"))
            WriteScene3DFile(source, "test_room.json");
    } catch (const ContentError& error) {
        return error.what();
    }
    return "";
}

TEST(SceneFilesTest, FaultsInTheSourceNameTheirPlace)
{
    const struct {
        const char* patch;
        const char* fault;
    } cases[] = {
        {R"({"entities": [{"name": "door", "region": "door"}, {"name": "lamp", "sprites": ["x"]}]})",
         "test_room.json: entity \"lamp\": no sprite \"x\" in the layers"},
        {R"({"entities": [{"name": "door", "region": "door", "sprites": ["a"]}, {"name": "lamp"}]})",
         "an entity has sprites or a region, not both"},
        {R"({"entities": [{"name": "door", "events": ["Look", "Look", "Look", "Look", "Look"]}, {"name": "lamp"}]})",
         "\"events\" must be a list of at most 4"},
        {R"({"entities": [{"name": "door", "events": ["Smell"]}, {"name": "lamp"}]})", "no event type \"Smell\""},
        {R"({"entities": [{"name": "door"}, {"name": "door"}]})", "entity \"door\" is listed twice"},
        {R"({"mainLayer": "back"})", "no layer \"back\" for \"mainLayer\""},
        {R"({"layers": []})", "a scene needs at least one layer"},
        {R"({"actorSets": [{"name": "default", "characters": [{"name": "nobody"}]}]})",
         "actor set \"default\": character 0: \"nobody\" is not an actor of the actor table"},
        {R"({"actorSets": [{"name": "default", "characters": [{"name": "tavrine", "animations": [["idle", "hop"]]}]}]})",
         "\"tavrine\" has no animation \"hop\""},
        {R"({"actorSets": [{"name": "default", "characters": [{"name": "tavrine", "animations": [["dance", "g_idle_l"]]}]}]})",
         "no animation type \"dance\""},
        {R"({"actorSets": [{"name": "default", "attachments": ["spoon"]}]})",
         "\"spoon\" is not an attachment of the attachment table"},
        // A character without its own list takes its actor's from the scene.
        {R"({"animations": {"tavrine": [["idle", "hop"]]}})", "\"tavrine\" has no animation \"hop\""},
        {R"({"animations": {"tavrine": {"idle": "g_idle_l"}}})",
         "the scene's \"animations\" of \"tavrine\" must be a list"},
        {R"({"animations": [["idle", "g_idle_l"]]})", "the scene's \"animations\" must map actors to their lists"},
        {R"({"animations": {"tavrin": [["idle", "g_idle_l"]]}})",
         "the scene's \"animations\" name \"tavrin\", no actor of the actor table"},
        {R"({"camera": {"fieldOfView": 0}})", "camera: \"fieldOfView\" must be an angle between 0 and 180 degrees"},
        {R"({"camera": {"near": 3000}})", "camera: \"near\" must lie between 0 and \"far\""},
        {R"({"lights": [{"type": "spot", "colour": [1, 1, 1]}]})",
         "light 0: \"type\" must be \"directional\" or \"omni\""},
        {R"({"lights": [{}, {}, {}, {}, {}]})", "\"lights\" must be a list of at most 4 lights"},
        {R"({"walkMesh": null})", "walkMesh"},
    };
    for (const auto& c : cases) {
        nlohmann::json source = Scene3D();
        source.merge_patch(nlohmann::json::parse(c.patch));
        EXPECT_THAT(FaultOf(source), HasSubstr(c.fault)) << c.patch;
    }
    EXPECT_EQ(FaultOf(Scene3D()), "");
    nlohmann::json own = Scene3D();
    own.merge_patch(nlohmann::json::parse(R"({"animations": {"tavrine": [["idle", "hop"]]}})"));
    own["actorSets"][0]["characters"][0]["animations"] = nlohmann::json::parse(R"([["idle", "g_idle_l"]])");
    EXPECT_EQ(FaultOf(own), "") << "a character's own list comes before the scene's";

    nlohmann::json ghost = Scene2D();
    ghost["layers"][0]["sprites"][1]["entity"] = "ghost";
    EXPECT_THAT(FaultOf(ghost), HasSubstr("\"b\" names entity \"ghost\", which the scene does not have"));

    // A scene of the scene table has only the entities of its row.
    nlohmann::json stranger = Scene2D();
    stranger["entities"] = {{{"name", "sofa"}}};
    stranger["layers"][0]["sprites"][1].erase("entity");
    stranger["layers"][0]["regions"][0].erase("entity");
    EXPECT_THAT(FaultOf(stranger, Id::GetSceneDesc(9)), HasSubstr("entity \"sofa\" is not an object of scene 9"));
}

TEST(SceneFilesTest, NamesBecomeIndicesAndFreeIds)
{
    TestSupport::FakeSceneServices services;
    const std::vector<uint8_t> bytes = WriteSceneDescription(Scene2D(), nullptr, "test_room.json");
    Scene scene;
    SerialStream stream(bytes.data(), bytes.size(), "test_room.twscene.pc");
    TestSupport::LogCapture capture;
    ASSERT_TRUE(scene.Initialize2D(stream));
    const Layer& main = scene.m_vLayers[0];
    // "a" keeps its id; the others take the free ones in order.
    EXPECT_EQ(main.m_vSprites[0].m_iId, 1);
    EXPECT_EQ(main.m_vSprites[1].m_iId, 0);
    EXPECT_EQ(main.m_vSprites[2].m_iId, 2);
    EXPECT_EQ(main.m_vSprites[1].m_iEntityIndex, 1);
    EXPECT_EQ(main.m_vRegions[0].m_iEntityIndex, 0);
    EXPECT_EQ(scene.m_vEntities[1].m_aSpriteIds[0], 0);
    EXPECT_EQ(scene.m_vEntities[1].m_aSpriteIds[1], 2);
    EXPECT_EQ(scene.m_vEntities[0].m_iRegionId, 0);
    // Without a save slot the entity has no label; without a caption it has
    // the id of no text, not text 0.
    EXPECT_EQ(scene.m_vEntities[0].GetSlotLabel(), nullptr);
    EXPECT_EQ(scene.m_vEntities[0].m_uCaptionTextId, 0xFFFFFFFFu);
}

TEST(SceneFilesTest, TheScenesStepWritesEveryFileOfAScene)
{
    TestSupport::TempDir folder;
    const std::filesystem::path content = TestSupport::SourceDir() / "Content";
    ASSERT_TRUE(BuildScenes(content, folder.Path()));
    for (const char* file :
         {"scenes/bg101_BO_CastilloLivingRoom.twscene.pc", "scenes/bg101_BO_CastilloLivingRoom.3dscene.o",
          "scenes/bg101_BO_CastilloLivingRoom.twscene.dr", "scenes/bg101/default/tavrine.dr"})
        EXPECT_TRUE(std::filesystem::exists(folder / file)) << file;

    // A source named after no scene of the table stops the step.
    TestSupport::TempDir other;
    other.WriteFile("Scenes/bg999_Nowhere.json", "{}");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(BuildScenes(other.Path(), other / "data"));
    EXPECT_THAT(testing::internal::GetCapturedStderr(),
                HasSubstr("bg999_Nowhere.json: the scene table has no scene \"bg999_Nowhere\""));

    // So does a sprite texture that no pack holds.
    nlohmann::json source = Scene2D();
    source["actorSets"] = nlohmann::json::array();
    other.WriteFile("Scenes/bg101_BO_CastilloLivingRoom.json", source.dump());
    std::filesystem::remove(other / "Scenes/bg999_Nowhere.json");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(BuildScenes(other.Path(), other / "data"));
    EXPECT_THAT(testing::internal::GetCapturedStderr(),
                HasSubstr("sprite \"a\" shows texture \"t\", which no pack holds"));

    // And a row of the scene table that the scenes folder holds no source of.
    TestSupport::TempDir empty;
    std::filesystem::create_directories(empty / "Scenes");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(BuildScenes(empty.Path(), empty / "data"));
    EXPECT_THAT(testing::internal::GetCapturedStderr(),
                HasSubstr("scene \"bg900_chapter_menu\" has no source Scenes/bg900_chapter_menu.json"));
}

} // namespace
