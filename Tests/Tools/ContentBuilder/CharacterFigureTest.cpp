// Figures made from character descriptions: the bones scripts bind
// attachments to, one animation set per animation of the actor, motions that
// read as what their names say, the same text from the same description, and
// damaged descriptions refused by the file's name.
#include "ContentBuilder/CharacterFigure.h"
#include "ContentBuilder/CharacterMeshBuilder.h"
#include "ContentBuilder/ContentError.h"
#include "ContentBuilder/FigureMotions.h"
#include "ContentBuilder/Manifest.h"

#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Hash/CoreCrc32.h"
#include "Mesh/CoreMesh.h"
#include "Mesh/MeshHierarchy.h"
#include "Support/Files.h"
#include "Support/SampleFigure.h"
#include "Support/TestPaths.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;

fs::path ContentFolder()
{
    return TestSupport::SourceDir() / "Content";
}

std::string Build(const std::string& actor)
{
    return BuildCharacterX(actor, ContentFolder() / "Characters" / (actor + ".json"));
}

// A figure loaded as the game loads it, posed by one animation at a time.
class PosedFigure {
public:
    explicit PosedFigure(const std::string& actor) : m_text(Build(actor))
    {
        m_bLoaded = m_mesh.Initialize(nullptr, m_text.data(), uint32_t(m_text.size()));
    }
    ~PosedFigure() { m_mesh.Shutdown(); }
    PosedFigure(const PosedFigure&) = delete;
    PosedFigure& operator=(const PosedFigure&) = delete;
    bool IsLoaded() const { return m_bLoaded; }
    CoreMesh& Mesh() { return m_mesh; }

    Platform::Vector3 Bone(const char* animation, double seconds, const char* bone)
    {
        return TestSupport::BoneAt(m_mesh, animation, seconds, bone);
    }

private:
    std::string m_text;
    CoreMesh m_mesh;
    bool m_bLoaded = false;
};

TEST(CharacterFigureTest, EveryDescribedCharacterHasTheAttachmentBonesAndOneSetPerAnimation)
{
    const nlohmann::json manifest = LoadManifest(ContentFolder());
    std::set<std::string> listed;
    for (const nlohmann::json& mesh : manifest.at("meshes")) {
        if (!mesh.contains("character"))
            continue;
        const std::string actor = mesh.at("name");
        listed.insert(mesh.at("character").get<std::string>());
        const std::string text = Build(actor);
        EXPECT_EQ(text, Build(actor)) << actor << ": the same description gives the same figure";

        PosedFigure figure(actor);
        ASSERT_TRUE(figure.IsLoaded()) << actor;
        for (const char* bone :
             {"Bip01", "Bip01_L_Hand", "Bip01_R_Hand", "Bip01_Head", "Bip01_R_Foot", "Bip01_Footsteps"})
            EXPECT_NE(Platform::FrameFind(figure.Mesh().m_pRoot, bone), nullptr) << actor << ": " << bone;
        const auto animations = Id::GetActorAnimations(CoreCrc32::HashString(actor.c_str()) | 0x80000000u);
        const uint32_t sets =
            figure.Mesh().m_pAnimationCtrl ? figure.Mesh().m_pAnimationCtrl->GetNumAnimationSets() : 0;
        EXPECT_EQ(sets, animations.size()) << actor;
        // Only animations pose a skin: a figure that plays none is drawn as
        // it stands.
        EXPECT_EQ(figure.Mesh().HasAnimationBones(), !animations.empty()) << actor;
        for (const AnimationRow& row : animations)
            EXPECT_GE(figure.Mesh().GetAnimationIdFromName(row.m_pName), 0) << actor << ": " << row.m_pName;
    }
    // No description lies unused beside the manifest.
    for (const auto& entry : fs::directory_iterator(ContentFolder() / "Characters"))
        EXPECT_EQ(listed.count("Characters/" + entry.path().filename().string()), 1u) << entry.path();
}

TEST(CharacterFigureTest, EveryFigureStandsOnTheGroundAsTallAsItsDescription)
{
    for (const auto& entry : fs::directory_iterator(ContentFolder() / "Characters")) {
        const std::string actor = entry.path().stem().string();
        const CharacterDescription description =
            ReadCharacterDescription(nlohmann::json::parse(TestSupport::ReadFileText(entry.path())), actor, actor);
        const CharacterFigure figure = BuildCharacterFigure(description);
        double bottom = 1e9;
        double top = -1e9;
        double left = 0.0;
        double right = 0.0;
        for (const FigureBox& box : figure.boxes) {
            EXPECT_TRUE(box.min.x < box.max.x && box.min.y < box.max.y && box.min.z < box.max.z) << actor;
            bottom = std::min(bottom, box.min.z);
            top = std::max(top, box.max.z);
            left = std::max(left, box.max.x);
            right = std::min(right, box.min.x);
        }
        EXPECT_EQ(bottom, 0.0) << actor;
        // A hat or long ears may rise above the head.
        EXPECT_GE(top, description.height * 0.95) << actor;
        EXPECT_LE(top, description.height * 1.12) << actor;
        EXPECT_DOUBLE_EQ(left, -right) << actor << " is as broad on both sides";
    }
}

