// Whole scene loads from the data folder: the sample living room, and the
// steps that fail when a file is missing.
#include "Adventure/Common/Entity.h"
#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Common/SceneIds.h"
#include "Graphics/GraphicsFormats.h"
#include "Managers/Common/ResourceManager.h"
#include "Scene/Common/CharacterAnimations.h"
#include "Scene/Common/Scene.h"
#include "Renderer/CorePrimitiveVertex.h"
#include "Support/FakeSceneServices.h"
#include "Support/HandMadeScene.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/NullRendererTest.h"
#include "Support/TestPaths.h"
#include "Texture/CoreTextureManager.h"

#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstring>
#include <fstream>
#include <set>

namespace {

using testing::HasSubstr;
using testing::Not;

constexpr SceneId LIVING_ROOM = 9;
constexpr const char* LIVING_ROOM_NAME = "bg101_BO_CastilloLivingRoom";

fx32 Fixed(const nlohmann::json& value)
{
    return static_cast<fx32>(std::lround(value.get<double>() * FX32_ONE));
}

nlohmann::json LivingRoomSource()
{
    std::ifstream file(TestSupport::SourceDir() / "Content/Scenes" / (std::string(LIVING_ROOM_NAME) + ".json"));
    return nlohmann::json::parse(file);
}

class SceneLoadTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        NullRendererTest::SetUp();
        ResourceManager::CreateSingleton();
        // The interface pieces that every scene shows come with the common
        // pack in the game.
        ASSERT_TRUE(TestSupport::AddBlankTextures({"star", "int_arrow", "Int_pointers"}));
    }
    void TearDown() override
    {
        m_scene.reset();
        ResourceManager::DestroySingleton();
        NullRendererTest::TearDown();
    }

    bool Load(SceneId id)
    {
        m_scene = std::make_unique<Scene>();
        TestSupport::LogCapture capture;
        const bool loaded = m_scene->Initialize(id);
        m_log = capture.Take();
        return loaded;
    }
    std::string Shutdown()
    {
        TestSupport::LogCapture capture;
        m_scene->Shutdown();
        return capture.Take();
    }

    TestSupport::FakeSceneServices m_services;
    TestSupport::FakeSceneCast m_cast;
    std::unique_ptr<Scene> m_scene;
    std::string m_log;
};

