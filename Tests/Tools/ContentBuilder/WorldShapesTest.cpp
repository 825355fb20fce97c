// Shapes of a scene's textures that stand in its 3D space: drawn where the
// game's camera shows them, and faults named with their place.
#include "ContentBuilder/ContentError.h"
#include "ContentBuilder/SceneCamera.h"
#include "ContentBuilder/WorldShapes.h"

#include <gmock/gmock.h>

namespace {

using testing::HasSubstr;

nlohmann::json Room()
{
    return nlohmann::json::parse(R"({
      "camera": { "position": [0, -300, 160], "target": [0, 300, 54], "fieldOfView": 40, "near": 10, "far": 2000 },
      "walkMesh": { "vertices": [[-100, 0, 0], [100, 0, 0], [100, 200, 0], [-100, 200, 0]],
                    "triangles": [[0, 1, 2], [0, 2, 3]] }
    })");
}

std::string FaultOf(const nlohmann::json& texture, const nlohmann::json& scene)
{
    try {
        ProjectWorldShapes(texture, scene, "room.json: texture \"wall\"");
    } catch (const ContentError& error) {
        return error.what();
    }
    return "";
}

TEST(WorldShapesTest, WorldShapesBecomeThePolygonsTheGamesCameraShows)
{
    const nlohmann::json texture = nlohmann::json::parse(R"({
      "name": "floor", "size": [64, 32], "screen": [100, 150],
      "shapes": [ { "rect": [0, 0, 4, 4], "colour": "#FF0000" },
                  { "group": [ { "walkMesh": true, "colour": "#7A5434" } ] },
                  { "world": [[0, 100, 0], [50, 100, 0], [50, 100, 80]], "colour": "#C8B08A" } ]
    })");
    const nlohmann::json drawn = ProjectWorldShapes(texture, Room(), "room.json");
    const Camera camera = ReadSceneCamera(Room()["camera"], "camera");
    const auto expectAt = [&](const nlohmann::json& corner, const CoreFxVec& world) {
        const CoreFxVec screen = camera.ProjectToScreen(world);
        EXPECT_NEAR(corner[0].get<double>(), screen.x / 4096.0 - 100, 1e-9);
        EXPECT_NEAR(corner[1].get<double>(), screen.y / 4096.0 - 150, 1e-9);
    };
    // Flat shapes stay as they are.
    EXPECT_EQ(drawn["shapes"][0], texture["shapes"][0]);
    // One polygon per walk-mesh triangle, in the triangle's order.
    const nlohmann::json& floor = drawn["shapes"][1]["group"][0]["group"];
    ASSERT_EQ(floor.size(), 2u);
    EXPECT_EQ(floor[1]["colour"], "#7A5434");
    expectAt(floor[1]["polygon"][1], {100 * 4096, 200 * 4096, 0});
    expectAt(drawn["shapes"][2]["polygon"][2], {50 * 4096, 100 * 4096, 80 * 4096});
    // A texture without shapes is left alone.
    EXPECT_EQ(ProjectWorldShapes(Room(), Room(), "room.json"), Room());
}

TEST(WorldShapesTest, FaultsNameTheShapeAndWhatIsMissing)
{
    const auto world = [](const char* points) {
        return nlohmann::json::parse(std::string(R"({"shapes": [{"world": )") + points + R"(, "colour": "#000000"}]})");
    };
    nlohmann::json flat = Room();
    flat.erase("camera");
    EXPECT_EQ(FaultOf(world("[[0, 100, 0], [1, 100, 0], [1, 100, 1]]"), flat),
              "room.json: texture \"wall\": shape 0: a world shape needs the scene's \"camera\"");
    EXPECT_THAT(FaultOf(world("[[0, 100, 0], [1, 100, 0], [0, -400, 0]]"), Room()),
                HasSubstr("shape 0: the point [0.0,-400.0,0.0] lies behind the camera"));
    EXPECT_THAT(FaultOf(world("[[0, 100, 0], [1, 100, 0]]"), Room()),
                HasSubstr("\"world\" must be a list of at least 3 points [x, y, z]"));
    EXPECT_THAT(FaultOf(world("[[0, 100], [1, 100, 0], [1, 100, 1]]"), Room()), HasSubstr("is not a point [x, y, z]"));
    nlohmann::json noFloor = Room();
    noFloor.erase("walkMesh");
    EXPECT_THAT(FaultOf(nlohmann::json::parse(R"({"shapes": [{"walkMesh": true, "colour": "#000000"}]})"), noFloor),
                HasSubstr("shape 0: \"walkMesh\" needs the scene's \"walkMesh\""));
}

} // namespace