TEST(CharacterFigureTest, MotionsReadAsTheirNamesAndKeepTheFeetOnTheGround)
{
    PosedFigure kid("tavrine_kid");
    ASSERT_TRUE(kid.IsLoaded());
    const Platform::Vector3 head = kid.Bone("g_idle_l", 0.0, "Bip01_Head");
    // Picking up bends her forward (along y, where she faces) and down, and
    // straightens her again by the end; her feet stay where they were.
    const Platform::Vector3 bent = kid.Bone("g_pickobjectlow01", 0.25, "Bip01_Head");
    EXPECT_LT(bent.z, head.z - 15.0f);
    EXPECT_GT(bent.y, head.y + 15.0f);
    EXPECT_NEAR(kid.Bone("g_pickobjectlow01", 0.5, "Bip01_Head").z, head.z, 0.5f);
    const Platform::Vector3 foot = kid.Bone("g_pickobjectlow01", 0.25, "Bip01_R_Foot");
    EXPECT_NEAR(foot.y, kid.Bone("g_idle_l", 0.0, "Bip01_R_Foot").y, 1.0f);
    EXPECT_GE(foot.z, 0.0f);
    // Talking lifts the right hand.
    EXPECT_GT(kid.Bone("g_talk_l", 0.5, "Bip01_R_Hand").z, kid.Bone("g_idle_l", 0.5, "Bip01_R_Hand").z + 10.0f);

    // A walk swings the feet to and fro, one ahead while the other is behind,
    // and never through the floor.
    PosedFigure walker("anita");
    ASSERT_TRUE(walker.IsLoaded());
    float ahead = 0.0f;
    float behind = 0.0f;
    for (double t = 0.0; t < 2.0; t += 0.05) {
        const Platform::Vector3 left = walker.Bone("g_walk_l", t, "Bip01_L_Foot");
        const Platform::Vector3 right = walker.Bone("g_walk_l", t, "Bip01_R_Foot");
        ahead = std::max(ahead, left.y);
        behind = std::min(behind, left.y);
        EXPECT_LT(left.y * right.y, 0.01f) << t;
        EXPECT_GE(std::min(left.z, right.z), -0.01f) << t;
    }
    EXPECT_GT(ahead, 15.0f);
    EXPECT_LT(behind, -15.0f);

    // Seated, the mother's hips are down at the chair and her knees ahead.
    PosedFigure seated("bonita_c_chair");
    PosedFigure standing("bonita_c");
    ASSERT_TRUE(seated.IsLoaded() && standing.IsLoaded());
    const Platform::Vector3 hips = seated.Bone("embroiding01_l", 0.5, "Bip01");
    EXPECT_LT(hips.z, standing.Bone("g_idle_l", 0.5, "Bip01").z - 30.0f);
    EXPECT_GT(seated.Bone("embroiding01_l", 0.5, "Bip01_L_Calf").y, 30.0f);
    EXPECT_GE(seated.Bone("embroiding01_l", 0.5, "Bip01_L_Foot").z, -0.01f);

    // Knocked out, a guard lies on his back: head behind the hips, both low
    // and every bone on the ground or above it.
    PosedFigure guard("dinsdale");
    ASSERT_TRUE(guard.IsLoaded());
    const float tall = guard.Bone("guarding_idle_l", 0.0, "Bip01_Head").z;
    const Platform::Vector3 lyingHips = guard.Bone("unconscious_l", 1.0, "Bip01");
    const Platform::Vector3 lyingHead = guard.Bone("unconscious_l", 1.0, "Bip01_Head");
    EXPECT_LT(lyingHead.y, lyingHips.y - 0.3f * tall);
    for (const char* bone : {"Bip01", "Bip01_Head", "Bip01_L_Foot", "Bip01_R_Hand"}) {
        EXPECT_LT(guard.Bone("unconscious_l", 1.0, bone).z, 0.2f * tall) << bone;
        EXPECT_GE(guard.Bone("unconscious_l", 1.0, bone).z, 0.0f) << bone;
    }
    // A faint starts on her feet and ends on the ground, where its loop goes
    // on; getting up again stands.
    PosedFigure fainting("tanama");
    ASSERT_TRUE(fainting.IsLoaded());
    const float upright = fainting.Bone("unfaint", 0.0, "Bip01_Head").z;
    EXPECT_NEAR(fainting.Bone("faint01", 0.0, "Bip01_Head").z, upright, 0.5f);
    EXPECT_NEAR(fainting.Bone("faint01", 0.499, "Bip01_Head").z, fainting.Bone("faint02_l", 0.0, "Bip01_Head").z, 0.5f);
    EXPECT_LT(fainting.Bone("faint02_l", 0.0, "Bip01_Head").z, 0.2f * upright);
    // A dead animal rolls onto its side: back down, hooves off the ground.
    PosedFigure turtle("golden_turtle");
    ASSERT_TRUE(turtle.IsLoaded());
    EXPECT_LT(turtle.Bone("died_idle_l", 0.5, "Bip01").z, turtle.Bone("died", 0.0, "Bip01").z - 5.0f);
    for (const char* hoof : {"Bip01_L_Hand", "Bip01_R_Foot"})
        EXPECT_GE(turtle.Bone("died_idle_l", 0.5, hoof).z, 0.0f) << hoof;
}

