// The steps that scene scripts are written in queue what a scene's table
// means: dialogs on the dialog actor, each actor's own animations, looping by
// name, pick-ups in the order the row gives.
#include "ScriptEngine/common/ScriptTreeCalls.h"

#include "Common/AnimationIds.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "ScriptTreeTestKit.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

namespace {

constexpr ActorNamed<"tavrine_kid"> KID;
constexpr ActorNamed<"tavrine"> ADULT;
constexpr int32_t PICTURE = 7;

class StepScript : public ScriptTreeCalls {
public:
    using ScriptTreeCalls::_EndMatch;
    using ScriptTreeCalls::_IfEvent;
    using ScriptTreeCalls::Apart;
    using ScriptTreeCalls::Dialog;
    using ScriptTreeCalls::Give;
    using ScriptTreeCalls::GoTo;
    using ScriptTreeCalls::LookAndActivate;
    using ScriptTreeCalls::PickUp;
    using ScriptTreeCalls::Play;
    using ScriptTreeCalls::PlayGesture;
    using ScriptTreeCalls::Together;
};

// An action by type, target and first parameter.
struct Step {
    int32_t type;
    int32_t target;
    int32_t first;

    bool operator==(const Step&) const = default;
};

void PrintTo(const Step& step, std::ostream* os)
{
    *os << "{" << step.type << " @" << step.target << " " << step.first << "}";
}

class ScriptTreeStepsTest : public ScriptTreeTest {
protected:
    ScriptTreeStepsTest() { steps.SetTreeBuilder(&builder); }

    // The queued actions, waits left out unless asked for.
    std::vector<Step> Queued(bool bWithWaits = false) const
    {
        std::vector<Step> queued;
        for (ScriptNodeIndex iNode : Children(root)) {
            const ActionDesc& action = pool[iNode].m_oAction;
            if (bWithWaits || action.m_iActionType != ID_ACTION_TYPE_WAIT_FOR)
                queued.push_back({action.m_iActionType, action.m_iTargetId, action.m_oParameter[0]});
        }
        return queued;
    }

    // Every node under iNode, depth first, as its type, payload and depth.
    struct Node {
        int32_t type;
        std::array<uint32_t, 8> payload;
        int depth;

        bool operator==(const Node&) const = default;
    };
    void Flatten(ScriptNodeIndex iNode, int depth, std::vector<Node>& nodes) const
    {
        for (ScriptNodeIndex iChild : Children(iNode)) {
            const ScriptNode& node = pool[iChild];
            nodes.push_back({node.m_iType, std::to_array(node.m_aPayload), depth});
            Flatten(iChild, depth + 1, nodes);
        }
    }
    std::vector<Node> Tree() const
    {
        std::vector<Node> nodes;
        Flatten(root, 0, nodes);
        return nodes;
    }
    // Starts a second tree; the first is gone.
    void StartAgain()
    {
        pool.ResetPool();
        root = pool.AllocNode();
        again = std::make_unique<ScriptTreeBuilder>(pool, root);
        steps.SetTreeBuilder(again.get());
    }

