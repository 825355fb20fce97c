// Scene descriptions written by the content builder and read by the scene.
#include "Adventure/Common/Entity.h"
#include "ContentBuilder/SceneFiles.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SerialStream.h"
#include "Support/FakeSceneServices.h"
#include "Support/HandMadeDds.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/NullRendererTest.h"
#include "Texture/CoreTextureManager.h"

#include <gmock/gmock.h>

namespace {

using testing::HasSubstr;
using testing::Not;

constexpr fx32 FX = FX32_ONE;
// Where the version and header word B lie in a description.
constexpr size_t MINOR_OFFSET = 26;
constexpr size_t WORD_B_OFFSET = 44;

nlohmann::json Sprite(const std::string& name, double depth, int entity = -1)
{
    return {{"name", name},   {"position", {10, 20}}, {"depth", depth},
            {"size", {8, 8}}, {"entity", entity},     {"textures", {"t"}}};
}

nlohmann::json Region(const std::string& name, double depth)
{
    return {{"name", name}, {"depth", depth}, {"position", {0, 0}}, {"size", {10, 10}}};
}

nlohmann::json BaseScene()
{
    return nlohmann::json::parse(R"({
      "name": "test_room", "soundVariant": 3,
      "layers": [
        { "name": "far", "size": [512, 192], "sprites": [] },
        { "name": "main", "size": [400, 192], "sprites": [], "regions": [] }
      ],
      "mainLayer": "main",
      "entities": [ { "name": "jug", "events": ["Look"] }, { "name": "door" } ],
      "locators": [ { "position": [1, 2, 3], "orientation": 1.5, "radius": 20, "word3": 7, "word5": 9 } ],
      "actorSets": [
        { "name": "default", "characters": [ { "name": "tavrine", "animations": [["idle", "g_idle_l"]] },
                                             { "name": "villager2" } ],
          "attachments": [] }
      ]
    })");
}

class SceneDescriptionTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        NullRendererTest::SetUp();
        const std::vector<uint8_t> dds = TestSupport::HandMadeDds(8, 8, DDS_FOURCC_DXT1, 32);
        g_pTextureManager->CreateTexture("t", dds.data(), dds.size());
    }
    void TearDown() override
    {
        m_scene.reset();
        NullRendererTest::TearDown();
    }

    static std::vector<uint8_t> Write(const nlohmann::json& source)
    {
        return WriteSceneDescription(source, nullptr, "test_room.json");
    }

    // Reads the bytes into a new scene, keeping them as long as the scene as
    // the game does; the log is kept in m_log.
    bool Read(const std::vector<uint8_t>& bytes)
    {
        m_scene = std::make_unique<Scene>();
        m_bytes = bytes;
        SerialStream stream(m_bytes.data(), m_bytes.size(), "scenes/test_room.twscene.pc");
        TestSupport::LogCapture capture;
        const bool read = m_scene->Initialize2D(stream);
        m_log = capture.Take();
        return read;
    }
    bool Read(const nlohmann::json& source) { return Read(Write(source)); }

    TestSupport::FakeSceneServices m_services;
    std::vector<uint8_t> m_bytes;
    std::unique_ptr<Scene> m_scene;
    std::string m_log;
};

TEST_F(SceneDescriptionTest, EveryFieldReadsBackFromItsSource)
{
    ASSERT_TRUE(Read(BaseScene())) << m_log;
    EXPECT_EQ(m_log, "");
    const Scene& scene = *m_scene;
    EXPECT_STREQ(scene.GetName(), "test_room");
    EXPECT_FALSE(scene.m_bIs3D);
    EXPECT_FALSE(scene.HasDialog());
    EXPECT_EQ(scene.m_uSoundVariant, 3u);
    EXPECT_EQ(scene.m_iNumLayers, 2);
    EXPECT_EQ(scene.m_iMainLayerIndex, 1);
    EXPECT_EQ(scene.m_oMainLayerSize.x, 400 * FX);
    EXPECT_EQ(scene.m_oMainLayerSize.y, 192 * FX);

    ASSERT_EQ(scene.m_iNumEntities, 2);
    EXPECT_STREQ(scene.m_vEntities[0].GetName(), "jug");
    EXPECT_EQ(scene.m_vEntities[1].GetId(), 1);

    ASSERT_EQ(scene.m_iNumLocators, 1);
    const Locator& locator = scene.m_vLocators[0];
    EXPECT_EQ(locator.m_vPosition.x, 1 * FX);
    EXPECT_EQ(locator.m_vPosition.z, 3 * FX);
    EXPECT_EQ(locator.m_iWord3, 7);
    EXPECT_EQ(locator.m_fOrientation, 6144);
    EXPECT_EQ(locator.m_iWord5, 9);
    EXPECT_EQ(locator.m_fRadius, 20 * FX);

    ASSERT_EQ(scene.m_iNumActorSets, 1);
    const ActorSet& set = scene.m_vActorSets[0];
    EXPECT_STREQ(set.m_pName, "default");
    ASSERT_EQ(set.m_iNumCharacterNames, 2);
    EXPECT_STREQ(set.m_apCharacterNames[1], "villager2");
    ASSERT_EQ(set.m_aNumAnimations[0], 1);
    EXPECT_EQ(set.m_apAnimations[0][0].m_uType, 2u);
    EXPECT_STREQ(set.m_apAnimations[0][0].m_pName, "g_idle_l");
    // A character without animation choices has no list.
    EXPECT_EQ(set.m_aNumAnimations[1], 0);
    EXPECT_EQ(set.m_apAnimations[1], nullptr);
    EXPECT_EQ(set.m_iNumAttachments, 0);
}

