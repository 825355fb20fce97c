// The flat-top hill in the game's scene world: drawn on the OpenGL device as
// its script leaves it on coming back from the won duel (Arno out cold, the
// rope still on the broken ladder, Bobby and Nell in their places), and the
// kid walking its walk mesh with its blockers to every place the chapter-1
// handlers send her, up the lookout rock and out by the path.
#include "Common/IdHash.h"
#include "Common/SceneIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "Dialogs/Common/Dialog.h"
#include "Dialogs/Common/DialogNode.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Hash/CoreCrc32.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"
#include "Scripts/Common/ScriptEvents.h"
#include "Support/Files.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr SceneId FLAT_TOP_HILL = 11;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

constexpr fx32 FX = FX32_ONE;

// The actions of a dialog's tree in file order, whatever their conditions:
// "callback 0x...", "set <variable id> <value>".
void CollectActions(const DialogNode& node, std::vector<std::string>& actions)
{
    if (node.m_eType == DialogNode::DLG_ACTION) {
        char text[48];
        if (node.m_uWord1 == DialogNode::DLG_ACTION_CALLBACK)
            std::snprintf(text, sizeof text, "callback 0x%08X", node.m_uWord2);
        else
            std::snprintf(text, sizeof text, "set %u %u", node.m_uWord2, node.m_uWord3);
        actions.push_back(text);
    }
    for (int32_t i = 0; i < node.m_iNbChildren; ++i)
        CollectActions(node.m_pChildren[i], actions);
}

std::string SetTrue(int32_t iVarId)
{
    return "set " + std::to_string(iVarId) + " 1";
}

class FlatTopHillSceneTest : public SampleSceneScriptTest {
protected:
    // Fires the event and runs the scene until its walk is over (or the
    // scene change it asked for is pending).
    void Play(const EventDesc& oEvent)
    {
        ASSERT_TRUE(m_manager.FireEvent(oEvent)) << EventDesc::ToString(nullptr, oEvent);
        const auto walking = [this] {
            return (m_manager.IsBusy() || !m_manager.GetPendingEvent().IsEmpty()) && !m_manager.IsChangePending();
        };
        for (int frame = 0; frame < 3000 && walking(); ++frame) {
            m_manager.Update(16);
            m_scene->Update(16);
        }
        ASSERT_FALSE(walking()) << EventDesc::ToString(nullptr, oEvent);
        m_manager.Update(16);
        m_scene->Update(16);
    }
    // Whether the kid stands at the waypoint, height included.
    ::testing::AssertionResult KidAt(int32_t iWaypoint)
    {
        const uint32_t kid = ActorIdOf("tavrine_kid");
        for (int32_t i = 0; i < m_scene->m_iNumCharacters; ++i) {
            if (m_scene->m_aCharacterIds[i] != kid)
                continue;
            const CoreFxVec feet = m_scene->m_apCharacters[i]->GetFeetPosition();
            const CoreFxVec& place = m_scene->m_vLocators[iWaypoint].m_vPosition;
            if (std::abs(feet.x - place.x) <= 5 * FX && std::abs(feet.y - place.y) <= 5 * FX &&
                std::abs(feet.z - place.z) <= 5 * FX)
                return ::testing::AssertionSuccess();
            return ::testing::AssertionFailure() << "the kid stands at (" << feet.x / FX << ", " << feet.y / FX << ", "
                                                 << feet.z / FX << "), not at waypoint " << iWaypoint;
        }
        return ::testing::AssertionFailure() << "no kid in the scene";
    }
};

TEST_F(FlatTopHillSceneTest, TheKidWalksToEveryPlaceUpTheRockAndOutEvenAfterLookingAtArno)
{
    using Object = NamedObject<SceneTableRows::s_aObjects_bg103_11>;
    const uint32_t arno = ActorIdOf("arno_kid");
    const uint32_t bobby = ActorIdOf("bobby_kid");
    g_VarManager.SetBool(VARBOOL_BG103_C01_EVENT_FIRST_TIME, 1);
    // Before the duel Arno stands in his place, and she walks up to him.
    Enter(FLAT_TOP_HILL, 1, ActorIdOf("tavrine_kid"));
    Play(ScriptEvent_FlaggedId2(arno));
    EXPECT_TRUE(KidAt(11));

    g_VarManager.SetBool(VARBOOL_C_WIN_MINIGAME, 1);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, 258);
    Enter(FLAT_TOP_HILL, 1, ActorIdOf("tavrine_kid"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);
    EXPECT_TRUE(KidAt(16));

    // Looking at Arno leaves the rock's blocker off; every handler after it
    // still takes the kid where it sends her, the lying Arno's blocker on.
    Play(ScriptEvent_FlaggedId1(arno));
    EXPECT_TRUE(KidAt(12));
    Play(OnCallback(0x62D1344A));
    Play(ScriptEvent_Object1(Object("broken_ladder")));
    EXPECT_TRUE(KidAt(6));
    Play(ScriptEvent_Object1(Object("lookout_rock")));
    EXPECT_TRUE(KidAt(7));
    Play(ScriptEvent_FlaggedId1(bobby));
    EXPECT_TRUE(KidAt(19));
    Play(ScriptEvent_FlaggedId1(ActorIdOf("nell_kid")));
    EXPECT_TRUE(KidAt(21));

    // Bobby's climb, as the dialog sends it: up on the rock and back.
    g_VarManager.SetBool(VARBOOL_BG103_C01_ARNO_NOT_HERE, 1);
    Play(OnCallback(0xA48704F6));
    EXPECT_TRUE(KidAt(10));
    Play(OnCallback(0x4DE4A1C3));
    EXPECT_TRUE(KidAt(9));
    Play(ScriptEvent_ItemOnObject3(Object("lookout_rock"), ItemIdOf("ITEM_BOBBY_KID")));
    EXPECT_TRUE(KidAt(0));
    // With Arno gone Bobby stands elsewhere; she still reaches him.
    Play(ScriptEvent_FlaggedId1(bobby));
    EXPECT_TRUE(KidAt(20));

    // Out by the path to the island map.
    g_VarManager.SetBool(VARBOOL_BG103_C01_SEE_ALESSANDRO, 1);
    Play(MakeEvent(TwEventType_Activate, Object("goto_bg104")));
    EXPECT_TRUE(m_manager.IsChangePending());
    EXPECT_EQ(m_manager.GetNextSceneId(), 56);
}

