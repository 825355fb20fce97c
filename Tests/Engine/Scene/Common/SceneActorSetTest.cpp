// Actor sets bring their actors, characters and attachments into a scene.
#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Common/AttachmentIds.h"
#include "ContentBuilder/SceneFiles.h"
#include "Scene/Common/Attachment.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCast.h"
#include "Scene/Common/SerialStream.h"
#include "Support/FakeSceneServices.h"
#include "Support/LogCapture.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace {

using testing::HasSubstr;
using TestSupport::FakeCastMember;

nlohmann::json Source()
{
    return nlohmann::json::parse(R"({
      "name": "test_room",
      "layers": [ { "name": "main", "size": [256, 192] } ],
      "actorSets": [
        { "name": "default",
          "characters": [ { "name": "tavrine", "animations": [["idle", "g_idle_l"], [5, "g_talk_l"]] } ],
          "attachments": ["brutale_axe", "tavrine_chisel"] },
        { "name": "chapter_1",
          "characters": [ { "name": "tavrine_kid" }, { "name": "villager2" }, { "name": "bonita_c_chair" } ] },
        { "name": "crowd",
          "characters": [ { "name": "alessandro_c" }, { "name": "diego" }, { "name": "tavrine" } ] }
      ]
    })");
}

int32_t ScriptableIdOf(const char* actor)
{
    return static_cast<int32_t>(Id::GetActorId(actor));
}

class SceneActorSetTest : public testing::Test {
protected:
    void SetUp() override { Read(WriteSceneDescription(Source(), nullptr, "test_room.json")); }

    void Read(const std::vector<uint8_t>& bytes)
    {
        m_bytes = bytes;
        m_scene = std::make_unique<Scene>();
        SerialStream stream(m_bytes.data(), m_bytes.size(), "scenes/test_room.twscene.pc");
        ASSERT_TRUE(m_scene->Initialize2D(stream));
    }
    std::string LoadActorSet(const char* name)
    {
        TestSupport::LogCapture capture;
        m_scene->LoadActorSet(name);
        return capture.Take();
    }
    const FakeCastMember& Character(int32_t slot) const
    {
        return static_cast<const FakeCastMember&>(*m_scene->m_apCharacters[slot]);
    }

    TestSupport::FakeSceneServices m_services;
    TestSupport::FakeSceneCast m_cast;
    std::vector<uint8_t> m_bytes;
    std::unique_ptr<Scene> m_scene;
};

TEST_F(SceneActorSetTest, TheNamedSetBringsItsCastAnimationsAndAttachments)
{
    const std::string log = LoadActorSet("default");
    EXPECT_THAT(log, HasSubstr("INFO[00h:00m:00s]:Load actorset: \"default\"\n"));
    EXPECT_THAT(log, HasSubstr("INFO[00h:00m:00s]:Load object: \"Attachments/brutale_axe.dr\"\n"));
    EXPECT_STREQ(m_scene->GetSelectedActorSet()->m_pName, "default");

    ASSERT_EQ(m_scene->m_iNumCharacters, 1);
    const uint32_t tavrine = Id::GetActorId("tavrine");
    EXPECT_EQ(m_scene->m_aCharacterIds[0], tavrine);
    EXPECT_EQ(Character(0).m_path, "scenes/test_room/default/tavrine.dr");
    EXPECT_EQ(Character(0).m_pActor, m_scene->m_apActors[0].get());
    EXPECT_EQ(m_scene->m_apActors[0]->GetId(), ScriptableIdOf("tavrine"));
    EXPECT_EQ(m_services.m_registry.at(ScriptableIdOf("tavrine")), m_scene->m_apActors[0].get());
    EXPECT_EQ(Character(0).m_animations,
              (std::vector<std::pair<int32_t, uint32_t>> {{Id::GetAnimationId(tavrine, "g_idle_l"), 2u},
                                                          {Id::GetAnimationId(tavrine, "g_talk_l"), 5u}}));

    ASSERT_EQ(m_scene->m_iNumAttachments, 2);
    EXPECT_EQ(static_cast<const FakeCastMember&>(*m_scene->m_apAttachments[1]).m_path, "Attachments/tavrine_chisel.dr");

    m_scene->Shutdown();
    EXPECT_TRUE(m_services.m_registry.empty());
    EXPECT_EQ(m_scene->m_iNumCharacters, 0);
    EXPECT_EQ(m_scene->m_iNumAttachments, 0);
}

TEST_F(SceneActorSetTest, AnUnknownSetNameFallsBackToTheFirstSet)
{
    for (const char* name : {"chapter_2", "Default", ""}) {
        SetUp();
        const std::string log = LoadActorSet(name);
        EXPECT_THAT(
            log, HasSubstr(std::string("WARN[00h:00m:00s]:ActorSet \"") + name + "\" not found, select first one\n"));
        EXPECT_EQ(m_scene->m_iSelectedActorSet, 0);
        EXPECT_EQ(m_scene->m_iNumCharacters, 1);
    }
}

