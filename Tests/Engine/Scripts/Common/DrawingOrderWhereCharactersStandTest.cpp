// One check over every scene with content: wherever a script walks or places
// a character, every picture of the main layer that overlaps her on the
// screen is drawn behind her when her feet stand in front of the line it
// stands on, and in front of her when they stand behind it.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Engine/Scripts/Common/SceneScriptAudit.h"
#include "Engine/Scripts/Common/SceneScriptTree.h"
#include "Scene/Common/Scene.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "ScriptEngine/common/ScriptParameters.h"
#include "Scripts/Common/SceneScripts.h"
#include "Support/StandingFigures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int32_t LAST_STORY_CHAPTER = 10;
// Feet this close to a picture's base line stand beside it: one depth band
// of the painted floors.
constexpr fx32 BESIDE_BASE_LINE = 4 * FX32_ONE;
// Pictures nearer than this are drawn over the whole scene on purpose
// (glows, smoke).
constexpr fx32 OVERLAY_DEPTH = -5 * FX32_ONE;
// Pictures this low lie flat on the floor: people stand on them.
constexpr fx32 LYING_FLAT = 12 * FX32_ONE;
// Boxes that touch by less than this do not hide one another.
constexpr fx32 TOUCHING_ONLY = 2 * FX32_ONE;

// Pictures the check passes over, by scene and name, with the reason.
const char* const PASSED_OVER[] = {
    // Clouds, smoke and ripples: drawn over or under people on purpose.
    "bg102 dust_front",
    "bg102 dust_front_still",
    "bg103 leave_dust",
    "bg311 particles",
    "bg311 smoke_idle",
    "bg311 smoke_rising",
    "bg311 vessel_steam",
    "bg404 ripples",
    // Lying flat on the floor: people stand on them.
    "bg203 flower_bed",
    "bg502 paving_01",
    "bg502 paving_02",
    "bg502 paving_03",
    "bg502 paving_04",
    "bg511 mattress",
    "bg511 mattress_aside",
    "bg511 trap_open",
    // Doors, gates and shackles in a side wall, whose frames reach below the
    // feet of people standing in the room.
    "bg003 door_open",
    "bg004 m_door",
    "bg111 door_open",
    "bg111 door_shut",
    "bg304 gate_open",
    "bg304 gate_shut",
    "bg505 door_closed",
    "bg505 shackles_right",
    // A seat: the one who sits on it is drawn over it, his feet behind its
    // front edge.
    "bg311 throne",
    // The world map's islands lie flat on the sea: the boat sails over them.
    "bg911 bounty_boat",
    "bg911 bounty_idle",
    "bg911 crab_boat",
    "bg911 crab_idle",
    "bg911 m_tornade",
    "bg911 nessi_attack",
    "bg911 nessi_idle",
    "bg911 tanner_boat",
    "bg911 tanner_boat_c06",
    "bg911 tanner_idle",
    "bg911 tanner_idle_c06",
    "bg911 turtle_boat",
    "bg911 turtle_idle",
};

bool IsPassedOver(const Scene& scene, const Sprite& sprite)
{
    const std::string name = std::string(scene.GetName()).substr(0, 5) + " " +
                             std::string(sprite.m_sName, strnlen(sprite.m_sName, sizeof sprite.m_sName));
    return std::find(std::begin(PASSED_OVER), std::end(PASSED_OVER), name) != std::end(PASSED_OVER);
}

// Where a script puts an actor: the actor id and the waypoint.
using Stand = std::pair<uint32_t, int32_t>;