TEST_F(SceneDescriptionTest, MinorVersionsWarnAndVersionZeroHasNoSoundVariant)
{
    std::vector<uint8_t> older = Write(BaseScene());
    older[MINOR_OFFSET] = 0;
    older.erase(older.begin() + WORD_B_OFFSET, older.begin() + WORD_B_OFFSET + 4);
    std::vector<uint8_t> newer = Write(BaseScene());
    newer[MINOR_OFFSET] = 2;

    const struct {
        std::vector<uint8_t> bytes;
        const char* warning;
        uint32_t soundVariant;
    } cases[] = {
        {older, "Scene::Initialize -- minor version differs : 4.0 (expecting 4.1)\n", 1},
        {newer, "Scene::Initialize -- minor version differs : 4.2 (expecting 4.1)\n", 3},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Read(c.bytes)) << m_log;
        EXPECT_THAT(m_log, HasSubstr(std::string("WARN[00h:00m:00s]:") + c.warning));
        EXPECT_EQ(m_scene->m_uSoundVariant, c.soundVariant);
        EXPECT_EQ(m_scene->m_iNumActorSets, 1);
    }
}

TEST_F(SceneDescriptionTest, OtherMajorVersionsAreRefused)
{
    for (uint8_t major : {3, 5}) {
        std::vector<uint8_t> bytes = Write(BaseScene());
        bytes[MINOR_OFFSET - 2] = major;
        EXPECT_FALSE(Read(bytes));
        EXPECT_THAT(m_log, HasSubstr("ERR [00h:00m:00s]:Scene::Initialize -- Only version 4.x of scene is supported! "
                                     "(try to re-export scene)\n"));
        EXPECT_THAT(m_log, HasSubstr("condition: major == SCENE_VERSION_MAJOR"));
        EXPECT_EQ(m_scene->m_iNumLayers, 0);
    }
}

TEST_F(SceneDescriptionTest, MainLayerIndexBeyondTheLayersIsRefused)
{
    std::vector<uint8_t> bytes = Write(BaseScene());
    // The main layer index follows the four header words.
    bytes[WORD_B_OFFSET + 4 + 16] = 2;
    EXPECT_FALSE(Read(bytes));
    EXPECT_THAT(m_log, HasSubstr("\"scenes/test_room.twscene.pc\": main layer 2 of 2 layers"));
    EXPECT_EQ(m_scene->m_vLayers, nullptr);
}

TEST_F(SceneDescriptionTest, DepthsOfTheMainLayer)
{
    const struct {
        std::vector<double> regionDepths;
        std::vector<double> spriteDepths;
        fx32 step;
        fx32 noRegionLayer;
    } cases[] = {
        {{-10, -8, -8, -3}, {}, 2 * FX, -3 * FX},
        {{-10}, {-20}, 0, -10 * FX},
        {{-3, -10}, {}, 0, -3 * FX},
        {{}, {-30}, 0, -30 * FX},
        {{}, {}, 0, -63 * FX},
    };
    for (const auto& c : cases) {
        nlohmann::json source = BaseScene();
        nlohmann::json& main = source["layers"][1];
        // Names from a table: a concatenation here is taken by the optimiser
        // for an overlapping copy.
        static const char* const names[] = {"o0", "o1", "o2", "o3", "o4"};
        size_t next = 0;
        for (double depth : c.regionDepths)
            main["regions"].push_back(Region(names[next++], depth));
        for (double depth : c.spriteDepths)
            main["sprites"].push_back(Sprite(names[next++], depth));
        // The other layer's objects do not count.
        source["layers"][0]["sprites"].push_back(Sprite("sky", -2));
        ASSERT_TRUE(Read(source)) << m_log;
        EXPECT_EQ(m_scene->m_fRegionDepthStep, c.step);
        EXPECT_EQ(m_scene->m_fNoRegionLayer, c.noRegionLayer);
        EXPECT_EQ(m_log, "");
    }

    // A main layer that reaches above -1.0 is reported and kept.
    nlohmann::json source = BaseScene();
    source["layers"][1]["sprites"].push_back(Sprite("front", -0.5));
    ASSERT_TRUE(Read(source));
    EXPECT_EQ(m_scene->m_fNoRegionLayer, -FX / 2);
    EXPECT_THAT(m_log, HasSubstr("condition: m_fNoRegionLayer <= -FX32_ONE"));
}

