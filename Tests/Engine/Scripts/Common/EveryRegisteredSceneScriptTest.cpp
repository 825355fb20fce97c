// One test over every registered scene script (a new scene joins by
// registering): its handlers, built as the game builds them, name only what
// the game's data has, no event is handled twice, each chapter stays within
// the script manager's limits, every actor they move has the walk or idle
// animation it needs, every animation they play on an actor is in its list, every sound they play is in a wave bank loaded in
// that chapter, and in a scene with content every hotspot is picked at its
// on-screen centre in a 4:3 and a 16:9 window and shows a picture of what it
// stands for.
#include "Adventure/Common/Entity.h"
#include "Common/ActorIds.h"
#include "Common/NamedIds.h"
#include "Common/SceneIds.h"
#include "Common/SoundIds.h"
#include "Common/VarIds.h"
#include "Engine/Managers/Common/ScriptManagerTestKit.h"
#include "Engine/Scripts/Common/ChapterReach.h"
#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Engine/Scripts/Common/HotspotPictures.h"
#include "Engine/Scripts/Common/MeantTouches.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Engine/Scripts/Common/SceneScriptAudit.h"
#include "Engine/Scripts/Common/SceneScriptLimits.h"
#include "Engine/Scripts/Common/SceneScriptNeeds.h"
#include "Engine/Scripts/Common/SceneScriptTree.h"
#include "Engine/Scripts/Common/SceneStands.h"
#include "Engine/Scripts/Common/StoryLinks.h"
#include "Engine/Scripts/Common/StoryLinksAllowed.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Scene/Common/Region.h"
#include "Scene/Common/Scene.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/GlobalScript.h"
#include "Scripts/Common/InventoryScript.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"
#include "Support/FakeSceneServices.h"
#include "Support/GoldenList.h"
#include "Support/HandMadeScene.h"
#include "Support/LogCapture.h"
#include "Support/OpenGlPictureTest.h"
#include "Support/StandingFigures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int32_t LAST_CHAPTER = 10;

// Covered hotspots that are no fault: the hotspot on top does what the
// covered one does.
const char* const SAME_HANDLER_COVERS[] = {
    // The start page's click-anywhere region lies under the logo, which
    // takes the click at the region's centre: no fault, as a click on
    // either runs the same handler into the main menu.
    "bg999: press_start_ext at (128, 96) picks main_logo",
};

// Hotspots whose picture is no more than the plain ground it names, or
// whose picture is still to be drawn in the sample content; each with why.
const char* const UNDRAWN_HOTSPOTS_LEFT[] = {
    // The open sea and the pit are expanses of the ground's own colour: the
    // hotspot names the place, which the player sees as sea or ground.
    "bg506: sea",
    "bg502: the_pit_1",
    // Ways off the screen near its edge, shown by their exit arrows.
    "bg501: goto_wm",
    "bg504: goto_bg506",
    "bg508: goto_bg506",
};

bool IsUndrawnHotspotLeft(const std::string& fault)
{
    return std::any_of(std::begin(UNDRAWN_HOTSPOTS_LEFT), std::end(UNDRAWN_HOTSPOTS_LEFT),
                       [&](const char* pLeft) { return fault.starts_with(std::string(pLeft) + " at "); });
}

bool HasContent(const SceneDesc& scene)
{
    return std::filesystem::exists(Id::GetScenePath(scene.m_iId));
}

// Unmet needs of a scene's handlers, each with the chapters it is unmet in.
using UnmetByChapter = std::map<std::string, std::set<int32_t>>;

void Collect(UnmetByChapter& unmet, const SceneDesc& scene, const std::vector<UnmetNeed>& needs, int32_t iChapter)
{
    for (const UnmetNeed& need : needs)
        unmet[std::string(scene.m_pName) + "|" + need.handler + ": " + need.fault].insert(iChapter);
}

// One line each: the scene, the chapters, the handler and what is missing.
std::string UnmetLines(const UnmetByChapter& unmet)
{
    std::vector<std::string> lines;
    for (const auto& [need, chapters] : unmet) {
        std::string line = need.substr(0, need.find('|')) + " in chapter";
        line += chapters.size() > 1 ? "s " : " ";
        for (const int32_t iChapter : chapters)
            line += std::to_string(iChapter) + (iChapter == *chapters.rbegin() ? "" : ", ");
        lines.push_back(line + ", " + need.substr(need.find('|') + 1));
    }
    return JoinedLines(lines);
}

// Adds the wave banks of the sound group, if there is one.
void AddBanksOf(uint32_t uGroup, std::set<std::string>& banks)
{
    if (const SoundGroupRow* pGroup = Id::FindSoundGroup(uGroup))
        for (const char* pBank : pGroup->m_apBanks)
            if (pBank != nullptr && *pBank != 0)
                banks.insert(pBank);
}

// The wave banks loaded for the whole game: the common group's and the
// streamed one.
std::set<std::string> ResidentBanks()
{
    std::set<std::string> banks {"stream"};
    AddBanksOf(NamedIds::SoundGroupIdOf("common"), banks);
    return banks;
}

// The scene's camera and places, and each cast's figures, as the scene
// loads them.
struct ScenePlaces {
    std::unique_ptr<Scene> scene;
    std::map<std::string, std::map<uint32_t, TestSupport::FigureSize>> figures;
};