// The waypoints that the tree under iRoot walks (through or to) or places an
// actor at.
void AddStands(const ScriptNodePool& pool, ScriptNodeIndex iRoot, std::set<Stand>& stands)
{
    for (ScriptNodeIndex iNode = iRoot; iNode < pool.GetNbAllocated(); ++iNode) {
        if (pool[iNode].m_iType != NodeType_Action)
            continue;
        const ActionDesc& action = pool[iNode].m_oAction;
        const uint32_t uActor = ToCharacterId(action.m_iTargetId);
        const bool bWalk = action.m_iActionType == ID_ACTION_TYPE_WALK_TO_WAYPOINT;
        if (uActor == 0 || (!bWalk && action.m_iActionType != ID_ACTION_TYPE_PLACE_AT_WAYPOINT))
            continue;
        for (int i = 0; i < (bWalk ? ACTION_PARAMETERS_MAX : 1); ++i)
            if (action.m_iParameterType[i] == ID_PARAMETER_TYPE_WAYPOINT && action.m_oParameter[i] >= 0)
                stands.emplace(uActor, action.m_oParameter[i]);
    }
}

std::string Units(fx32 value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", CoreFx::ToFloat(value));
    return text;
}

// The pictures drawn on the wrong side of a character standing where the
// scene's scripts put her, one line each.
std::vector<std::string> DrawingOrderFaults(const Scene& scene, const std::set<Stand>& stands)
{
    std::vector<std::string> faults;
    const Layer& main = *scene.GetMainLayer();
    // Pictures that end above the farthest place anybody stands hang on a
    // wall or in the air.
    fx32 floorTop = INT32_MAX;
    for (const auto& [uActor, iWaypoint] : stands)
        if (iWaypoint < scene.m_iNumLocators)
            floorTop = std::min(
                floorTop, TestSupport::FootprintAt(scene, uActor, scene.m_vLocators[iWaypoint].m_vPosition).feet.y);
    for (const auto& [uActor, iWaypoint] : stands) {
        if (iWaypoint >= scene.m_iNumLocators)
            continue;
        const TestSupport::StandingFootprint footprint =
            TestSupport::FootprintAt(scene, uActor, scene.m_vLocators[iWaypoint].m_vPosition);
        for (int32_t i = 0; i < main.m_iNbSprites; ++i) {
            const Sprite& sprite = main.m_vSprites[i];
            if (sprite.m_iDepth <= SCENE_DEEPEST_DEPTH || sprite.m_iDepth > OVERLAY_DEPTH ||
                sprite.m_oBox.yMax - sprite.m_oBox.yMin < LYING_FLAT || IsPassedOver(scene, sprite) ||
                !TestSupport::BoxesOverlap(footprint.box, sprite.m_oBox, TOUCHING_ONLY))
                continue;
            const fx32 base = TestSupport::StandingBaseLine(main, i);
            if (base < floorTop)
                continue;
            // A picture at her own depth is drawn both before and after her.
            const bool bDrawnBehind = sprite.m_iDepth < footprint.depth;
            const bool bFeetInFront = footprint.feet.y > base + BESIDE_BASE_LINE;
            if (bDrawnBehind == bFeetInFront || (!bFeetInFront && footprint.feet.y >= base - BESIDE_BASE_LINE))
                continue;
            faults.push_back(std::string(scene.GetName()) + ": " + Id::GetActorName(uActor) + " at waypoint " +
                             std::to_string(iWaypoint) + " (feet y " + Units(footprint.feet.y) + ", depth " +
                             Units(footprint.depth) + ") is drawn " + (bDrawnBehind ? "in front of" : "behind") + " " +
                             std::string(sprite.m_sName, strnlen(sprite.m_sName, sizeof sprite.m_sName)) + " (base y " +
                             Units(base) + ", depth " + Units(sprite.m_iDepth) + ")");
        }
    }
    return faults;
}