TEST_F(SceneLoadTest, TheLivingRoomStandsWhereItsSourcePutsIt)
{
    const nlohmann::json source = LivingRoomSource();
    TestSupport::ScopedWorkingDirectory data(TestSupport::DataDir());
    ASSERT_TRUE(Load(LIVING_ROOM)) << m_log;
    EXPECT_THAT(m_log, HasSubstr("INFO[00h:00m:00s]:Before scene initialize\n"));
    EXPECT_THAT(m_log, HasSubstr("INFO[00h:00m:00s]:Load scene : \"scenes/bg101_BO_CastilloLivingRoom.twscene.pc\"\n"));
    EXPECT_THAT(m_log, HasSubstr("INFO[00h:00m:00s]:After scene initialize\n"));
    EXPECT_THAT(m_log, HasSubstr("INFO[00h:00m:00s]:Load text : \"text/en-GBTextBG101.dat\"\n"));
    EXPECT_THAT(m_log, Not(HasSubstr("ERR [")));
    // The file agrees with the scene table.
    EXPECT_THAT(m_log, Not(HasSubstr("ASSERT")));
    EXPECT_EQ(m_services.m_textBanks, std::set<std::string> {"text/en-GBTextBG101.dat"});
    EXPECT_EQ(m_services.m_dialogGroups,
              (std::vector<std::pair<int32_t, std::string>> {{9, "scenes/bg101_BO_CastilloLivingRoom.dialogs.dat"}}));
    const Scene& scene = *m_scene;
    EXPECT_EQ(scene.m_iInputState, 1);
    EXPECT_TRUE(m_services.m_bInterface);
    EXPECT_STREQ(scene.GetName(), "bg101");

    // Sprites and regions of the main layer, by name.
    const Layer* main = scene.GetMainLayer();
    ASSERT_NE(main, nullptr);
    const nlohmann::json& layer = source["layers"][0];
    ASSERT_EQ(main->m_iNbSprites, static_cast<int32_t>(layer["sprites"].size()));
    for (int32_t s = 0; s < main->m_iNbSprites; ++s) {
        const Sprite& sprite = main->m_vSprites[s];
        const nlohmann::json& expected = layer["sprites"][s];
        EXPECT_EQ(sprite.m_sName, expected["name"].get<std::string>());
        EXPECT_EQ(sprite.m_oPosition.x, Fixed(expected["position"][0]));
        EXPECT_EQ(sprite.m_oPosition.y, Fixed(expected["position"][1]));
        EXPECT_EQ(sprite.m_iDepth, Fixed(expected["depth"]));
        // Its textures came with the scene's pack; an entity's further
        // sprites wait hidden for their sprite animation.
        const Entity* owner = dynamic_cast<const Entity*>(sprite.m_pScriptable);
        if (!owner || owner->m_apSprites[0] == &sprite) {
            EXPECT_TRUE(sprite.IsVisible()) << sprite.m_sName;
        }
    }
    ASSERT_EQ(main->m_iNbRegions, static_cast<int32_t>(layer["regions"].size()));

    // One entity per object of the scene's row, named as the row names it.
    const SceneDesc* row = Id::GetSceneDesc(LIVING_ROOM);
    ASSERT_EQ(scene.m_iNumEntities, row->m_iNbObjects);
    EXPECT_EQ(m_services.m_registry.size(), static_cast<size_t>(row->m_iNbObjects));
    for (int32_t i = 0; i < scene.m_iNumEntities; ++i)
        EXPECT_EQ(std::string(scene.m_vEntities[i].GetName()), std::string(row->m_ppObjectNames[i]).substr(0, 16));
    for (const nlohmann::json& expected : source["entities"]) {
        // The file keeps 16 bytes of a name.
        const std::string name = expected["name"].get<std::string>().substr(0, 16);
        const Entity* entity = nullptr;
        for (int32_t i = 0; i < scene.m_iNumEntities; ++i)
            if (name == scene.m_vEntities[i].GetName())
                entity = &scene.m_vEntities[i];
        ASSERT_NE(entity, nullptr) << name;
        const size_t events = expected.value("events", nlohmann::json::array()).size();
        EXPECT_EQ(entity->m_iNumTwEventType, static_cast<int32_t>(events)) << name;
        // Every object of the entity belongs to it.
        for (int32_t s = 0; s < entity->m_iNumSprite; ++s) {
            ASSERT_NE(entity->m_apSprites[s], nullptr) << name;
            EXPECT_EQ(entity->m_apSprites[s]->m_pScriptable, entity) << name;
        }
        if (expected.contains("region")) {
            ASSERT_NE(entity->m_pRegion, nullptr) << name;
            EXPECT_EQ(entity->m_pRegion->m_pScriptable, entity) << name;
            EXPECT_TRUE(entity->IsInteractive()) << name;
        }
    }

    // The locators stand on the walk mesh, where the source puts them.
    ASSERT_EQ(scene.m_iNumLocators, static_cast<int32_t>(source["locators"].size()));
    for (int32_t i = 0; i < scene.m_iNumLocators; ++i) {
        const CoreFxVec& position = scene.m_vLocators[i].m_vPosition;
        EXPECT_EQ(position.x, Fixed(source["locators"][i]["position"][0]));
        EXPECT_EQ(position.y, Fixed(source["locators"][i]["position"][1]));
        EXPECT_TRUE(WalkMesh::FindTriangle(position, scene.m_oWalkMesh.m_pTriangles.get(),
                                           scene.m_oWalkMesh.m_iNumTriangles, nullptr, nullptr))
            << "locator " << i;
    }
    EXPECT_EQ(scene.m_oCamera.m_vEye.y, Fixed(source["camera"]["position"][1]));
    ASSERT_EQ(scene.m_iNumLights, 1);
    EXPECT_EQ(scene.m_aLights[0].m_iType, SCENE_LIGHT_DIRECTIONAL);
    // Colours authored 0..1 light the figures as levels 0..255: taken as 0..1
    // they left the heroine black.
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(scene.m_oAmbient.m_aColour[c], 255 * Fixed(source["ambient"][c]));
        EXPECT_EQ(scene.m_aLights[0].m_aColour[c], 255 * Fixed(source["lights"][0]["colour"][c]));
    }

    // The heroine's pack lies where the loaded scene looks for it.
    m_scene->LoadActorSet("default");
    ASSERT_EQ(scene.m_iNumCharacters, 1);
    const auto& heroine = static_cast<const TestSupport::FakeCastMember&>(*scene.m_apCharacters[0]);
    EXPECT_EQ(heroine.m_path, "scenes/bg101/default/tavrine.dr");
    EXPECT_TRUE(std::filesystem::exists(heroine.m_path));
    const uint32_t tavrine = Id::GetActorId("tavrine");
    EXPECT_EQ(m_services.m_registry.at(static_cast<int32_t>(tavrine)), scene.m_apActors[0].get());
    // She idles and walks by her shared list, as many as a character holds.
    EXPECT_THAT(heroine.m_animations, testing::IsSupersetOf({std::pair {Id::GetAnimationId(tavrine, "g_idle_l"), 2u},
                                                             std::pair {Id::GetAnimationId(tavrine, "g_walk_l"), 1u}}));
    EXPECT_LE(heroine.m_animations.size(), size_t(MAX_ANIMATIONS));

    const std::string log = Shutdown();
    EXPECT_THAT(log, HasSubstr("INFO[00h:00m:00s]:Before scene shutdown\n"));
    EXPECT_THAT(log, HasSubstr("INFO[00h:00m:00s]:After scene shutdown\n"));
    EXPECT_TRUE(m_services.m_registry.empty());
    EXPECT_EQ(m_services.m_removedTextBanks, std::vector<int32_t> {5});
    EXPECT_EQ(m_services.m_removedDialogGroups, std::vector<int32_t> {7});
    EXPECT_FALSE(m_services.m_bInterface);
    EXPECT_EQ(ResourceManager::GetInstance()->m_pPackages, nullptr);
    EXPECT_EQ(scene.m_iNumEntities, 0);
    EXPECT_EQ(scene.m_iNumCharacters, 0);
}

