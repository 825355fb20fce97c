// The sample scenes as a player meets them, entered through their scripts:
// with the characters where the scripts put them, every object that can be
// clicked is picked at its centre on the screen (nothing else's picking area
// covers it), every handler walks the heroine to a place in front of its
// hotspot, and the kid comes out of the living room's front door into the
// house's front.
#include "Adventure/Common/Entity.h"
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"
#include "ScriptEngine/common/ScriptTreeBuilder.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr SceneId LIVING_ROOM = 9;
constexpr SceneId HOUSE_FRONT = 10;
constexpr fx32 FX = FX32_ONE;

using SampleScenesEnteredTest = SampleSceneScriptTest;

TEST_F(SampleScenesEnteredTest, InTheLivingRoomOfChapterOneEveryHotspotIsPickedAtItsCentre)
{
    // Back in the room after the first visit: the kid and her mother.
    g_VarManager.SetBool(VARBOOL_BG101_C01_EVENT_FIRST_TIME, 1);
    Enter(LIVING_ROOM, 1, Id::GetActorId("tavrine_kid"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 2);
    ASSERT_NE(m_scene->m_iActiveCharacter, -1);
    EXPECT_GT(ClickableObjects(*m_scene).size(), 15u);
    EXPECT_EQ(CoveredHotspots(*m_scene), std::vector<std::string> {});
}

TEST_F(SampleScenesEnteredTest, InTheLivingRoomOfChapterFiveEveryHotspotIsPickedAtItsCentre)
{
    // Awake, with the kid and the spirit, the doors and windows sealed.
    for (const int32_t flag : {VARBOOL_BG101_C05_EVENT_WAKE_UP, VARBOOL_BG101_C05_INT_DOOR_WONDOWS})
        g_VarManager.SetBool(flag, 1);
    Enter(LIVING_ROOM, 5, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 3);
    ASSERT_NE(m_scene->m_iActiveCharacter, -1);
    EXPECT_GT(ClickableObjects(*m_scene).size(), 8u);
    EXPECT_EQ(CoveredHotspots(*m_scene), std::vector<std::string> {});
}

TEST_F(SampleScenesEnteredTest, EveryHandlerWalksTheHeroineToAPlaceInFrontOfItsHotspot)
{
    g_VarManager.SetBool(VARBOOL_BG101_C01_EVENT_FIRST_TIME, 1);
    Enter(LIVING_ROOM, 1, Id::GetActorId("tavrine_kid"));
    const Scene& scene = *m_scene;

    // The handlers of the scene's tree, each with the first waypoint it
    // walks to.
    ScriptNodePool& pool = m_manager.GetNodePool();
    int checked = 0;
    for (ScriptNodeIndex iNode = 0; iNode < pool.GetNbAllocated(); ++iNode) {
        const ScriptNode& node = pool[iNode];
        if (node.m_iType != NodeType_Event || node.m_oEvent.m_iNbParameter == 0 ||
            node.m_oEvent.m_iParameterType[0] != ID_PARAMETER_TYPE_SCRIPTABLE)
            continue;
        const int32_t iObject = node.m_oEvent.m_oParameter[0];
        if (iObject < 0 || iObject >= scene.m_iNumEntities)
            continue;
        const Entity& entity = scene.m_vEntities[iObject];
        const SceneObject* hotspot =
            entity.m_pRegion
                ? static_cast<const SceneObject*>(entity.m_pRegion)
                : (entity.m_iNumSprite > 0 ? static_cast<const SceneObject*>(entity.m_apSprites[0]) : nullptr);
        if (!hotspot)
            continue;
        // The handler's nodes follow its event node until the next handler.
        int32_t iWaypoint = -1;
        for (ScriptNodeIndex iInner = iNode + 1; iInner < pool.GetNbAllocated() && iWaypoint == -1; ++iInner) {
            const ScriptNode& inner = pool[iInner];
            if (inner.m_iType == NodeType_Event)
                break;
            if (inner.m_iType == NodeType_Action && inner.m_oAction.m_iActionType == ID_ACTION_TYPE_WALK_TO_WAYPOINT)
                iWaypoint = inner.m_oAction.m_oParameter[0];
        }
        if (iWaypoint < 0)
            continue;
        ASSERT_LT(iWaypoint, scene.m_iNumLocators) << ObjectNameOf(hotspot);
        // Her feet stand beside or below the hotspot on the screen, not far
        // from it, and at most a little behind its top.
        const CoreFxVec feet = scene.m_oCamera.ProjectToScreen(scene.m_vLocators[iWaypoint].m_vPosition);
        const SceneRect& box = hotspot->m_oBox;
        const CoreFxVec2 centre = ClickPointOf(*hotspot);
        EXPECT_TRUE(feet.x >= box.xMin - 28 * FX && feet.x <= box.xMax + 28 * FX && feet.y >= box.yMin - 24 * FX &&
                    std::abs(feet.y - centre.y) <= 96 * FX)
            << ObjectNameOf(hotspot) << ": waypoint " << iWaypoint << " at (" << feet.x / FX << ", " << feet.y / FX
            << ") for the hotspot at (" << centre.x / FX << ", " << centre.y / FX << ")";
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

TEST_F(SampleScenesEnteredTest, TheKidComesOutOfTheFrontDoorIntoTheHousesFront)
{
    const uint32_t kid = Id::GetActorId("tavrine_kid");
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, LIVING_ROOM);
    Enter(HOUSE_FRONT, 1, kid);
    // The kid, and Bobby, Nell and Diego, who come later.
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);
    const int32_t iKid = m_scene->m_iActiveCharacter;
    ASSERT_GE(iKid, 0);
    EXPECT_EQ(m_scene->m_aCharacterIds[iKid], kid);
    // She has walked from the door to the waypoint before it.
    ASSERT_GE(m_scene->m_iNumLocators, 4);
    const CoreFxVec feet = m_scene->m_apCharacters[iKid]->GetFeetPosition();
    const CoreFxVec& waypoint = m_scene->m_vLocators[3].m_vPosition;
    EXPECT_LE(std::abs(feet.x - waypoint.x), 5 * FX);
    EXPECT_LE(std::abs(feet.y - waypoint.y), 5 * FX);
}

} // namespace
