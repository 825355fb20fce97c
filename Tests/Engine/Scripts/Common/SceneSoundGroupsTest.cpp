// Each scene's sound group by chapter, as its script selects it: every
// chapter of the story plays the scene's group, or the chapter's own where it
// has one, and no chapter outside the story plays any.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Managers/Common/ScriptManager.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <utility>
#include <vector>

namespace {

// A scene's sound groups: the one of every chapter of the story, and those of
// the chapters with their own.
struct SceneSounds {
    const char* pName;
    int32_t iScene;
    int32_t iGroup;
    std::vector<std::pair<int32_t, int32_t>> chapterGroups;
};

const SceneSounds SCENES[] = {
    {"AlessandrosCabinNight", 8, 0x00a5e082, {{8, 0x6612f096}}},
    {"BriscoesHouseInterior", 18, 0x30fc919b, {{5, 0x4099c3c8}}},
    {"BuckleberryInn", 23, 0x423f3938, {{8, 0x684191db}}},
    {"CheminsHut", 38, 0x340941a6, {{7, 0x4ff96649}}},
    {"Corridor", 6, 0x46cae905, {{2, 0x69fabc68}, {6, 0x6e977871}, {8, 0x092f5576}}},
    {"DarkReefs", 35, 0x3c3d4ece, {{4, 0x16cfd4e7}, {7, 0x0fc6855d}}},
    {"DocksCrabIsland", 22, 0x4cb03edb, {{3, 0x080d9aa3}, {7, 0x0f605eba}}},
    {"HollowIslandJetty", 28, 0x237255e5, {}},
    {"HouseExteriorA", 20, 0x3e739678, {{5, 0x37071138}}},
    {"TownSquareA", 29, 0x2dfd5206, {}},
    {"TownSquareB", 30, 0x61575298, {}},
    {"TownSquareC", 31, 0x6b925b81, {{4, 0x13c59966}}},
    {"VoodooTemple", 37, 0x78a34138, {{7, 0x545c2a26}}},
};

// Names the scene in the test's listing.
void PrintTo(const SceneSounds& scene, std::ostream* pStream)
{
    *pStream << scene.pName;
}

class SceneSoundGroupsTest : public SceneScriptTest, public testing::WithParamInterface<SceneSounds> { };

TEST_P(SceneSoundGroupsTest, EachChapterOfTheStoryPlaysItsGroupAndNoneOutsideIt)
{
    const SceneSounds& scene = GetParam();
    for (int32_t iChapter = -1; iChapter <= 11; ++iChapter) {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        std::unique_ptr<SceneScript> pScript(CreateScriptFromId(scene.iScene));
        pScript->SetOwner(&manager);
        pScript->LinkSoundGroups();
        int32_t iExpected = iChapter >= 1 && iChapter <= 10 ? scene.iGroup : -1;
        for (const auto& [iOwnChapter, iOwnGroup] : scene.chapterGroups)
            if (iChapter == iOwnChapter)
                iExpected = iOwnGroup;
        EXPECT_EQ(pScript->SelectSoundGroup(), iExpected) << "chapter " << iChapter;
    }
}

INSTANTIATE_TEST_SUITE_P(Scenes, SceneSoundGroupsTest, testing::ValuesIn(SCENES),
                         [](const testing::TestParamInfo<SceneSounds>& info) { return info.param.pName; });

} // namespace