// Where the chapter's handlers put people in one cast of the scene: two of
// them standing in each other, the playing character's figure cut by the
// edge of the scene, or turned away from the one she talks to.
std::vector<std::string> PlacementFaults(const ScenePlaces& places, const std::string& cast, const SceneStands& found,
                                         uint32_t uHeroine)
{
    using namespace TestSupport;
    const Scene& scene = *places.scene;
    const auto figures = places.figures.find(cast);
    if (figures == places.figures.end())
        return {};
    const auto boxOf = [&](const Stand& stand) {
        return FigureBoxAt(scene, figures->second.at(stand.uActor), scene.m_vLocators[stand.iWaypoint].m_vPosition);
    };
    const auto there = [&](uint32_t uActor) { return figures->second.contains(uActor); };
    const auto name = [](const Stand& stand) {
        return std::string(Id::GetActorName(stand.uActor)) + " at " + std::to_string(stand.iWaypoint);
    };
    std::vector<std::string> faults;
    for (const Stand& stand : found.stands)
        if (stand.uActor == uHeroine && there(stand.uActor))
            if (const std::string edges = EdgesCrossed(scene, boxOf(stand)); !edges.empty())
                faults.push_back(name(stand) + " reaches beyond the " + edges + " edge");
    for (const auto& [i, j] : found.together) {
        const Stand& first = found.stands[i];
        const Stand& second = found.stands[j];
        if (!there(first.uActor) || !there(second.uActor))
            continue;
        const SceneRect box = boxOf(first);
        const SceneRect other = boxOf(second);
        const fx32 overlap = SidewaysOverlap(box, other);
        std::string one = name(first);
        std::string another = name(second);
        if (another < one)
            std::swap(one, another);
        if (overlap > std::max(HandWidthBeside(box), HandWidthBeside(other)))
            faults.push_back(one + " and " + another + " stand " + std::to_string(overlap / FX32_ONE) +
                             " px in each other");
    }
    for (const TalkFacing& talk : found.talks) {
        const CoreFxVec& from = scene.m_vLocators[talk.iWaypoint].m_vPosition;
        // The one she talks to where the arrival puts him (else anywhere
        // the chapter does), nearest her.
        const CoreFxVec* partner = nullptr;
        int64_t nearest = INT64_MAX;
        const bool bArrives = std::any_of(found.stands.begin(), found.stands.end(), [&](const Stand& stand) {
            return stand.uActor == talk.uPartner && stand.bArrival;
        });
        for (const Stand& stand : found.stands) {
            const CoreFxVec& at = scene.m_vLocators[stand.iWaypoint].m_vPosition;
            const int64_t dx = int64_t(at.x) - from.x;
            const int64_t dy = int64_t(at.y) - from.y;
            if (stand.uActor == talk.uPartner && stand.bArrival == bArrives && dx * dx + dy * dy < nearest) {
                nearest = dx * dx + dy * dy;
                partner = &at;
            }
        }
        if (partner && there(talk.uPartner) && !Faces(scene.m_vLocators[talk.iFacing].m_fOrientation, from, *partner))
            faults.push_back("at " + std::to_string(talk.iWaypoint) + " turned as " + std::to_string(talk.iFacing) +
                             ", she has her back to " + Id::GetActorName(talk.uPartner));
    }
    return faults;
}

