// A character's shared animations: joined to every scene's list after the
// scene's own as far as the engine's 48 go, and played by a figure drawn by
// hand through sets made for the gestures it lacks.
#include "ContentBuilder/CharacterAnimationLists.h"
#include "ContentBuilder/ContentError.h"
#include "ContentBuilder/SceneFiles.h"
#include "ContentBuilder/XFigureGestures.h"

#include "Mesh/CoreMesh.h"
#include "Scene/Common/CharacterAnimations.h"
#include "Support/Files.h"
#include "Support/SampleFigure.h"
#include "Support/TestPaths.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using testing::HasSubstr;

nlohmann::json Names(const nlohmann::json& list)
{
    nlohmann::json names = nlohmann::json::array();
    for (const nlohmann::json& animation : list)
        names.push_back(animation[1]);
    return names;
}

nlohmann::json SceneWith(const nlohmann::json& sceneList, const nlohmann::json& setCharacter)
{
    nlohmann::json scene = nlohmann::json::parse(
        R"({"animations": {}, "actorSets": [{"name": "default", "characters": [{}, {"name": "diego"}]}]})");
    scene["animations"]["tavrine"] = sceneList;
    scene["actorSets"][0]["characters"][0] = setCharacter;
    return scene;
}

TEST(CharacterAnimationListsTest, TheScenesListComesFirstAndTheSharedOneFillsTheRoomLeft)
{
    TestSupport::TempDir content;
    content.WriteFile("CharacterAnimations/tavrine.json",
                      R"([["idle", "g_idle_l"], ["standard", "g_lookup"], ["standard", "g_helpless"]])");
    const nlohmann::json scene =
        SceneWith(nlohmann::json::parse(R"([["standard", "digmound01"], ["standard", "g_idle_l"]])"),
                  nlohmann::json::parse(R"({"name": "tavrine"})"));
    const nlohmann::json joined = WithCharacterAnimations(scene, content.Path(), "scene.json");
    const nlohmann::json& characters = joined["actorSets"][0]["characters"];
    // The scene's type of an animation both name stays; a character without
    // a shared list keeps taking the scene's.
    EXPECT_EQ(
        characters[0]["animations"],
        nlohmann::json::parse(
            R"([["standard", "digmound01"], ["standard", "g_idle_l"], ["standard", "g_lookup"], ["standard", "g_helpless"]])"));
    EXPECT_FALSE(characters[1].contains("animations"));

    // A set's own list is joined as the scene's is, and a full one gains
    // only what the engine keeps.
    nlohmann::json full = nlohmann::json::array();
    for (int i = 1; i < MAX_ANIMATIONS; ++i)
        full.push_back(nlohmann::json::array({"standard", "own" + std::to_string(i)}));
    nlohmann::json own = nlohmann::json::parse(R"({"name": "tavrine"})");
    own["animations"] = full;
    const nlohmann::json nearlyFull =
        WithCharacterAnimations(SceneWith(nlohmann::json::array(), own), content.Path(), "scene.json");
    const nlohmann::json names = Names(nearlyFull["actorSets"][0]["characters"][0]["animations"]);
    ASSERT_EQ(names.size(), size_t(MAX_ANIMATIONS));
    EXPECT_EQ(names.back(), "g_idle_l");

    content.WriteFile("CharacterAnimations/tavrine.json", R"({"g_idle_l": "idle"})");
    try {
        WithCharacterAnimations(scene, content.Path(), "scene.json");
        ADD_FAILURE() << "a shared list that is no list was taken";
    } catch (const ContentError& error) {
        EXPECT_THAT(error.what(), HasSubstr("tavrine.json"));
    }
}