TEST_F(SceneDescriptionTest, ObjectsAreLinkedToTheirEntitiesWithinRange)
{
    nlohmann::json source = BaseScene();
    nlohmann::json& main = source["layers"][1];
    main["sprites"] = {Sprite("jug", -20, 0), Sprite("stray", -20, 2), Sprite("loose", -20, -1)};
    main["regions"] = {Region("door", -30)};
    main["regions"][0]["entity"] = "door";
    source["entities"][1]["region"] = "door";
    ASSERT_TRUE(Read(source));
    const Layer& layer = m_scene->m_vLayers[1];
    EXPECT_EQ(layer.m_vSprites[0].m_pScriptable, &m_scene->m_vEntities[0]);
    // Index 2 equals the entity count: no entity, and the assert is logged.
    EXPECT_EQ(layer.m_vSprites[1].m_pScriptable, nullptr);
    EXPECT_EQ(layer.m_vSprites[2].m_pScriptable, nullptr);
    EXPECT_THAT(m_log, HasSubstr("condition: bResolved"));
    EXPECT_EQ(layer.m_vRegions[0].m_pScriptable, &m_scene->m_vEntities[1]);
    EXPECT_EQ(m_scene->m_vEntities[1].m_pRegion, &layer.m_vRegions[0]);
}

TEST_F(SceneDescriptionTest, AnEntityWithThreeSpritesShowsItsFirst)
{
    nlohmann::json source = BaseScene();
    source["layers"][1]["sprites"] = {Sprite("a", -20, 0), Sprite("b", -20, 0), Sprite("c", -20, 0)};
    source["entities"][0]["sprites"] = {"a", "b", "c"};
    ASSERT_TRUE(Read(source)) << m_log;
    const Layer& layer = m_scene->m_vLayers[1];
    EXPECT_TRUE(layer.m_vSprites[0].IsVisible());
    EXPECT_TRUE(layer.m_vSprites[0].m_bAnimating);
    for (int s : {1, 2}) {
        EXPECT_FALSE(layer.m_vSprites[s].IsVisible());
        EXPECT_FALSE(layer.m_vSprites[s].m_bAnimating);
    }
    const Entity& entity = m_scene->m_vEntities[0];
    ASSERT_EQ(entity.m_iNumSprite, 3);
    EXPECT_EQ(entity.m_apSprites[2], &layer.m_vSprites[2]);
    EXPECT_EQ(entity.m_iCurrentSprite, -1);
}

TEST_F(SceneDescriptionTest, EntitiesAreRegisteredByIndexUntilTheSceneGoes)
{
    ASSERT_TRUE(Read(BaseScene()));
    ASSERT_EQ(m_services.m_registry.size(), 2u);
    EXPECT_EQ(m_services.m_registry.at(0), &m_scene->m_vEntities[0]);
    EXPECT_EQ(m_services.m_registry.at(1), &m_scene->m_vEntities[1]);
    m_scene.reset();
    EXPECT_TRUE(m_services.m_registry.empty());
}

TEST_F(SceneDescriptionTest, CountsBeyondTheirArraysAreRefused)
{
    const std::vector<uint8_t> good = Write(BaseScene());
    // The actor set's character count: the last record of the file.
    const std::string setName = "default";
    const auto at = std::search(good.begin(), good.end(), setName.begin(), setName.end()) - good.begin();
    std::vector<uint8_t> sixCharacters = good;
    sixCharacters[at + setName.size() + 1] = 6;
    EXPECT_FALSE(Read(sixCharacters));
    EXPECT_THAT(m_log, HasSubstr("ActorSet::Initialize -- Maximum number of actors reached!"));
    EXPECT_THAT(m_log, HasSubstr("\"default\" in \"scenes/test_room.twscene.pc\" refused: more than 5 characters"));
    EXPECT_EQ(m_scene->m_vActorSets[0].m_iNumCharacterNames, 0);

    // The first entity's event count.
    const std::string entityName = "jug";
    const auto entity = std::search(good.begin(), good.end(), entityName.begin(), entityName.end()) - good.begin();
    std::vector<uint8_t> fiveEvents = good;
    fiveEvents[entity + 16] = 5;
    EXPECT_FALSE(Read(fiveEvents));
    EXPECT_THAT(m_log, HasSubstr("condition: m_iNumTwEventType<=s_MaxTwEventTypes"));
    EXPECT_THAT(m_log, HasSubstr("\"jug\" in \"scenes/test_room.twscene.pc\" refused: 5 event types"));
}

} // namespace