TEST_F(SceneLoadTest, TheLivingRoomDrawsItsShownSpritesAndSteersItsHeroine)
{
    {
        TestSupport::ScopedWorkingDirectory data(TestSupport::DataDir());
        ASSERT_TRUE(Load(LIVING_ROOM));
        m_scene->LoadActorSet("default");
    }
    // The sprites drawn, told apart by their depths, without the markers
    // and the cursor (a sprite at the heroine's depth is drawn on both sides
    // of her).
    const auto draws = [this] {
        m_graphics.Recorder().Clear();
        m_scene->Update(16);
        m_scene->Render(m_renderer);
        std::set<float> depths;
        for (const Platform::GraphicsCall& call : m_graphics.Recorder().Named("DrawPrimitiveUP")) {
            CorePrimitiveVertex vertex;
            std::memcpy(&vertex, call.data.data(), sizeof vertex);
            if (call.arguments[0] == Platform::D3DPT_TRIANGLESTRIP)
                depths.insert(vertex.z);
        }
        return depths.size();
    };
    ASSERT_TRUE(m_renderer.BeginFrame());
    const Layer& main = *m_scene->GetMainLayer();
    // An entity draws one sprite, the current one; the others wait for
    // their sprite animation.
    size_t shown = 0;
    for (int32_t s = 0; s < main.m_iNbSprites; ++s)
        if (!main.m_vSprites[s].m_pScriptable)
            ++shown;
    for (int32_t e = 0; e < m_scene->m_iNumEntities; ++e)
        if (m_scene->m_vEntities[e].m_iNumSprite > 0)
            ++shown;
    EXPECT_EQ(draws(), shown);
    Entity& jug = m_scene->m_vEntities[2];
    ASSERT_STREQ(jug.GetName(), "water_jug");
    jug.SetVisible(0);
    EXPECT_EQ(draws(), shown - 1);

    m_scene->SetActiveCharacter(Id::GetActorId("tavrine"));
    EXPECT_EQ(m_scene->m_iActiveCharacter, 0);
    m_scene->SetActiveCharacter(Id::GetActorId("tavrine_kid"));
    EXPECT_EQ(m_scene->m_iActiveCharacter, -1);
}