TEST(CharacterAnimationListsTest, AnActorSetOfMoreAnimationsThanACharacterHoldsIsRefused)
{
    nlohmann::json list = nlohmann::json::array();
    for (int i = 0; i <= MAX_ANIMATIONS; ++i)
        list.push_back(nlohmann::json::array({"standard", i == 0 ? "g_idle_l" : "g_lookup"}));
    nlohmann::json set = nlohmann::json::parse(R"({"name": "default", "characters": [{"name": "tavrine"}]})");
    set["characters"][0]["animations"] = list;
    ByteWriter out;
    try {
        WriteActorSetRecord(out, set, nlohmann::json::object(), "scene.json");
        ADD_FAILURE() << "49 animations were written";
    } catch (const ContentError& error) {
        EXPECT_THAT(error.what(), HasSubstr("a character holds at most 48"));
    }
}

// The heroine's figure as the game loads it, with the sets of her shared list.
class HeroineWithGestures : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string x = TestSupport::ReadFileText(TestSupport::SourceDir() / "Content/Meshes/tavrine.x");
        m_list = nlohmann::json::parse(
            TestSupport::ReadFileText(TestSupport::SourceDir() / "Content/CharacterAnimations/tavrine.json"));
        m_text = WithGestureSets(x, m_list, "figure \"tavrine\"");
        // Her own sets and the rest of her file stay as they are.
        ASSERT_EQ(m_text.substr(0, x.size()), x);
        EXPECT_EQ(WithGestureSets(x, m_list, "figure \"tavrine\""), m_text);
        ASSERT_TRUE(m_mesh.Initialize(nullptr, m_text.data(), uint32_t(m_text.size())));
    }
    void TearDown() override { m_mesh.Shutdown(); }

    Platform::Vector3 Bone(const char* animation, double seconds, const char* bone)
    {
        return TestSupport::BoneAt(m_mesh, animation, seconds, bone);
    }

    nlohmann::json m_list;
    std::string m_text;
    CoreMesh m_mesh;
};

TEST_F(HeroineWithGestures, EveryGestureOfHerListHasASetAndPickingUpBendsHerDownAndAhead)
{
    for (const nlohmann::json& animation : m_list)
        EXPECT_GE(m_mesh.GetAnimationIdFromName(animation[1].get<std::string>().c_str()), 0) << animation;
    // She faces +y, as the game turns her: bent halfway through, her head is
    // lower and ahead; at the end she stands as at rest, so the next
    // animation follows on.
    const Platform::Vector3 rest = Bone("g_idle_l", 0.0, "Bip01_Head");
    const Platform::Vector3 bent = Bone("g_pickobjectlow01", 0.8, "Bip01_Head");
    EXPECT_LT(bent.z, rest.z - 20.0f);
    EXPECT_GT(bent.y, rest.y + 20.0f);
    const Platform::Vector3 end = Bone("g_pickobjectlow01", 1.6, "Bip01_Head");
    EXPECT_NEAR(end.z, rest.z, 0.5f);
    EXPECT_NEAR(end.y, rest.y, 0.5f);
    // Talking lifts the right hand.
    EXPECT_GT(Bone("g_dlgpolite", 1.0, "Bip01_R_Hand").z, Bone("g_idle_l", 1.0, "Bip01_R_Hand").z + 5.0f);
}

TEST(XFigureGesturesTest, AFigureWithoutTheBonesOfTheGesturesIsRefusedByName)
{
    const std::string x = "xof 0303txt 0032\nFrame Bip01 {\n FrameTransformMatrix { 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, "
                          "0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 95.0, 1.0;; }\n}\n";
    // Nothing to add leaves any file as it is.
    EXPECT_EQ(WithGestureSets(x, nlohmann::json::array(), "figure \"stick\""), x);
    try {
        WithGestureSets(x, nlohmann::json::parse(R"([["standard", "g_lookup"]])"), "figure \"stick\"");
        ADD_FAILURE() << "a figure without a head was given gestures";
    } catch (const ContentError& error) {
        EXPECT_THAT(error.what(), HasSubstr("figure \"stick\": the figure has no bone \"Bip01_Head\""));
    }
}

} // namespace
