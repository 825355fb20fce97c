// The generic scene-script checks catch what they are for, in a script made
// badly on purpose for the living room's row of the scene table, and in a
// hand-made scene whose hotspot lies under a picture.
#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Common/VarIds.h"
#include "Engine/Managers/Common/ScriptManagerTestKit.h"
#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Engine/Scripts/Common/SceneScriptAudit.h"
#include "Engine/Scripts/Common/SceneScriptLimits.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptTreeBuilder.h"
#include "Scripts/Common/ScriptEvents.h"
#include "Support/HandMadeScene.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using testing::HasSubstr;

constexpr SceneId LIVING_ROOM = 9;
constexpr uint32_t KID = ActorIdOf("tavrine_kid");
constexpr uint32_t MOTHER = ActorIdOf("bonita_c_chair");
// The living room's objects by their index in its row.
constexpr int32_t WINDOWS = 0;
constexpr int32_t BEDROOM_DOOR = 1;
constexpr int32_t DUSTPAN = 4;
constexpr int32_t O_CHESTTOP = 18;
constexpr int32_t I_CLOTH = 20;

// Each handler holds one fault a scene script could have.
class BadLivingRoomScript final : public SceneScript {
protected:
    void BuildEnterActions() override
    {
        // The kid's idle loop was meant; the name found her mother's.
        PushAnimAction(KID, Id::GetAnimationId(MOTHER, "embroiding03"), 0, 0);
        // A number the animation table gives no name: no figure holds it.
        PushAnimAction(KID, 817, 0, 0);
        // A hotspot hidden, a picture made clickable.
        ShowObject(WINDOWS, false);
        SetInteractive(I_CLOTH, false);
        PushAction5(KID, 500, 0);
        PushHashAction23(O_CHESTTOP, 0xDEADBEEF);
        AddToQueue(static_cast<int32_t>(LOGIC_DIALOG_ACTOR_ID), ID_ACTION_TYPE_START_DIALOG, Param::Int(0x12345678));
        AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MUSIC, Param::Sound(0x1234), Param::Bool(1));
    }
    void BuildEvents() override
    {
        _IfMatch(MatchExpr::MakeEvent0(BEDROOM_DOOR));
        GoToScene(99);
        _EndMatch();

        for (int i = 0; i < 2; ++i) {
            _IfEvent(ScriptEvent_Object1(DUSTPAN));
            _EndMatch();
        }

        // Chapter 3 gets one handler more than the script manager compares.
        _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 3);
        for (int32_t i = 0; i <= MAX_COLLECTED_EVENTS; ++i) {
            _IfEvent(ScriptEvent_Hash9(i));
            _EndMatch();
        }
        _EndMatch();

        // A walk that fires more actions than its log holds.
        _IfEvent(ScriptEvent_Hash9(-1));
        for (int32_t i = 0; i <= MAX_FIRED_ACTIONS; ++i)
            SetBoolVar(VARBOOL_ACTIVE_MAP, true);
        // Chapter 5 fires three more, the others one; a flag may add two.
        _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 5);
        for (int i = 0; i < 3; ++i)
            SetBoolVar(VARBOOL_ACTIVE_MAP, false);
        _ElseMatch();
        SetBoolVar(VARBOOL_ACTIVE_MAP, false);
        _EndMatch();
        _IfBool(VARBOOL_ACTIVE_MAP, 1);
        for (int i = 0; i < 2; ++i)
            SetBoolVar(VARBOOL_ACTIVE_MAP, false);
        _EndMatch();
        _EndMatch();
    }
};

class SceneScriptAuditTest : public ScriptManagerTest {
protected:
    SceneScriptAuditTest() { manager.GetNodePool().ResetPool(); }

    ScriptNodeIndex Build()
    {
        ScriptNodePool& pool = manager.GetNodePool();
        m_script.SetOwner(&manager);
        const ScriptNodeIndex root = pool.AllocNode();
        ScriptTreeBuilder builder(pool, root);
        SceneScript::BuildScriptTree(&m_script, &builder);
        return root;
    }

    const SceneDesc& scene = *Id::GetSceneDesc(LIVING_ROOM);
    BadLivingRoomScript m_script;
};