// A pair each rule of the placement check leaves out, beside one it keeps.
class PlantedPlacementsScript final : public SceneScript {
public:
    static constexpr int32_t BAR = 9;
    static constexpr int32_t OUTSIDE = 11;
    static constexpr int32_t MAP_WAY = 10;
    static constexpr int32_t STAIRS = 1;
    static constexpr int32_t BASKET = 18;
    static constexpr int32_t FIRESIDE = 16;
    static constexpr int32_t PARTING = 13;

protected:
    void BuildEnterActions() override
    {
        // The stranger comes in from the docks, she from upstairs: never at once.
        _IfMatch(CameFrom(20));
        Place(Id::GetActorId("stranger"), 6);
        _EndMatch();
        _IfMatch(CameFrom(21));
        Place(Id::GetActorId("tavrine"), 6);
        _EndMatch();
        // Anita waits hidden wherever this puts her; Pierre is shown later.
        _IfBool(VARBOOL_ACTIVE_MAP, 1);
        Place(Id::GetActorId("anita"), 12);
        ShowObject(Id::GetActorId("anita"), false);
        Place(Id::GetActorId("pierre_l"), 12);
        ShowObject(Id::GetActorId("pierre_l"), false);
        _EndMatch();
        // Bobby waits out of sight until she comes down; Carlo only looks
        // in while Diego brings word.
        Place(Id::GetActorId("bobby"), 5);
        ShowObject(Id::GetActorId("bobby"), false);
        Place(Id::GetActorId("carlo"), 4);
        ShowObject(Id::GetActorId("carlo"), false);
        // Hilary waits out of sight and only comes in walking.
        ShowObject(Id::GetActorId("hilary"), false);
        Place(Id::GetActorId("hilary"), 13);
        // Diego brings word and is gone, before anything can be clicked
        // and before the stranger takes his place.
        _IfBool(VARBOOL_ACTIVE_MAP, 0);
        Place(Id::GetActorId("diego"), 3);
        ShowObject(Id::GetActorId("diego"), true);
        ShowObject(Id::GetActorId("carlo"), true);
        Dialog(0x16);
        ShowObject(Id::GetActorId("carlo"), false);
        WalkTo(Id::GetActorId("diego"), OUTSIDE);
        ShowObject(Id::GetActorId("diego"), false);
        Place(Id::GetActorId("stranger"), OUTSIDE);
        _EndMatch();
        // Manuel waits to bring word and leaves in a block of its own on the
        // same condition, before anything can be clicked; Thomas leaves only
        // on another.
        _IfBool(VARBOOL_ACTIVE_MAP, 0);
        Place(Id::GetActorId("manuel"), 7);
        ShowObject(Id::GetActorId("manuel"), true);
        Place(Id::GetActorId("thomas_b"), 13);
        ShowObject(Id::GetActorId("thomas_b"), true);
        _EndMatch();
        _IfBool(VARBOOL_ACTIVE_MAP, 0);
        Dialog(0x1B);
        ShowObject(Id::GetActorId("manuel"), false);
        _EndMatch();
        _IfBool(VARBOOL_ACTIVE_MAP, 1);
        ShowObject(Id::GetActorId("thomas_b"), false);
        _EndMatch();
        // The priest stands in his door, which is not to be knocked at
        // then; Mabel's door is opened again by a click elsewhere.
        _IfBool(VARBOOL_ACTIVE_MAP, 1);
        Place(Id::GetActorId("father_jerome"), 20);
        SetInteractive(7, false);
        Place(Id::GetActorId("mabel"), 22);
        SetInteractive(8, false);
        _EndMatch();
        // Nell waits while she is told the news; its line sends her off.
        _IfBool(VARBOOL_ACTIVE_MAP, 0);
        Place(Id::GetActorId("nell"), 2);
        Dialog(0x18);
        _EndMatch();
        // She is called to the stranger's table before Alessandro sits
        // down where she came in.
        _IfBool(VARBOOL_ACTIVE_MAP, 1);
        ShowObject(Id::GetActorId("bobby"), true);
        Place(Id::GetActorId("tavrine"), 8);
        Place(Id::GetActorId("alessandro_c"), 6);
        Dialog(0x17);
        _EndMatch();
        // Miss Brown is put down in the moment she is put at the table, so
        // never beside where she came in; Eduardo stands a while before.
        _IfBool(VARBOOL_ACTIVE_MAP, 0);
        Place(Id::GetActorId("uncle_eduardo"), 2);
        Wait(Id::GetActorId("tavrine"), 200);
        Place(Id::GetActorId("missbrown"), 21);
        Place(Id::GetActorId("tavrine"), 8);
        Dialog(0x19);
        _EndMatch();
    }
    void BuildEvents() override
    {
        const uint32_t uHeroine = Id::GetActorId("tavrine");
        _IfEvent(ScriptEvent_Hash9(2));
        ShowObject(Id::GetActorId("pierre_l"), true);
        _EndMatch();
        _IfEvent(ScriptEvent_Hash9(3));
        ShowObject(Id::GetActorId("hilary"), true);
        WalkTo(Id::GetActorId("hilary"), 15);
        _EndMatch();
        _IfEvent(OnCallback(0x99));
        WalkTo(Id::GetActorId("nell"), OUTSIDE);
        ShowObject(Id::GetActorId("nell"), false);
        _EndMatch();
        // Pierre stops for a line and walks on before she comes; the
        // stranger is still there when she does.
        _IfEvent(ScriptEvent_Hash9(1));
        WalkTo(Id::GetActorId("stranger"), 14);
        WalkTo(Id::GetActorId("pierre_l"), 14);
        Dialog(0x11);
        WalkTo(Id::GetActorId("pierre_l"), 15);
        WalkTo(uHeroine, 14);
        Dialog(0x12);
        _EndMatch();
        // Talked to, the stranger sends her to the bar, where she reads the
        // board: her line there is not to him.
        _IfEvent(ScriptEvent_FlaggedId2(Id::GetActorId("stranger")));
        GoTo(uHeroine, 8);
        Dialog(0x13);
        GoTo(uHeroine, BAR);
        Dialog(0x14);
        _EndMatch();
        _IfEvent(ScriptEvent_Object1(0));
        GoTo(uHeroine, BAR);
        Dialog(0x15);
        _EndMatch();
        // Out by the door to the island map she stays if the map is closed,
        // unless she is put back a step in behind it; on the stairs into a
        // mini-game she leaves; by the basket she only opens her bag.
        _IfEvent(ScriptEvent_Object1(1));
        GoTo(uHeroine, OUTSIDE);
        AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SHOW_MENU, Param::Int(TAB_MAP));
        _EndMatch();
        _IfEvent(ScriptEvent_Object1(4));
        GoTo(uHeroine, MAP_WAY);
        OpenIslandMap(uHeroine, BASKET, 0);
        _EndMatch();
        _IfEvent(ScriptEvent_Object1(2));
        WalkTo(uHeroine, STAIRS);
        StartMiniGame(1);
        _EndMatch();
        // By the fire she is asked to the docks, and goes only if she
        // says yes.
        _IfEvent(ScriptEvent_Object1(6));
        GoTo(uHeroine, FIRESIDE);
        Dialog(0x1A);
        _IfBool(VARBOOL_ACTIVE_MAP, 1);
        GoToScene(20);
        _EndMatch();
        _EndMatch();
        // At the parting she goes to the docks or upstairs: out either way.
        _IfEvent(ScriptEvent_Object1(7));
        GoTo(uHeroine, PARTING);
        Dialog(0x1B);
        _IfBool(VARBOOL_ACTIVE_MAP, 1);
        GoToScene(20);
        _ElseMatch();
        GoToScene(21);
        _EndMatch();
        _EndMatch();
        _IfEvent(ScriptEvent_Object1(3));
        GoTo(uHeroine, BASKET);
        AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SHOW_MENU, Param::Int(TAB_INVENTORY));
        _EndMatch();
        _IfEvent(ScriptEvent_Object1(9));
        SetInteractive(8, true);
        _IfBool(VARBOOL_ACTIVE_MAP, 1);
        SetInteractive(7, false);
        _ElseMatch();
        SetInteractive(7, true);
        _EndMatch();
        _EndMatch();
        _IfEvent(ScriptEvent_Object1(7));
        GoTo(uHeroine, 21);
        Dialog(0x1C);
        _EndMatch();
        _IfEvent(ScriptEvent_Object1(8));
        GoTo(uHeroine, 23);
        Dialog(0x1D);
        _EndMatch();
        // Pierre and the stranger walk off out of sight together; when
        // Pierre stops for a line on his way, she meets him there.
        _IfEvent(ScriptEvent_Object1(4));
        WalkTo(Id::GetActorId("pierre_l"), 17);
        WalkTo(Id::GetActorId("stranger"), 17);
        ShowObject(Id::GetActorId("pierre_l"), false);
        ShowObject(Id::GetActorId("stranger"), false);
        _EndMatch();
        _IfEvent(ScriptEvent_Object1(5));
        WalkTo(uHeroine, 19);
        WalkTo(Id::GetActorId("pierre_l"), 17);
        Dialog(0x19);
        ShowObject(Id::GetActorId("pierre_l"), false);
        _EndMatch();
    }
};

class EveryRegisteredSceneScriptTest : public SampleSceneScriptTest {
protected:
    // Builds the scene's script into a fresh pool, alone or with the
    // inventory and system scripts behind it, in the chapter; its root.
    ScriptNodeIndex Build(const SceneDesc& scene, int32_t iChapter, bool bWithCommonScripts)
    {
        SceneScript* const common[] = {&m_inventory, &g_oGlobalScript};
        return BuildSceneScriptTree(m_manager, m_script, scene, iChapter,
                                    bWithCommonScripts ? std::span<SceneScript* const>(common)
                                                       : std::span<SceneScript* const>());
    }

    // The chapters that the script's conditions name, or the first alone.
    std::set<int32_t> ChaptersOf(const SceneDesc& scene)
    {
        const ScriptNodePool& pool = m_manager.GetNodePool();
        std::set<int32_t> chapters;
        for (ScriptNodeIndex iNode = Build(scene, 0, false); iNode < pool.GetNbAllocated(); ++iNode) {
            const ScriptNode& node = pool[iNode];
            if (node.m_iType == NodeType_Condition && node.m_oCondition.m_oRecord.m_iA == VARINT_CURRENT_CHAPTER &&
                !IsLogicOp(node.m_oCondition.m_oRecord.m_iOp) && node.m_oCondition.m_oRecord.m_iOp < Op_BoolEqual)
                chapters.insert(node.m_oCondition.m_oRecord.m_iValue);
        }
        return chapters.empty() ? std::set<int32_t> {1} : chapters;
    }