TEST_F(SceneLoadTest, ClearPutsEveryMemberBackToItsDefault)
{
    {
        TestSupport::ScopedWorkingDirectory data(TestSupport::DataDir());
        ASSERT_TRUE(Load(LIVING_ROOM));
        m_scene->LoadActorSet("default");
    }
    m_scene->Clear();
    const Scene& scene = *m_scene;
    EXPECT_EQ(scene.m_iId, 0);
    EXPECT_EQ(scene.m_iNumLayers, 0);
    EXPECT_EQ(scene.m_iNumEntities, 0);
    EXPECT_EQ(scene.m_iNumLocators, 0);
    EXPECT_EQ(scene.m_iNumActorSets, 0);
    EXPECT_EQ(scene.m_iNumCharacters, 0);
    EXPECT_EQ(scene.m_iNumLights, 0);
    EXPECT_EQ(scene.m_oWalkMesh.m_iNumTriangles, 0);
    EXPECT_EQ(scene.m_iActiveCharacter, -1);
    EXPECT_EQ(scene.m_iSelectedCharacter, -1);
    EXPECT_EQ(scene.m_iTextBank, -1);
    EXPECT_EQ(scene.m_iDialogSlot, -1);
    EXPECT_FALSE(scene.HasDialog());
    EXPECT_FALSE(scene.m_bHasText);
    EXPECT_EQ(scene.m_oCamera.m_fFovSin, 0xB50);
    EXPECT_EQ(scene.m_oCamera.m_fFovCos, 0xB50);
    EXPECT_EQ(scene.m_oCamera.m_fAspect, 0x1555);
    EXPECT_EQ(scene.m_oCamera.m_fNear, 0x100);
    EXPECT_EQ(scene.m_oCamera.m_fFar, 0x10000);
    EXPECT_EQ(scene.m_vShadowDirection.z, -FX32_ONE);
    EXPECT_EQ(scene.m_oPointerTarget.x, 128 * FX32_ONE);
    EXPECT_EQ(scene.m_oPointerTarget.y, 96 * FX32_ONE);
    EXPECT_EQ(scene.m_iInputState, 0);
    EXPECT_TRUE(m_services.m_registry.empty());
    EXPECT_EQ(ResourceManager::GetInstance()->m_pPackages, nullptr);
}

TEST_F(SceneLoadTest, AMissingFileStopsTheLoadAtItsStep)
{
    const std::filesystem::path data = TestSupport::DataDir() / "scenes";
    const std::string name = LIVING_ROOM_NAME;
    const struct {
        std::vector<std::string> files;
        const char* message;
    } cases[] = {
        {{}, "Scene::Initialize -- Cannot load the scene ressource !\n"},
        {{".twscene.dr"}, "Scene::Initialize -- Cannot load the scene desc !\n"},
        {{".twscene.dr", ".twscene.pc"}, "Scene::Initialize -- Error loading main mesh!\n"},
        {{".twscene.dr", ".twscene.pc", ".3dscene.o"}, "Scene::Initialize -- Cannot load the text ressource !\n"},
        {{".twscene.dr", ".twscene.pc", ".3dscene.o", "text"},
         "Scene::Initialize -- Cannot load the dialog ressource !\n"},
    };
    for (const auto& c : cases) {
        TestSupport::TempDir folder;
        std::filesystem::create_directories(folder / "scenes");
        for (const std::string& extension : c.files) {
            if (extension == "text") {
                std::filesystem::create_directories(folder / "text");
                std::filesystem::copy_file(TestSupport::DataDir() / "text/en-GBTextBG101.dat",
                                           folder / "text/en-GBTextBG101.dat");
            } else {
                std::filesystem::copy_file(data / (name + extension), folder / "scenes" / (name + extension));
            }
        }
        TestSupport::ScopedWorkingDirectory inFolder(folder.Path());
        EXPECT_FALSE(Load(LIVING_ROOM));
        EXPECT_THAT(m_log, HasSubstr(std::string("ERR [00h:00m:00s]:") + c.message));
        EXPECT_THAT(m_log, Not(HasSubstr("After scene initialize")));
        // What was loaded goes with the shutdown.
        Shutdown();
        EXPECT_EQ(ResourceManager::GetInstance()->m_pPackages, nullptr);
        EXPECT_TRUE(m_services.m_registry.empty());
    }

    EXPECT_FALSE(Load(64));
    EXPECT_THAT(m_log, HasSubstr("ERR [00h:00m:00s]:Scene::Initialize -- Unknown scene id 64\n"));
}

TEST_F(SceneLoadTest, InterfacePiecesThatCannotBeMadeFailTheLoad)
{
    TestSupport::ScopedWorkingDirectory data(TestSupport::DataDir());
    m_services.m_bInterfaceWorks = false;
    EXPECT_FALSE(Load(LIVING_ROOM));
    EXPECT_THAT(m_log, Not(HasSubstr("After scene initialize")));
    EXPECT_EQ(m_scene->m_iInputState, 0);
}

} // namespace