TEST_F(SceneScriptAuditTest, EachFaultIsReportedWithTheSceneTheHandlerAndTheName)
{
    const ScriptNodeIndex root = Build();
    SceneFacts facts;
    facts.scene = &scene;
    facts.dialogKeys = std::set<uint32_t> {0x824E3221};
    facts.waypoints = 70;
    facts.entitySprites.emplace(scene.m_iNbObjects);
    (*facts.entitySprites)[O_CHESTTOP] = {0x619006D5};
    // The content's entities in the row's order, but for one moved.
    facts.entityNames.emplace(scene.m_ppObjectNames, scene.m_ppObjectNames + scene.m_iNbObjects);
    (*facts.entityNames)[DUSTPAN] = "brush";
    const std::string faults = JoinedLines(AuditScriptTree(manager.GetNodePool(), root, facts));

    const std::string start = "bg101_BO_CastilloLivingRoom, Init(,): ";
    EXPECT_THAT(faults, HasSubstr(start + "plays bonita_c_chair's animation 149 \"embroiding03\" on tavrine_kid\n"));
    EXPECT_THAT(faults,
                HasSubstr(start + "plays animation 817 on tavrine_kid, which has no name in the animation table\n"));
    EXPECT_THAT(faults, HasSubstr(start + "shows or hides windows, which is not a picture\n"));
    EXPECT_THAT(faults, HasSubstr(start + "activates or deactivates i_cloth, which is not a hotspot\n"));
    EXPECT_THAT(faults, HasSubstr(start + "tavrine_kid goes to waypoint 500 of 70\n"));
    EXPECT_THAT(faults, HasSubstr(start + "starts dialog 0x12345678, which the scene's dialogs lack\n"));
    EXPECT_THAT(faults, HasSubstr(start + "plays sound 0x00001234, which the sound table lacks\n"));
    EXPECT_THAT(faults, HasSubstr("Activate(Entity[1](bg101_BO_CastilloLivingRoom::bedroom_door),): goes to scene "
                                  "99, which does not exist\n"));
    EXPECT_THAT(faults, HasSubstr(start + "plays sprite animation 0xDEADBEEF, which o_chesttop does not have\n"));
    EXPECT_THAT(faults, HasSubstr("Look(Entity[4](bg101_BO_CastilloLivingRoom::dustpan),): names dustpan, whose "
                                  "place in the content holds brush\n"));
    // The two handlers of the dustpan are both reported.
    EXPECT_EQ(std::count(faults.begin(), faults.end(), '\n'), 11) << faults;

    // Without content or dialogs, waypoints, sprites and dialogs are not
    // judged; the front end's buttons may be shown and hidden.
    facts.waypoints.reset();
    facts.entitySprites.reset();
    facts.entityNames.reset();
    facts.dialogKeys.reset();
    facts.picturesByName = false;
    EXPECT_EQ(AuditScriptTree(manager.GetNodePool(), root, facts).size(), 4u);
}

TEST_F(SceneScriptAuditTest, RepeatedPatternsAndTheLimitsAreMeasuredPerChapter)
{
    const ScriptNodePool& pool = manager.GetNodePool();
    const ScriptNodeIndex root = Build();
    EXPECT_EQ(JoinedLines(RepeatedPatterns(pool, root, scene, 1)),
              "bg101_BO_CastilloLivingRoom, chapter 1: Look(Entity[4](bg101_BO_CastilloLivingRoom::dustpan),) is "
              "handled twice\n");
    EXPECT_GT(CountCollectedPatterns(pool, root), MAX_COLLECTED_EVENTS);

    std::string longest;
    EXPECT_GT(MostFiredInOneWalk(pool, root, scene, 1, &longest), MAX_FIRED_ACTIONS);
    EXPECT_EQ(longest, "Dialog_CB(-1,)");
    // A walk takes its chapter's branch, and the longer one where a
    // variable decides.
    EXPECT_EQ(MostFiredInOneWalk(pool, root, scene, 1), MAX_FIRED_ACTIONS + 1 + 1 + 2);
    EXPECT_EQ(MostFiredInOneWalk(pool, root, scene, 5), MAX_FIRED_ACTIONS + 1 + 3 + 2);
}

// A hand-made scene's entity that offers the player a verb.
class ClickableEntity final : public Scriptable {
public:
    explicit ClickableEntity(const char* pName) : m_pName(pName) { }
    const char* GetName() const override { return m_pName; }
    int GetEventTypes(TwEventType* pTypes, int iMax) const override
    {
        if (iMax > 0)
            pTypes[0] = TwEventType_Activate;
        return 1;
    }

private:
    const char* m_pName;
};

TEST(CoveredHotspotsTest, AHotspotUnderAPictureIsReportedWithWhatIsPickedInstead)
{
    Scene scene;
    const SceneRect box {40 * FX32_ONE, 40 * FX32_ONE, 80 * FX32_ONE, 80 * FX32_ONE};
    TestSupport::BuildMainLayer(scene, 256 * FX32_ONE, {{-2 * FX32_ONE, box}}, {{-5 * FX32_ONE, box}});
    ClickableEntity door("door");
    ClickableEntity curtain("curtain");
    Layer& layer = scene.m_vLayers[0];
    layer.m_vRegions[0].m_pScriptable = &door;
    layer.m_vSprites[0].m_pScriptable = &curtain;
    EXPECT_THAT(JoinedLines(CoveredHotspots(scene)), HasSubstr("door at (60, 60) picks curtain\n"));

    // Hidden, the picture covers nothing.
    layer.m_vSprites[0].m_bVisible = 0;
    EXPECT_EQ(JoinedLines(CoveredHotspots(scene)), "");
}

} // namespace