    // Enters the scene afresh with the chapter's heroine: the kid leads the
    // first chapter, the grown heroine the others.
    void Enter(const SceneDesc& scene, int32_t iChapter)
    {
        g_VarManager = VarSet {};
        SampleSceneScriptTest::Enter(scene.m_iId, iChapter, Id::GetActorId(iChapter <= 1 ? "tavrine_kid" : "tavrine"));
    }

    // How the scene's arrival in the chapter leaves its people and hotspots;
    // nothing known when it leads on to another scene.
    ArrivalLooks ArrivalLooksIn(const SceneDesc& scene, int32_t iChapter)
    {
        Enter(scene, iChapter);
        ArrivalLooks looks;
        if (!HasFatalFailure() && !m_manager.IsChangePending())
            looks = LooksOf(*m_scene);
        Leave();
        m_log.Take();
        return looks;
    }

    // What the scene's handlers may name; the waypoints come from its
    // content, loaded for the purpose.
    SceneFacts FactsOf(const SceneDesc& scene)
    {
        SceneFacts facts;
        facts.scene = &scene;
        // The front end and the system scenes are bg9NN; the close-ups, bg8NN,
        // name their pictures by what they show ("1_int", "pince").
        facts.picturesByName = std::strncmp(scene.m_pName, "bg9", 3) != 0 && std::strncmp(scene.m_pName, "bg8", 3) != 0;
        facts.commonDialogKeys = ReadDialogKeys("scenes/common.dialogs.dat").value_or(std::set<uint32_t> {});
        facts.dialogKeys = ReadDialogKeys(Id::GetSceneDialogsPath(scene.m_iId));
        if (HasContent(scene)) {
            Scene loaded;
            EXPECT_TRUE(loaded.Initialize(scene.m_iId)) << scene.m_pName << "\n" << m_log.Take();
            facts.waypoints = loaded.m_iNumLocators;
            facts.entitySprites.emplace(loaded.m_iNumEntities);
            facts.entityNames.emplace();
            for (int32_t iEntity = 0; iEntity < loaded.m_iNumEntities; ++iEntity) {
                const Entity& entity = loaded.m_vEntities[iEntity];
                facts.entityNames->push_back(entity.m_sName);
                for (int32_t iSprite = 0; iSprite < entity.m_iNumSprite; ++iSprite)
                    (*facts.entitySprites)[iEntity].insert(entity.m_apSprites[iSprite]->m_iId);
            }
            loaded.Shutdown();
            m_log.Take();
        }
        return facts;
    }

    // The casts of the scene's content, each actor's figure read from the
    // pack the scene loads it from; none without content.
    std::vector<CastFigures> CastsOf(const SceneDesc& scene)
    {
        std::vector<CastFigures> casts;
        if (!HasContent(scene))
            return casts;
        Scene loaded;
        EXPECT_TRUE(loaded.Initialize(scene.m_iId)) << scene.m_pName << "\n" << m_log.Take();
        for (int32_t iSet = 0; iSet < loaded.m_iNumActorSets; ++iSet) {
            const ActorSet& set = loaded.m_vActorSets[iSet];
            CastFigures& cast = casts.emplace_back();
            cast.name = set.m_pName != nullptr ? set.m_pName : "";
            for (int32_t iCharacter = 0; iCharacter < set.m_iNumCharacterNames; ++iCharacter) {
                const uint32_t uActor = Id::GetActorId(set.m_apCharacterNames[iCharacter]);
                const std::optional<FigureMoves> moves =
                    ReadFigureMoves(Id::GetActorPath(uActor, loaded.m_sName, set.m_pName), uActor, set, iCharacter);
                EXPECT_TRUE(moves) << scene.m_pName << ": the figure of " << set.m_apCharacterNames[iCharacter]
                                   << " in \"" << cast.name << "\" does not load";
                if (moves)
                    cast.figures[uActor] = *moves;
                // A name the figure lacks asserts at every load of the scene, and its move is never seen.
                EXPECT_EQ(m_log.Take().find("GetAnimationIdFromName"), std::string::npos)
                    << scene.m_pName << ": the figure of " << set.m_apCharacterNames[iCharacter] << " in \""
                    << cast.name << "\" lacks an animation the scene lists for it";
            }
        }
        loaded.Shutdown();
        m_log.Take();
        return casts;
    }

    // What the scene, built for the chapter, may have in it: the casts of
    // the sets its script may load then (the first cast for a set the
    // content lacks, as the scene loads) and the banks of each sound group
    // it may load, with the resident ones.
    ChapterSupplies SuppliesIn(int32_t iChapter, const std::vector<CastFigures>& casts)
    {
        const ScriptNodePool& pool = m_manager.GetNodePool();
        ChapterSupplies supplies;
        std::vector<ScriptNodeIndex> conditions;
        for (int32_t i = 0; i < m_script->GetActorSetCount(); ++i)
            conditions.push_back(m_script->GetActorSetCondition(i));
        for (const int32_t iChoice : ChoicesInChapter(pool, conditions, iChapter)) {
            const std::string name =
                iChoice < m_script->GetActorSetCount() ? m_script->GetActorSetName(iChoice) : DEFAULT_ACTOR_SET;
            auto cast = std::find_if(casts.begin(), casts.end(), [&](const CastFigures& c) { return c.name == name; });
            if (cast == casts.end())
                cast = casts.begin();
            if (cast != casts.end() && std::none_of(supplies.casts.begin(), supplies.casts.end(),
                                                    [&](const CastFigures& c) { return c.name == cast->name; }))
                supplies.casts.push_back(*cast);
        }
        conditions.clear();
        for (int32_t i = 0; i < m_script->GetSoundGroupCount(); ++i)
            conditions.push_back(m_script->GetSoundGroupCondition(i));
        for (const int32_t iChoice : ChoicesInChapter(pool, conditions, iChapter)) {
            LoadedBanks& load = supplies.loads.emplace_back();
            load.iGroup = iChoice < m_script->GetSoundGroupCount() ? m_script->GetSoundGroupId(iChoice) : -1;
            load.banks = ResidentBanks();
            if (load.iGroup != -1)
                AddBanksOf(static_cast<uint32_t>(load.iGroup), load.banks);
        }
        return supplies;
    }