TEST(CharacterFigureTest, AnimationNamesTakeTheNearestMotion)
{
    const struct {
        const char* name;
        FigureMotion motion;
    } cases[] = {
        {"g_walk_l", FigureMotion::Walk},
        {"g_gardenstairsrun", FigureMotion::Walk},
        {"benchcrying01", FigureMotion::Sit},
        {"innsittingtalk_l", FigureMotion::Sit},
        {"hesitates", FigureMotion::Idle},
        {"g_pickobjectlow01", FigureMotion::PickUp},
        {"sweepgrounddust03", FigureMotion::PickUp},
        {"g_dlgpolite", FigureMotion::Talk},
        {"g_talk_l", FigureMotion::Talk},
        {"g_idle_l", FigureMotion::Idle},
        {"recovers", FigureMotion::Idle},
        {"unconscious_l", FigureMotion::Lie},
        {"brownfaints01", FigureMotion::Lie},
        {"died_idle_l", FigureMotion::Lie},
        {"unfaint", FigureMotion::Idle},
        {"brownunfaints01", FigureMotion::Idle},
        {"desksobbing_l", FigureMotion::Sit},
        {"g_deskstandup", FigureMotion::Idle},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MotionForAnimation(c.name), c.motion) << c.name;
}

TEST(CharacterFigureTest, DamagedDescriptionsAreRefusedByTheFilesName)
{
    const TestSupport::TempDir folder;
    const struct {
        const char* text;
        const char* fault;
    } cases[] = {
        {R"({"height": 120, "hat": true})", "no member \"hat\""},
        {R"({"top": "#102030"})", "\"height\" is missing"},
        {R"({"height": 5000})", "\"height\" must be a number from 40 to 300"},
        {R"({"height": 120, "width": "wide"})", "\"width\" must be a number"},
        {R"({"height": 120, "top": "blue"})", "\"top\" must be \"#RRGGBB\""},
        {R"({"height": 120, "build": "robot"})", "\"build\" must be \"person\" or \"animal\""},
        {R"({"height": 120, "shapes": [{"shape": "wings"}]})", "shape 0: no shape \"wings\""},
        {R"({"height": 120, "shapes": {"shape": "hat"}})", "\"shapes\" must be a list"},
        {R"({"height": 120, "seated": 1})", "\"seated\" must be true or false"},
        {R"({"height": 120,)", "parse error"},
        {R"([120])", "must be an object"},
    };
    const fs::path path = folder.Path() / "nell.json";
    for (const auto& c : cases) {
        std::ofstream(path) << c.text;
        try {
            BuildCharacterX("nell", path);
            ADD_FAILURE() << c.text << " was taken";
        } catch (const ContentError& error) {
            EXPECT_THAT(error.what(), HasSubstr("character \"nell\": " + path.string())) << c.text;
            EXPECT_THAT(error.what(), HasSubstr(c.fault)) << c.text;
        }
    }
    EXPECT_THROW(BuildCharacterX("nell", folder.Path() / "missing.json"), ContentError);
    std::ofstream(folder.Path() / "nobody.json") << R"({"height": 120})";
    try {
        BuildCharacterX("nobody", folder.Path() / "nobody.json");
        ADD_FAILURE() << "an actor outside the actor table was taken";
    } catch (const ContentError& error) {
        EXPECT_THAT(error.what(), HasSubstr("\"nobody\" is not an actor of the actor table"));
    }
}

} // namespace