TEST_F(FlatTopHillSceneTest, TheDialogsSendEveryCallbackTheScriptHandlesAndSetTheFlagsTheStoryNeeds)
{
    g_VarManager.SetBool(VARBOOL_BG103_C01_EVENT_FIRST_TIME, 1);
    Enter(FLAT_TOP_HILL, 1, ActorIdOf("tavrine_kid"));
    const std::vector<uint8_t> bytes = TestSupport::ReadFileBytes("scenes/bg103_BO_FlatTopHill.dialogs.dat");
    Dialog dialog;
    ASSERT_TRUE(dialog.Initialize(bytes.data(), bytes.size(), "bg103")) << m_log.Take();
    std::map<uint32_t, std::vector<std::string>> actionsOf;
    std::set<std::string> sent;
    for (int32_t i = 0; i < dialog.GetNumDialogs(); ++i) {
        std::vector<std::string>& actions = actionsOf[dialog.GetKeys()[i].m_uKey];
        CollectActions(*dialog.GetRoot(i), actions);
        for (const std::string& action : actions)
            if (action.starts_with("callback"))
                sent.insert(action);
    }

    // The callbacks that the scene's handlers wait for, and those the
    // dialogs send, are the same.
    const EventDesc callback = OnCallback(0);
    std::set<std::string> handled;
    const ScriptNodePool& pool = m_manager.GetNodePool();
    for (ScriptNodeIndex iNode = 0; iNode < pool.GetNbAllocated(); ++iNode) {
        const ScriptNode& node = pool[iNode];
        if (node.m_iType == NodeType_Event && node.m_oEvent.m_eType == callback.m_eType) {
            char text[32];
            std::snprintf(text, sizeof text, "callback 0x%08X", static_cast<uint32_t>(node.m_oEvent.m_oParameter[0]));
            handled.insert(text);
        }
    }
    EXPECT_EQ(sent, handled);

    // Bobby's climb: up, the boat, the kid's joy, the boat seen (or the kid
    // is kept on the hill), down.
    const std::vector<std::string> climb = {"callback 0xA48704F6", "callback 0xA3EAC0EF", "callback 0x4A8965DA",
                                            SetTrue(VARBOOL_BG103_C01_SEE_ALESSANDRO), "callback 0x4DE4A1C3"};
    EXPECT_EQ(actionsOf[0x5C59134C], climb);
    const std::vector<std::string>& talk = actionsOf[0x27E12618];
    EXPECT_NE(std::find(talk.begin(), talk.end(), SetTrue(VARBOOL_BG103_C01_TALK_BOBBY_KID)), talk.end());
}

TEST_F(FlatTopHillSceneTest, TheChildrenOnTheHillAfterTheDuel)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 1);
    g_VarManager.SetBool(VARBOOL_BG103_C01_EVENT_FIRST_TIME, 1);
    g_VarManager.SetBool(VARBOOL_WIN_MINIGAME_01, 1);
    g_VarManager.SetBool(VARBOOL_BG103_C01_EVENT_AFTER_SABRE_DUEL, 1);
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, FLAT_TOP_HILL);
    m_scene = std::make_unique<Scene>();
    ASSERT_TRUE(m_scene->Initialize(FLAT_TOP_HILL)) << m_log.Take();
    m_sceneLink.m_pScene = m_scene.get();
    ASSERT_TRUE(m_scene->Prepare());
    CoreRandom::Init(7);

    m_manager.ChangeScene(FLAT_TOP_HILL);
    for (int frame = 0; frame < 200; ++frame) {
        m_manager.Update(16);
        m_scene->Update(16);
    }
    EXPECT_FALSE(m_manager.IsBusy());
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);

    const Platform::RgbaImage image = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(image, "Engine/Scripts/Common/FlatTopHillChapter1", TOLERANCE));
}

} // namespace