    // What the needs finds unmet in every chapter of every scene with
    // content, against the casts the scene may load then; counts the scenes.
    template <typename Needs>
    UnmetByChapter UnmetInCasts(Needs needs, int& iScenes)
    {
        const ScriptNodePool& pool = m_manager.GetNodePool();
        UnmetByChapter unmet;
        for (const SceneScriptRegistration* pScript : GetSceneScriptRegistrations()) {
            const SceneDesc& scene = *Id::GetSceneDesc(pScript->m_iSceneId);
            const std::vector<CastFigures> casts = CastsOf(scene);
            iScenes += casts.empty() ? 0 : 1;
            for (int32_t iChapter = 0; !casts.empty() && iChapter <= LAST_CHAPTER; ++iChapter) {
                const ScriptNodeIndex root = Build(scene, iChapter, false);
                Collect(unmet, scene,
                        needs(pool, root, NodesInChapter(pool, root, iChapter), scene, SuppliesIn(iChapter, casts)),
                        iChapter);
            }
        }
        return unmet;
    }

    // The scene as loaded for its places and camera, with each cast's
    // figure sizes; no scene without content.
    ScenePlaces PlacesOf(const SceneDesc& scene)
    {
        ScenePlaces places;
        if (!HasContent(scene))
            return places;
        // One scene is loaded at a time, as the game loads them.
        for (int32_t iSet = 0;; ++iSet) {
            Scene cast;
            const bool bLoaded = cast.Initialize(scene.m_iId);
            if (!bLoaded || iSet >= cast.m_iNumActorSets) {
                cast.Shutdown();
                break;
            }
            const char* pName = cast.m_vActorSets[iSet].m_pName;
            cast.LoadActorSet(pName);
            for (int32_t i = 0; i < cast.m_iNumCharacters; ++i)
                places.figures[pName ? pName : ""][cast.m_aCharacterIds[i]] =
                    TestSupport::FigureSizeOf(*cast.m_apCharacters[i]);
            cast.Shutdown();
        }
        places.scene = std::make_unique<Scene>();
        EXPECT_TRUE(places.scene->Initialize(scene.m_iId)) << scene.m_pName;
        m_log.Take();
        return places;
    }

    std::unique_ptr<SceneScript> m_script;
};

TEST_F(EveryRegisteredSceneScriptTest, EveryScriptIsRegisteredOnceForASceneOfItsName)
{
    std::set<int32_t> scenes;
    for (const SceneScriptRegistration* pScript : GetSceneScriptRegistrations()) {
        const SceneDesc* pScene = Id::GetSceneDesc(pScript->m_iSceneId);
        ASSERT_NE(pScene, nullptr) << pScript->m_pTag;
        EXPECT_TRUE(scenes.insert(pScript->m_iSceneId).second) << pScript->m_pTag << ": scene taken twice";
        // SceneScript_bg111_B is the script of bg111_..._B.
        const std::string tag = pScript->m_pTag;
        const std::string name = pScene->m_pName;
        EXPECT_EQ(name.substr(0, 5), tag.substr(0, 5)) << tag;
        EXPECT_TRUE(tag.size() == 5 || name.ends_with(tag.substr(5))) << tag << " for " << name;
        EXPECT_EQ(pScene->m_pFactory, pScript->m_pFactory) << tag;
    }
    EXPECT_GE(scenes.size(), 12u);
}

TEST_F(EveryRegisteredSceneScriptTest, EveryScriptNamesOnlyWhatTheGameHasAndStaysWithinTheLimits)
{
    for (const SceneScriptRegistration* pScript : GetSceneScriptRegistrations()) {
        const SceneDesc& scene = *Id::GetSceneDesc(pScript->m_iSceneId);
        const SceneFacts facts = FactsOf(scene);
        const ScriptNodePool& pool = m_manager.GetNodePool();
        for (int32_t iChapter = 0; iChapter <= LAST_CHAPTER; ++iChapter) {
            EXPECT_EQ(JoinedLines(AuditScriptTree(pool, Build(scene, iChapter, false), facts)), "");
            const ScriptNodeIndex root = Build(scene, iChapter, true);
            EXPECT_EQ(m_log.Take(), "") << scene.m_pName;
            EXPECT_EQ(JoinedLines(RepeatedPatterns(pool, root, scene, iChapter)), "");
            EXPECT_LE(CountCollectedPatterns(pool, root), MAX_COLLECTED_EVENTS)
                << scene.m_pName << ", chapter " << iChapter;
            std::string longest;
            EXPECT_LE(MostFiredInOneWalk(pool, root, scene, iChapter, &longest), MAX_FIRED_ACTIONS)
                << scene.m_pName << ", chapter " << iChapter << ": " << longest;
        }
    }
}

TEST_F(EveryRegisteredSceneScriptTest, EveryActorAHandlerMovesHasTheWalkOrIdleAnimationItNeedsInItsFigure)
{
    int iScenes = 0;
    EXPECT_EQ(UnmetLines(UnmetInCasts(UnmetFigureNeeds, iScenes)), "");
    EXPECT_GE(iScenes, 10);
}

TEST_F(EveryRegisteredSceneScriptTest, EveryAnimationAHandlerPlaysOnAnActorIsInItsListInEveryCastItStandsIn)
{
    int iScenes = 0;
    EXPECT_EQ(UnmetLines(UnmetInCasts(UnmetAnimationNeeds, iScenes)), "");
    EXPECT_GE(iScenes, 10);
}

