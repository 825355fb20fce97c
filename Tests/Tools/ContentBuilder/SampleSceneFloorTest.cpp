// The sample 3D scenes paint their floor from their walk mesh, seen through
// their camera: the game's pick ray meets the walk mesh under every pixel of
// painted floor and under no pixel of painted wall, so the characters stand
// on the floor the player sees, and drawn in front of it.
#include "ContentBuilder/TextureBuilder.h"
#include "ContentBuilder/WorldShapes.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SerialStream.h"
#include "Support/FakeSceneServices.h"
#include "Support/Files.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>

namespace {

using Colour = std::array<uint8_t, 4>;

Colour ColourOf(const nlohmann::json& text)
{
    // "#RRGGBB" or "#RRGGBBAA".
    const std::string hex = text.get<std::string>();
    Colour colour {0, 0, 0, 0xFF};
    for (size_t i = 1; i + 1 < hex.size(); i += 2)
        colour[i / 2] = static_cast<uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16));
    return colour;
}

bool IsFlatOnTheFloor(const nlohmann::json& points)
{
    for (const nlohmann::json& point : points)
        if (point[2].get<double>() != 0)
            return false;
    return true;
}

// The texture's floor colour (its walk-mesh shape) and its wall colours (the
// background and every world shape that stands up from the floor).
struct Paint {
    std::set<Colour> floor;
    std::set<Colour> walls;
};

Paint PaintOf(const nlohmann::json& texture)
{
    Paint paint;
    if (texture.contains("background"))
        paint.walls.insert(ColourOf(texture["background"]));
    for (const nlohmann::json& shape : texture.value("shapes", nlohmann::json::array())) {
        if (shape.contains("walkMesh"))
            paint.floor.insert(ColourOf(shape["colour"]));
        // Stairs are painted over the walk mesh that climbs them.
        else if (shape.contains("world") && !IsFlatOnTheFloor(shape["world"]) && !shape.value("stairs", false))
            paint.walls.insert(ColourOf(shape["colour"]));
    }
    return paint;
}

// The pixel's colour, or none when a neighbour differs: along an edge the
// painter and the pick ray may round to either side.
std::optional<Colour> InnerColour(const RgbaImage& picture, uint32_t x, uint32_t y)
{
    const uint8_t* centre = picture.At(x, y);
    for (uint32_t ny = y == 0 ? 0 : y - 1; ny <= std::min(y + 1, picture.height - 1); ++ny)
        for (uint32_t nx = x == 0 ? 0 : x - 1; nx <= std::min(x + 1, picture.width - 1); ++nx)
            if (!std::equal(centre, centre + 4, picture.At(nx, ny)))
                return std::nullopt;
    return Colour {centre[0], centre[1], centre[2], centre[3]};
}

// The game's pick ray through the screen point meets the walk mesh.
bool IsOverTheWalkMesh(const Scene& scene, double x, double y)
{
    CoreFxVec nearPoint {};
    CoreFxVec farPoint {};
    if (scene.m_oCamera.UnprojectScreenPoint(static_cast<fx32>(x * FX32_ONE), static_cast<fx32>(y * FX32_ONE),
                                             nearPoint, farPoint) != 0)
        return false;
    WalkMeshRay ray {nearPoint, {farPoint.x - nearPoint.x, farPoint.y - nearPoint.y, farPoint.z - nearPoint.z}};
    CoreFxVec::Normalize(ray.m_vDirection, ray.m_vDirection);
    CoreFxVec hit {};
    return scene.m_oWalkMesh.RayCast(ray, hit);
}

// The sample 3D scenes' sources, with the name of their scene table row.
std::vector<std::pair<std::string, nlohmann::json>> Sample3DScenes()
{
    std::vector<std::pair<std::string, nlohmann::json>> scenes;
    for (const auto& entry : std::filesystem::directory_iterator(TestSupport::SourceDir() / "Content/Scenes")) {
        if (entry.path().extension() != ".json")
            continue;
        std::ifstream file(entry.path());
        nlohmann::json source = nlohmann::json::parse(file);
        if (source.contains("camera"))
            scenes.emplace_back(entry.path().stem().string(), std::move(source));
    }
    return scenes;
}

// Reads the scene's file of the data folder with the reader.
template <typename Reader>
bool ReadSceneFile(const std::string& path, Reader read)
{
    const std::vector<uint8_t> bytes = TestSupport::ReadFileBytes(TestSupport::DataDir() / path);
    SerialStream stream(bytes.data(), bytes.size(), path.c_str());
    return read(stream);
}