TEST_F(SceneActorSetTest, AnActorTheTableDoesNotKnowIsSkipped)
{
    std::vector<uint8_t> bytes = m_bytes;
    const std::string known = "villager2";
    const auto at = std::search(bytes.begin(), bytes.end(), known.begin(), known.end());
    ASSERT_NE(at, bytes.end());
    *(at + 8) = 'X';
    Read(bytes);
    const std::string log = LoadActorSet("chapter_1");
    EXPECT_THAT(log, HasSubstr("WARN[00h:00m:00s]:Scene::LoadActorSet -- unknown actor \"villagerX\" of actor set "
                               "\"chapter_1\" skipped\n"));
    EXPECT_THAT(log, testing::Not(HasSubstr("ASSERT")));
    ASSERT_EQ(m_scene->m_iNumCharacters, 2);
    EXPECT_EQ(m_scene->m_aCharacterIds[0], Id::GetActorId("tavrine_kid"));
    EXPECT_EQ(m_scene->m_aCharacterIds[1], Id::GetActorId("bonita_c_chair"));
    EXPECT_EQ(m_services.m_registry.size(), 2u);
}

TEST_F(SceneActorSetTest, AnActorWhoseCharacterFailsIsNotRegistered)
{
    m_cast.m_failingPaths.insert("scenes/test_room/chapter_1/villager2.dr");
    const std::string log = LoadActorSet("chapter_1");
    EXPECT_THAT(
        log, HasSubstr(
                 "ERR [00h:00m:00s]:Scene::AddCharacter -- Cannot load \"scenes/test_room/chapter_1/villager2.dr\"\n"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 2);
    EXPECT_EQ(m_services.m_registry.count(ScriptableIdOf("villager2")), 0u);
    EXPECT_EQ(m_services.m_registry.count(ScriptableIdOf("bonita_c_chair")), 1u);
    EXPECT_EQ(m_scene->m_apActors[1]->GetId(), ScriptableIdOf("bonita_c_chair"));
}

TEST_F(SceneActorSetTest, ASixthCharacterIsRefusedAndAnActorStandsOnce)
{
    LoadActorSet("chapter_1");
    const std::string log = LoadActorSet("crowd");
    EXPECT_THAT(log, HasSubstr("condition: static_cast<u32>(m_iNumCharacters) < MAX_ACTORS"));
    EXPECT_THAT(log, HasSubstr("Scene::AddCharacter -- Maximum number of actors reached!\n"));
    EXPECT_EQ(m_scene->m_iNumCharacters, 5);
    EXPECT_EQ(m_services.m_registry.size(), 5u);
    EXPECT_EQ(m_services.m_registry.count(ScriptableIdOf("tavrine")), 0u);

    SetUp();
    LoadActorSet("default");
    const std::string again = LoadActorSet("default");
    EXPECT_THAT(again,
                HasSubstr("WARN[00h:00m:00s]:Scene::LoadActorSet -- actor \"tavrine\" is in the scene already\n"));
    EXPECT_EQ(m_scene->m_iNumCharacters, 1);
    EXPECT_EQ(m_services.m_registry.size(), 1u);
}

TEST_F(SceneActorSetTest, ASceneWithoutSetsLoadsNone)
{
    nlohmann::json source = Source();
    source.erase("actorSets");
    Read(WriteSceneDescription(source, nullptr, "test_room.json"));
    EXPECT_EQ(LoadActorSet("default"), "");
    EXPECT_EQ(m_scene->m_iNumCharacters, 0);
    EXPECT_EQ(m_scene->GetSelectedActorSet(), nullptr);
}

// Characters and attachments as the game makes them, without figures.
class FigurelessCast final : public SceneCast {
public:
    FigurelessCast() { SetSceneCast(this); }
    ~FigurelessCast() override { SetSceneCast(nullptr); }

    std::unique_ptr<Scriptable> CreateActor(uint32_t) override { return std::make_unique<Scriptable>(); }
    std::unique_ptr<SceneCharacter> LoadCharacter(const char*, uint32_t, Scriptable&, const char*) override
    {
        return std::make_unique<Character>();
    }
    void AddAnimation(SceneObject&, int32_t, uint32_t) override { }
    std::unique_ptr<SceneObject> LoadAttachment(const char*, uint32_t) override
    {
        return std::make_unique<Attachment>();
    }
};

TEST(SceneActorSetAttachmentTest, TheSetsCharactersCanTakeItsAttachmentsBeforeTheFirstUpdate)
{
    // A scene's enter actions run before it is first updated: a character
    // handed a thing there must find it among the set's attachments.
    TestSupport::FakeSceneServices services;
    FigurelessCast cast;
    const std::vector<uint8_t> bytes = WriteSceneDescription(Source(), nullptr, "test_room.json");
    Scene scene;
    SerialStream stream(bytes.data(), bytes.size(), "scenes/test_room.twscene.pc");
    ASSERT_TRUE(scene.Initialize2D(stream));
    scene.LoadActorSet("default");
    ASSERT_EQ(scene.m_iNumCharacters, 1);
    auto& heroine = static_cast<Character&>(*scene.m_apCharacters[0]);
    bool added = false;
    const std::string log =
        TestSupport::LogOf([&] { added = heroine.AddAttachment(3, Id::GetAttachmentId("tavrine_chisel")); });
    EXPECT_TRUE(added) << log;
    EXPECT_EQ(heroine.GetNumAttachments(), 1);
    scene.Shutdown();
}

} // namespace