TEST_F(EveryRegisteredSceneScriptTest, EverySoundAHandlerPlaysIsInAWaveBankLoadedInThatChapter)
{
    const std::optional<SoundCueBanks> cues = ReadSoundCueBanks("Sound/SoundPack.xgs", "Sound/SoundPack.xsb");
    ASSERT_TRUE(cues);
    const ScriptNodePool& pool = m_manager.GetNodePool();
    UnmetByChapter unmet;
    for (const SceneScriptRegistration* pScript : GetSceneScriptRegistrations()) {
        const SceneDesc& scene = *Id::GetSceneDesc(pScript->m_iSceneId);
        std::vector<std::vector<ChapterAction>> actions;
        std::vector<DialogCallbacks> dialogs;
        std::vector<ChapterSupplies> supplies;
        std::set<std::string> everLoaded;
        for (int32_t iChapter = 0; iChapter <= LAST_CHAPTER; ++iChapter) {
            const ScriptNodeIndex root = Build(scene, iChapter, false);
            actions.push_back(SoundAndDialogActions(pool, root, NodesInChapter(pool, root, iChapter), scene, iChapter));
            dialogs.push_back(DialogCallbacksInChapter(Id::GetSceneDialogsPath(scene.m_iId), iChapter));
            supplies.push_back(SuppliesIn(iChapter, {}));
            for (const LoadedBanks& load : supplies.back().loads)
                everLoaded.insert(load.banks.begin(), load.banks.end());
        }
        std::set<uint32_t> sendable;
        for (const DialogCallbacks& chapter : dialogs)
            for (const auto& [key, callbacks] : chapter)
                sendable.insert(callbacks.begin(), callbacks.end());
        const std::vector<SentCallbacks> sent = CallbacksSentByChapter(actions, dialogs, sendable);
        for (int32_t iChapter = 0; iChapter <= LAST_CHAPTER; ++iChapter)
            Collect(unmet, scene,
                    UnmetSoundNeeds(actions[iChapter], sent[iChapter], sendable, supplies[iChapter], everLoaded, *cues),
                    iChapter);
    }
    EXPECT_EQ(UnmetLines(unmet), "");
}

TEST_F(EveryRegisteredSceneScriptTest, EveryFlagReadIsSetEveryQuestOpensInItsChapterAndEveryCallbackAwaitedIsSent)
{
    const ScriptNodePool& pool = m_manager.GetNodePool();
    const std::string common = "scenes/common.dialogs.dat";
    FlagUses flags;
    AddGameFlagUses(flags);
    std::vector<std::string> unsent;
    std::set<std::string> groups {common};
    for (const SceneScriptRegistration* pScript : GetSceneScriptRegistrations()) {
        const SceneDesc& scene = *Id::GetSceneDesc(pScript->m_iSceneId);
        ChapterUses awaited;
        std::map<int32_t, std::set<uint32_t>> sent;
        for (int32_t iChapter = 0; iChapter <= LAST_CHAPTER; ++iChapter) {
            // With the inventory's script behind it: an item's use sets flags.
            const ScriptNodeIndex root = Build(scene, iChapter, true);
            const std::vector<ScriptNodeIndex> nodes = NodesInChapter(pool, root, iChapter);
            AddScriptFlagUses(pool, root, nodes, scene, iChapter, flags);
            AddAwaitedCallbacks(pool, root, nodes, scene, iChapter, awaited);
            for (const std::string& group : {std::string(Id::GetSceneDialogsPath(scene.m_iId)), common})
                for (const auto& [key, callbacks] : DialogCallbacksInChapter(group, iChapter))
                    sent[iChapter].insert(callbacks.begin(), callbacks.end());
        }
        groups.insert(Id::GetSceneDialogsPath(scene.m_iId));
        const std::vector<std::string> faults = UnsentCallbacks(scene, awaited, sent, AllowedUnsentCallbacks());
        unsent.insert(unsent.end(), faults.begin(), faults.end());
    }
    for (const std::string& group : groups)
        for (int32_t iChapter = 0; iChapter <= LAST_CHAPTER; ++iChapter)
            AddDialogFlagUses(group, iChapter, flags);
    EXPECT_EQ(JoinedLines(UnsetFlags(flags, AllowedUnsetFlags())), "");
    EXPECT_EQ(JoinedLines(QuestEntriesOpenedLate(flags, AllowedLateQuestEntries())), "");
    EXPECT_EQ(JoinedLines(unsent), "");
    m_log.Take();
}

TEST_F(EveryRegisteredSceneScriptTest, EveryHotspotOfAScenesContentIsPickedAtItsCentreIn4By3And16By9)
{
    int iScenes = 0;
    for (const SceneScriptRegistration* pScript : GetSceneScriptRegistrations()) {
        const SceneDesc& scene = *Id::GetSceneDesc(pScript->m_iSceneId);
        if (!HasContent(scene))
            continue;
        ++iScenes;
        for (const int32_t iChapter : ChaptersOf(scene)) {
            for (const auto& [width, height] : {std::pair {1280u, 960u}, std::pair {1280u, 720u}}) {
                TestSupport::ScopedWindowSize window(width, height);
                // The first visit, and a visit after it, whose people stand
                // where the first one left them.
                for (const bool bBack : {false, true}) {
                    if (bBack)
                        SampleSceneScriptTest::Enter(scene.m_iId, iChapter,
                                                     Id::GetActorId(iChapter <= 1 ? "tavrine_kid" : "tavrine"));
                    else
                        Enter(scene, iChapter);
                    if (HasFatalFailure())
                        return;
                    // An entry that plays its scene and leads on leaves nothing to click.
                    if (m_manager.IsChangePending())
                        break;
                    ASSERT_FALSE(m_manager.IsBusy()) << scene.m_pName << ", chapter " << iChapter;
                    std::vector<std::string> faults = CoveredHotspots(*m_scene);
                    std::erase_if(faults, [](const std::string& fault) {
                        return std::find(std::begin(SAME_HANDLER_COVERS), std::end(SAME_HANDLER_COVERS), fault) !=
                               std::end(SAME_HANDLER_COVERS);
                    });
                    EXPECT_EQ(JoinedLines(faults), "")
                        << "chapter " << iChapter << (bBack ? ", back" : ", first") << ", " << width << " x " << height;
                }
            }
        }
    }
    EXPECT_GE(iScenes, 2);
}