    StepScript steps;
    std::unique_ptr<ScriptTreeBuilder> again;
};

TEST_F(ScriptTreeStepsTest, ADialogRunsOnTheDialogActorWithItsKey)
{
    steps.Dialog(0x824E3221);
    const std::vector<Step> expected {
        {ID_ACTION_TYPE_START_DIALOG, ActorNamed<"logic_dialog">(), static_cast<int32_t>(0x824E3221u)}};
    EXPECT_EQ(Queued(true), expected);
}

TEST_F(ScriptTreeStepsTest, AnAnimationIsTheActorsOwnAndLoopsWhenItsNameSaysSo)
{
    steps.Play(KID, "g_idle_l");
    steps.Play(ADULT, "g_idle_l");
    steps.Play(ADULT, "staggers");
    const std::vector<ScriptNodeIndex> nodes = Children(root);
    ASSERT_EQ(nodes.size(), 6u) << "each animation waits for its actor";
    const ActionDesc& kidIdle = pool[nodes[0]].m_oAction;
    const ActionDesc& adultIdle = pool[nodes[2]].m_oAction;
    const ActionDesc& staggers = pool[nodes[4]].m_oAction;
    EXPECT_EQ(kidIdle.m_iTargetId, static_cast<int32_t>(KID));
    EXPECT_EQ(kidIdle.m_oParameter[0], Id::GetAnimationId(KID, "g_idle_l"));
    EXPECT_EQ(adultIdle.m_oParameter[0], Id::GetAnimationId(ADULT, "g_idle_l"));
    EXPECT_NE(kidIdle.m_oParameter[0], adultIdle.m_oParameter[0]);
    EXPECT_EQ(kidIdle.m_oParameter[1], 1);
    EXPECT_EQ(staggers.m_oParameter[1], 0);
}

TEST_F(ScriptTreeStepsTest, APickUpBendsGivesHidesRisesAndIdlesInTheRowsOrder)
{
    const int32_t iItem = static_cast<int32_t>(ItemNamed("ITEM_DRY_CLOTH"));
    const auto animation = [](const char* pName) { return Id::GetAnimationId(KID, pName); };
    const Step bend {ID_ACTION_TYPE_ANIMATION, KID, animation("g_pickobjectmiddlelow01")};
    const Step give {ID_ACTION_TYPE_ADD_ITEM, KID, iItem};
    const Step hide {ID_ACTION_TYPE_SET_VISIBLE, PICTURE, 0};
    const Step rise {ID_ACTION_TYPE_ANIMATION, KID, animation("g_pickobjectmiddlelow02")};
    const Step idle {ID_ACTION_TYPE_ANIMATION, KID, animation("g_idle_l")};

    steps.PickUp<Reach::MiddleLow>(KID, PICTURE, ItemNamed("ITEM_DRY_CLOTH"));
    EXPECT_EQ(Queued(), (std::vector<Step> {bend, give, hide, rise, idle}));

    StartAgain();
    steps.PickUp<Reach::MiddleLow>(KID, PICTURE, ItemNamed("ITEM_DRY_CLOTH"), false);
    EXPECT_EQ(Queued(), (std::vector<Step> {bend, hide, give, rise, idle}));

    StartAgain();
    steps.PickUp<Reach::MiddleLow>(KID, ID_SCRIPTABLE_INVALID, ItemNamed("ITEM_DRY_CLOTH"));
    EXPECT_EQ(Queued(), (std::vector<Step> {bend, give, rise, idle})) << "no picture, nothing hidden";
}

TEST_F(ScriptTreeStepsTest, AGestureIsTheHandlerThatPlaysItAndThenTheLoopOnTheEvent)
{
    EventDesc callback;
    BuildEvent(&callback, TwEventType_Dialog_CB, 1, ID_PARAMETER_TYPE_INT, 0x5024F60E);
    EventDesc other;
    BuildEvent(&other, TwEventType_Dialog_CB, 1, ID_PARAMETER_TYPE_INT, 0x0013594B);
    steps.PlayGesture(callback, KID, "g_scratchhead", "g_idle_l");
    steps.PlayGesture(other, ADULT, "staggers");
    const std::vector<Node> gestures = Tree();

    StartAgain();
    steps._IfEvent(callback);
    steps.Play(KID, "g_scratchhead");
    steps.Play(KID, "g_idle_l");
    steps._EndMatch();
    steps._IfEvent(other);
    steps.Play(ADULT, "staggers");
    steps._EndMatch();
    const std::vector<Node> written = Tree();

    ASSERT_EQ(written.size(), 8u) << "two handlers: an event over two played and waited animations, one over one";
    EXPECT_EQ(gestures, written);
}

TEST_F(ScriptTreeStepsTest, AThingLookedAtOrUsedWalksTheCharacterThereForItsOwnDialog)
{
    steps.LookAndActivate(PICTURE, ADULT, 4, 0x728FB819, 0x0F3D6E09);
    const std::vector<Node> both = Tree();

    StartAgain();
    EventDesc look;
    BuildEvent(&look, TwEventType_Look, 1, ID_PARAMETER_TYPE_SCRIPTABLE, PICTURE);
    steps._IfEvent(look);
    steps.GoTo(ADULT, 4);
    steps.Dialog(0x728FB819);
    steps._EndMatch();
    EventDesc use;
    BuildEvent(&use, TwEventType_Activate, 1, ID_PARAMETER_TYPE_SCRIPTABLE, PICTURE);
    steps._IfEvent(use);
    steps.GoTo(ADULT, 4);
    steps.Dialog(0x0F3D6E09);
    steps._EndMatch();
    const std::vector<Node> written = Tree();

    ASSERT_EQ(written.size(), 12u) << "two handlers, each an event over the walk, the turn and the dialog";
    EXPECT_EQ(both, written);
}

TEST_F(ScriptTreeStepsTest, StepsTogetherWaitForNobodyUntilApart)
{
    steps.Together();
    steps.Play(KID, "g_talk_l");
    steps.Give(KID, ItemNamed("ITEM_DRY_CLOTH"));
    steps.Play(ADULT, "g_talk_l");
    steps.Apart();
    steps.Play(KID, "g_idle_l");
    const std::vector<int32_t> types {ID_ACTION_TYPE_ANIMATION, ID_ACTION_TYPE_ADD_ITEM, ID_ACTION_TYPE_ANIMATION,
                                      ID_ACTION_TYPE_ANIMATION, ID_ACTION_TYPE_WAIT_FOR};
    EXPECT_EQ(ActionTypes(Children(root)), types);
}

} // namespace
