// The turtle chamber drawn on the OpenGL device as its script leaves it once
// the egg lies in the incubator in chapter 10: the shaman and his armed guard
// by the walls, Tanama hurt on the floor, the old turtle dead on its place
// with its golden shade, the egg under its glass in danger, the doorway and
// the smoke of the dark corner; the scene loads and draws without an assert.
// And at every stage of the chamber's story, whoever stands where the script
// puts them, each hotspot and person can be clicked at its centre.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Engine/Scripts/Common/SceneScriptAudit.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"
#include "Support/HandMadeScene.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr SceneId TURTLE_CHAMBER = 49;
constexpr SceneId TURTLE_PATH = 48;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using TurtleChamberGoldenImageTest = SampleSceneScriptTest;

TEST_F(TurtleChamberGoldenImageTest, TheEggInDangerInChapterTen)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TURTLE_PATH);
    for (const int32_t iFlag : {VARBOOL_BG509_C10_FIRST_TIME, VARBOOL_BG509_C10_TALK_GOLDEN_TURTLE_ABOUT_STRANGE_DEVICE,
                                VARBOOL_QUEST_C10_RETURN, VARBOOL_QUEST_C10_RETURN_DONE, VARBOOL_QUEST_C10_INCUBATE,
                                VARBOOL_QUEST_C10_INCUBATE_DONE, VARBOOL_BG509_C10_EVENT_INCUBATOR_IN_DANGER})
        g_VarManager.SetBool(iFlag, true);
    CoreRandom::Init(7);
    Enter(TURTLE_CHAMBER, 10, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 5);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/TurtleChamberChapter10", TOLERANCE));
}

TEST_F(TurtleChamberGoldenImageTest, EveryStageOfTheStoryLeavesItsHotspotsAndPeopleClickable)
{
    struct Stage {
        const char* pName;
        int32_t iFrom;
        std::vector<int32_t> flags;
    };
    const std::vector<int32_t> returned = {
        VARBOOL_BG509_C10_FIRST_TIME, VARBOOL_BG509_C10_TALK_GOLDEN_TURTLE_ABOUT_STRANGE_DEVICE,
        VARBOOL_QUEST_C10_RETURN, VARBOOL_QUEST_C10_RETURN_DONE, VARBOOL_QUEST_C10_INCUBATE};
    std::vector<int32_t> danger = returned;
    danger.insert(danger.end(),
                  {VARBOOL_QUEST_C10_INCUBATE_DONE, VARBOOL_BG509_C10_EVENT_INCUBATOR_IN_DANGER,
                   VARBOOL_BG509_C10_TALK_BABA_ABOUT_MAKE_AMENDS, VARBOOL_BG509_C10_INT_SHAKING_INCUBATOR});
    std::vector<int32_t> hatched = danger;
    hatched.insert(hatched.end(),
                   {VARBOOL_BG509_C10_USE_TURTLE_ROD_ON_SECRET_PANEL, VARBOOL_BG509_C10_EVENT_THE_EGG_HATCHES});
    std::vector<int32_t> betrayed = hatched;
    betrayed.insert(betrayed.end(),
                    {VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANAMA, VARBOOL_BG509_C10_EVENT_BETRAYAL});
    std::vector<int32_t> revealed = betrayed;
    revealed.insert(revealed.end(),
                    {VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANNER,
                     VARBOOL_BG509_C10_ALESSANDRO_AND_BRISCOE_HERE, VARBOOL_BG509_C10_EVENT_THE_BIG_REVEAL});
    std::vector<int32_t> chest = revealed;
    chest.insert(chest.end(),
                 {VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_LEAVE_IN_PEACE, VARBOOL_BG509_C10_CHEST_HERE});
    const Stage stages[] = {
        {"back with the egg", TURTLE_PATH, returned}, {"the egg in danger", 512 + 6, danger},
        {"the egg hatched", TURTLE_CHAMBER, hatched}, {"the shaman gone", TURTLE_CHAMBER, betrayed},
        {"the smoke cleared", 512 + 7, revealed},     {"the chest", 512 + 7, chest},
    };
    for (const Stage& stage : stages) {
        for (const auto& [width, height] : {std::pair {1280u, 960u}, std::pair {1280u, 720u}}) {
            SCOPED_TRACE(std::string(stage.pName) + ", " + std::to_string(width) + " x " + std::to_string(height));
            TestSupport::ScopedWindowSize window(width, height);
            g_VarManager = VarSet {};
            g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, stage.iFrom);
            for (const int32_t iFlag : stage.flags)
                g_VarManager.SetBool(iFlag, true);
            Enter(TURTLE_CHAMBER, 10, Id::GetActorId("tavrine"));
            if (HasFatalFailure())
                return;
            EXPECT_EQ(JoinedLines(CoveredHotspots(*m_scene)), "");
        }
    }
}

} // namespace