TEST_F(EveryRegisteredSceneScriptTest, EveryPlaceAHandlerPutsPeopleAtKeepsThemApartOnScreenAndFacingWhomTheyTalkTo)
{
    const ScriptNodePool& pool = m_manager.GetNodePool();
    int iScenes = 0;
    UnmetByChapter faults;
    for (const SceneScriptRegistration* pScript : GetSceneScriptRegistrations()) {
        const SceneDesc& scene = *Id::GetSceneDesc(pScript->m_iSceneId);
        // One scene is loaded at a time.
        const std::vector<CastFigures> casts = CastsOf(scene);
        if (!HasContent(scene))
            continue;
        std::map<int32_t, ArrivalLooks> looks;
        for (int32_t iChapter = 0; iChapter <= LAST_CHAPTER; ++iChapter) {
            looks[iChapter] = ArrivalLooksIn(scene, iChapter);
            if (HasFatalFailure())
                return;
        }
        const ScenePlaces places = PlacesOf(scene);
        if (!places.scene)
            continue;
        ++iScenes;
        for (int32_t iChapter = 0; iChapter <= LAST_CHAPTER; ++iChapter) {
            const uint32_t uHeroine = Id::GetActorId(iChapter <= 1 ? "tavrine_kid" : "tavrine");
            const ScriptNodeIndex root = Build(scene, iChapter, false);
            const std::vector<ScriptNodeIndex> nodes = NodesInChapter(pool, root, iChapter);
            const std::vector<ScriptNodeIndex> within = NodesWithinReach(pool, root, nodes, iChapter, looks[iChapter]);
            const std::map<uint32_t, std::set<uint32_t>> sureCallbacks =
                CallbacksEveryRunSends(Id::GetSceneDialogsPath(scene.m_iId), iChapter);
            std::vector<UnmetNeed> chapterFaults;
            for (const CastFigures& one : SuppliesIn(iChapter, casts).casts) {
                // Only people the player may see, moved by handlers she can
                // reach; no one clicks a person this cast leaves out.
                std::set<uint32_t> cast;
                for (const auto& [uActor, moves] : one.figures)
                    cast.insert(uActor);
                const SceneStands found = WithoutHidden(
                    StandsInChapter(pool, root, WithoutClicksOnTheAbsent(pool, root, within, cast), scene, uHeroine,
                                    sureCallbacks),
                    [&](uint32_t uActor) {
                        return StaysHidden(pool, root, nodes, iChapter, looks[iChapter], static_cast<int32_t>(uActor));
                    });
                for (const std::string& fault : PlacementFaults(places, one.name, found, uHeroine))
                    chapterFaults.push_back({"cast " + one.name, fault});
            }
            Collect(faults, scene, chapterFaults, iChapter);
        }
        places.scene->Shutdown();
    }
    std::set<std::string> lines;
    for (std::istringstream text(UnmetLines(faults)); !text.eof();)
        if (std::string line; std::getline(text, line) && !line.empty())
            lines.insert(line);
    EXPECT_EQ(JoinedLines(TakeOutMeantTouches(lines, "Engine/Scripts/Common/PlacementsMeantToTouch")), "");
    EXPECT_TRUE(TestSupport::MatchesGoldenList(lines, "Engine/Scripts/Common/PlacementsLeftToMend"));
    EXPECT_GE(iScenes, 10);
}

TEST_F(EveryRegisteredSceneScriptTest, ThePlacementCheckFindsPeopleInEachOtherCutByTheEdgeOrTurnedAway)
{
    // The inn: the stranger's seat (6), the heroine's place by him (8, turned
    // to him), the place before the bar (9, turned along it) and the street
    // door's outside (11, beyond the right edge).
    const SceneDesc& inn = *Id::GetSceneDesc(23);
    const ScenePlaces places = PlacesOf(inn);
    ASSERT_TRUE(places.scene);
    const uint32_t uHeroine = Id::GetActorId("tavrine");
    const uint32_t uStranger = Id::GetActorId("stranger");
    const auto faultsOf = [&](std::vector<Stand> stands, std::vector<std::pair<size_t, size_t>> together,
                              std::vector<TalkFacing> talks) {
        return PlacementFaults(places, "default", {std::move(stands), std::move(together), std::move(talks)}, uHeroine);
    };
    const Stand seated {uStranger, 6, "", true};
    EXPECT_EQ(JoinedLines(faultsOf({{uHeroine, 8, ""}, seated}, {{0, 1}}, {{8, 8, uStranger, ""}})), "");
    const std::string inHim = JoinedLines(faultsOf({{uHeroine, 6, ""}, seated}, {{0, 1}}, {}));
    EXPECT_TRUE(inHim.starts_with("stranger at 6 and tavrine at 6 stand ") && inHim.ends_with(" px in each other\n"))
        << inHim;
    EXPECT_EQ(JoinedLines(faultsOf({{uHeroine, 11, ""}}, {}, {})), "tavrine at 11 reaches beyond the right edge\n");
    EXPECT_EQ(JoinedLines(faultsOf({{uHeroine, 8, ""}, seated}, {}, {{8, 9, uStranger, ""}})),
              "at 8 turned as 9, she has her back to stranger\n");
    places.scene->Shutdown();

    // The pairs a built script makes: arrivals from two scenes, one who
    // walked on or off out of sight, one placed hidden (or shown only to
    // walk on), one gone before a click (by the arrival, in the place's block
    // or a later one on its condition, or a callback its dialog sends), one at
    // a door the arrival turns off for him, one placed after she moved on or
    // in the moment she does, and the talk after she walks to a thing; and
    // where she walks out of the scene, or may not.
    ScriptNodePool& pool = m_manager.GetNodePool();
    PlantedPlacementsScript planted;
    const ScriptNodeIndex root = BuildHandMadeScriptTree(m_manager, planted);
    const std::vector<ScriptNodeIndex> nodes = NodesInChapter(pool, root, 2);
    const SceneStands found = StandsInChapter(pool, root, nodes, inn, uHeroine, {{0x18, {0x99}}});
    std::set<std::string> pairs;
    const auto name = [](const Stand& stand) {
        return std::string(Id::GetActorName(stand.uActor)) + " at " + std::to_string(stand.iWaypoint);
    };
    for (const auto& [i, j] : found.together)
        pairs.insert(std::min(name(found.stands[i]), name(found.stands[j])) + " and " +
                     std::max(name(found.stands[i]), name(found.stands[j])));
    for (const char* pKept :
         {"pierre_l at 12 and stranger at 6", "pierre_l at 14 and stranger at 14", "stranger at 14 and tavrine at 14",
          "stranger at 6 and tavrine at 9", "alessandro_c at 6 and tavrine at 8", "diego at 3 and tavrine at 6",
          "bobby at 5 and tavrine at 9", "pierre_l at 17 and tavrine at 19", "tavrine at 9 and thomas_b at 13",
          "mabel at 22 and tavrine at 23", "tavrine at 6 and uncle_eduardo at 2", "missbrown at 21 and tavrine at 8"})
        EXPECT_TRUE(pairs.contains(pKept)) << pKept;
    for (const char* pLeftOut :
         {"stranger at 6 and tavrine at 6", "pierre_l at 14 and tavrine at 14", "alessandro_c at 6 and tavrine at 6",
          "diego at 3 and tavrine at 9", "diego at 11 and stranger at 11", "nell at 2 and tavrine at 9",
          "carlo at 4 and tavrine at 9", "pierre_l at 17 and stranger at 17", "manuel at 7 and tavrine at 9",
          "father_jerome at 20 and tavrine at 21", "hilary at 13 and tavrine at 9", "missbrown at 21 and tavrine at 6"})
        EXPECT_FALSE(pairs.contains(pLeftOut)) << pLeftOut;
    EXPECT_TRUE(std::none_of(pairs.begin(), pairs.end(),
                             [](const std::string& pair) { return pair.find("anita") != std::string::npos; }));
    ASSERT_EQ(found.talks.size(), 1u) << "the line at the bar counted as talk to the stranger";
    EXPECT_EQ(found.talks[0].iWaypoint, 8);
    const auto standsAt = [&](int32_t iWaypoint) {
        return std::any_of(found.stands.begin(), found.stands.end(), [&](const Stand& stand) {
            return stand.uActor == uHeroine && stand.iWaypoint == iWaypoint;
        });
    };
    EXPECT_TRUE(standsAt(PlantedPlacementsScript::OUTSIDE)) << "the way out to a map that may be closed left out";
    EXPECT_FALSE(standsAt(PlantedPlacementsScript::MAP_WAY)) << "the way out left behind the map counted";
    EXPECT_FALSE(standsAt(PlantedPlacementsScript::STAIRS)) << "the way into the mini-game counted";
    EXPECT_TRUE(standsAt(PlantedPlacementsScript::BASKET));
    EXPECT_TRUE(standsAt(PlantedPlacementsScript::FIRESIDE)) << "a way out she may not take left out";
    EXPECT_FALSE(standsAt(PlantedPlacementsScript::PARTING)) << "a way out on both sides of an if / else missed";
    // Without the stranger in the cast no one clicks him.
    EXPECT_TRUE(StandsInChapter(pool, root, WithoutClicksOnTheAbsent(pool, root, nodes, {uHeroine}), inn, uHeroine, {})
                    .talks.empty());

    // The inn's octopus talk sends its chapter-8 line every run in chapter 8;
    // the line to the barmaid that also waits on the Pedro quest may not come.
    const std::string dialogs = Id::GetSceneDialogsPath(inn.m_iId);
    EXPECT_TRUE(CallbacksEveryRunSends(dialogs, 8)[0x83719d18].contains(0x74907c07));
    EXPECT_FALSE(CallbacksEveryRunSends(dialogs, 3)[0x83719d18].contains(0x74907c07));
    EXPECT_FALSE(CallbacksEveryRunSends(dialogs, 8)[0xaa69aeff].contains(0x22c2217c));
}