class DrawingOrderWhereCharactersStandTest : public SampleSceneScriptTest {
protected:
    // Every place the scene's script puts an actor, in any chapter.
    std::set<Stand> StandsOf(const SceneDesc& scene)
    {
        std::set<Stand> stands;
        for (int32_t iChapter = 0; iChapter <= LAST_STORY_CHAPTER; ++iChapter)
            AddStands(m_manager.GetNodePool(), BuildSceneScriptTree(m_manager, m_script, scene, iChapter), stands);
        return stands;
    }
    // The scene's content loaded as the game loads it, the view scrolled
    // to its middle; null (a failure) when it does not load.
    std::unique_ptr<Scene> Load(const SceneDesc& scene)
    {
        auto loaded = std::make_unique<Scene>();
        EXPECT_TRUE(loaded->Initialize(scene.m_iId)) << scene.m_pName << "\n" << m_log.Take();
        loaded->InitializeScroll();
        return loaded;
    }

    std::unique_ptr<SceneScript> m_script;
};

// The docks, where people stand before and behind the stall, the cart and
// the bollard.
const SceneDesc& Docks()
{
    for (const SceneScriptRegistration* pScript : GetSceneScriptRegistrations())
        if (std::string(Id::GetSceneDesc(pScript->m_iSceneId)->m_pName).starts_with("bg105_"))
            return *Id::GetSceneDesc(pScript->m_iSceneId);
    return *Id::GetSceneDesc(GetSceneScriptRegistrations().front()->m_iSceneId);
}

// Whether a line of the faults names the picture.
bool Names(const std::vector<std::string>& faults, const Sprite& sprite)
{
    const std::string name = " " + std::string(sprite.m_sName, strnlen(sprite.m_sName, sizeof sprite.m_sName)) + " (";
    return std::any_of(faults.begin(), faults.end(),
                       [&](const std::string& line) { return line.find(name) != std::string::npos; });
}

TEST_F(DrawingOrderWhereCharactersStandTest, EveryPictureOverACharacterStandsBehindHerFeetAndNoneBeforeThem)
{
    std::vector<std::string> faults;
    int iStands = 0;
    for (const SceneScriptRegistration* pScript : GetSceneScriptRegistrations()) {
        const SceneDesc& scene = *Id::GetSceneDesc(pScript->m_iSceneId);
        if (!std::filesystem::exists(Id::GetScenePath(scene.m_iId)))
            continue;
        const std::set<Stand> stands = StandsOf(scene);
        iStands += static_cast<int>(stands.size());
        std::unique_ptr<Scene> loaded = Load(scene);
        if (loaded->m_bIs3D) {
            const std::vector<std::string> found = DrawingOrderFaults(*loaded, stands);
            faults.insert(faults.end(), found.begin(), found.end());
        }
        loaded->Shutdown();
        m_log.Take();
    }
    EXPECT_EQ(JoinedLines(faults), "");
    EXPECT_GE(iStands, 300);
}

} // namespace

TEST_F(DrawingOrderWhereCharactersStandTest, APictureDrawnOnTheWrongSideOfThePeopleIsFound)
{
    const std::set<Stand> stands = StandsOf(Docks());
    std::unique_ptr<Scene> docks = Load(Docks());
    ASSERT_TRUE(docks->m_bIs3D);
    ASSERT_EQ(JoinedLines(DrawingOrderFaults(*docks, stands)), "");
    const Layer& main = *docks->GetMainLayer();
    // Each picture in turn drawn over everybody, then under everybody but
    // the background.
    for (const fx32 planted : {OVERLAY_DEPTH - FX32_ONE, SCENE_DEEPEST_DEPTH + FX32_ONE / 16}) {
        int iFound = 0;
        for (int32_t i = 0; i < main.m_iNbSprites; ++i) {
            Sprite& sprite = main.m_vSprites[i];
            if (sprite.m_iDepth <= SCENE_DEEPEST_DEPTH)
                continue;
            const fx32 depth = sprite.m_iDepth;
            sprite.m_iDepth = planted;
            iFound += Names(DrawingOrderFaults(*docks, stands), sprite) ? 1 : 0;
            sprite.m_iDepth = depth;
        }
        EXPECT_GE(iFound, 2) << "planted at depth " << Units(planted);
    }
    docks->Shutdown();
}