TEST(SampleSceneFloorTest, EveryPaintedFloorIsTheWalkMeshAndNoPaintedWallIs)
{
    const auto scenes = Sample3DScenes();
    EXPECT_GE(scenes.size(), 1u);
    for (const auto& [name, source] : scenes) {
        SCOPED_TRACE(name);
        // The 3D scene as the game reads it.
        TestSupport::FakeSceneServices services;
        Scene scene;
        ASSERT_TRUE(ReadSceneFile("scenes/" + name + ".3dscene.o",
                                  [&](SerialStream& stream) { return scene.Initialize3D(stream); }));

        int floorTextures = 0;
        for (const nlohmann::json& texture : source["textures"]) {
            const Paint paint = PaintOf(texture);
            if (paint.floor.empty())
                continue;
            ++floorTextures;
            const RgbaImage picture = DrawTexturePicture(ProjectWorldShapes(texture, source, name));
            const nlohmann::json origin = texture.value("screen", nlohmann::json::array({0, 0}));
            int floorPixels = 0;
            int floorMisses = 0;
            int wallHits = 0;
            for (uint32_t y = 0; y < picture.height; ++y) {
                for (uint32_t x = 0; x < picture.width; ++x) {
                    const std::optional<Colour> colour = InnerColour(picture, x, y);
                    if (!colour)
                        continue;
                    const double sx = origin[0].get<double>() + x + 0.5;
                    const double sy = origin[1].get<double>() + y + 0.5;
                    if (paint.floor.count(*colour)) {
                        ++floorPixels;
                        // The ray cast's fixed point may slip through a
                        // shared edge: a quarter texel away it holds.
                        const bool over = IsOverTheWalkMesh(scene, sx, sy) || IsOverTheWalkMesh(scene, sx + 0.25, sy) ||
                                          IsOverTheWalkMesh(scene, sx, sy + 0.25);
                        floorMisses += over ? 0 : 1;
                    } else if (paint.walls.count(*colour)) {
                        wallHits += IsOverTheWalkMesh(scene, sx, sy) ? 1 : 0;
                    }
                }
            }
            EXPECT_GT(floorPixels, 0) << texture["name"];
            EXPECT_EQ(floorMisses, 0) << texture["name"] << ": floor pixels off the walk mesh";
            EXPECT_EQ(wallHits, 0) << texture["name"] << ": wall pixels over the walk mesh";
        }
        // The floor is painted from the walk mesh, so that the two agree.
        EXPECT_GE(floorTextures, 1);
    }
}

TEST(SampleSceneFloorTest, ACharacterOnAnyWaypointIsDrawnInFrontOfThePaintedFloor)
{
    for (const auto& [name, source] : Sample3DScenes()) {
        SCOPED_TRACE(name);
        TestSupport::FakeSceneServices services;
        Scene scene;
        ASSERT_TRUE(ReadSceneFile("scenes/" + name + ".twscene.pc",
                                  [&](SerialStream& stream) { return scene.Initialize2D(stream); }));
        ASSERT_TRUE(ReadSceneFile("scenes/" + name + ".3dscene.o",
                                  [&](SerialStream& stream) { return scene.Initialize3D(stream); }));
        // The depth of the sprites that show a painted floor.
        std::set<std::string> floors;
        for (const nlohmann::json& texture : source["textures"])
            if (!PaintOf(texture).floor.empty())
                floors.insert(texture["name"].get<std::string>());
        fx32 floorDepth = INT32_MIN;
        const Layer& main = *scene.GetMainLayer();
        for (int32_t i = 0; i < main.m_iNbSprites; ++i) {
            const Sprite& drawn = main.m_vSprites[i];
            const std::string spriteName(drawn.m_sName, strnlen(drawn.m_sName, SCENE_OBJECT_NAME_SIZE));
            for (const nlohmann::json& sprite : source["layers"][scene.m_iMainLayerIndex]["sprites"])
                if (sprite["name"] == spriteName && floors.count(sprite["textures"][0]))
                    floorDepth = std::max(floorDepth, drawn.m_iDepth);
        }
        ASSERT_NE(floorDepth, INT32_MIN);

        // A character takes the smallest depth of the regions under its feet,
        // or the scene's depth for ground without regions.
        for (int32_t w = 0; w < scene.m_iNumLocators; ++w) {
            const CoreFxVec feet = scene.m_oCamera.ProjectToScreen(scene.m_vLocators[w].m_vPosition);
            fx32 depth = INT32_MAX;
            for (int32_t r = 0; r < main.m_iNbRegions; ++r)
                if (main.m_vRegions[r].Contains(feet.x, feet.y, 0))
                    depth = std::min(depth, main.m_vRegions[r].m_iDepth);
            if (depth == INT32_MAX)
                depth = scene.m_fNoRegionLayer;
            EXPECT_GT(depth, floorDepth) << "waypoint " << w;
        }
    }
}

} // namespace