TEST_F(EveryRegisteredSceneScriptTest, EveryHotspotAPlayerCanClickShowsAPictureOfWhatItStandsFor)
{
    int iScenes = 0;
    std::vector<std::string> faults;
    for (const SceneScriptRegistration* pScript : GetSceneScriptRegistrations()) {
        const SceneDesc& scene = *Id::GetSceneDesc(pScript->m_iSceneId);
        // The front end's and system screens' buttons are named by printed
        // texts, which the scene's picture does not hold.
        if (!HasContent(scene) || std::strncmp(scene.m_pName, "bg9", 3) == 0)
            continue;
        ++iScenes;
        for (const int32_t iChapter : ChaptersOf(scene)) {
            Enter(scene, iChapter);
            if (HasFatalFailure())
                return;
            if (m_manager.IsChangePending())
                continue;
            // A visit after the first, whose people stand where it left them.
            SampleSceneScriptTest::Enter(scene.m_iId, iChapter,
                                         Id::GetActorId(iChapter <= 1 ? "tavrine_kid" : "tavrine"));
            if (HasFatalFailure())
                return;
            const CharactersHidden hidden(*m_scene);
            const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
            for (const std::string& fault : UnseenHotspots(*m_scene, picture))
                if (!IsUndrawnHotspotLeft(fault))
                    faults.push_back(fault + " in chapter " + std::to_string(iChapter));
        }
    }
    EXPECT_EQ(JoinedLines(faults), "");
    EXPECT_GE(iScenes, 2);
}

TEST_F(EveryRegisteredSceneScriptTest, AHotspotOnPlainSkyShowsNothingToClick)
{
    Enter(*Id::GetSceneDesc(10), 1);
    ASSERT_FALSE(HasFatalFailure());
    // The kite's hotspot moved up into the empty sky above the house.
    Region* kite = nullptr;
    const Layer& main = *m_scene->GetMainLayer();
    for (int32_t i = 0; i < main.m_iNbRegions; ++i)
        if (ObjectNameOf(&main.m_vRegions[i]) == "kite")
            kite = &main.m_vRegions[i];
    ASSERT_NE(kite, nullptr);
    kite->m_vTriangles = {{216, 8, 236, 8, 236, 24}, {216, 8, 236, 24, 216, 24}};
    kite->m_oBox = {216 * FX32_ONE, 8 * FX32_ONE, 236 * FX32_ONE, 24 * FX32_ONE};
    const CharactersHidden hidden(*m_scene);
    const std::vector<std::string> faults =
        UnseenHotspots(*m_scene, FramePicture([&] { m_scene->Render(m_renderer); }));
    ASSERT_EQ(faults.size(), 1u) << JoinedLines(faults);
    EXPECT_EQ(faults[0].substr(0, 11), "bg102: kite");
}

TEST_F(EveryRegisteredSceneScriptTest, EverySceneRowHasARegisteredScriptAndABuiltScene)
{
    for (const SceneDesc* const* ppRow = Id::GetSceneRegistry(); *ppRow != nullptr; ++ppRow) {
        const SceneDesc& scene = **ppRow;
        EXPECT_NE(scene.m_pFactory, nullptr) << scene.m_pName << " has no script";
        EXPECT_TRUE(HasContent(scene)) << scene.m_pName << " has no built scene";
    }
}

} // namespace
