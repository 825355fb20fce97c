#include "ScriptEngine/common/ScriptTreeCalls.h"

#include "ScriptTreeTestKit.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using TestSupport::LogCapture;

using ScriptTreeCallsTest = ScriptTreeTest;

constexpr uint32_t HEROINE = 0x33B1E803u;
constexpr int32_t HEROINE_ID = static_cast<int32_t>(0xB3B1E803u);

// An action as the table of shortcuts describes it: type, target, and the
// parameter types and values.
struct Queued {
    int32_t type;
    int32_t target;
    std::vector<int32_t> parameterTypes;
    std::vector<int32_t> values;

    bool operator==(const Queued&) const = default;
};

void PrintTo(const Queued& queued, std::ostream* os)
{
    *os << "{" << queued.type << " @" << queued.target << " (";
    for (size_t i = 0; i < queued.values.size(); ++i)
        *os << queued.parameterTypes[i] << ":" << queued.values[i] << " ";
    *os << ")}";
}

Queued WaitFor(int32_t iId)
{
    return {ID_ACTION_TYPE_WAIT_FOR, ID_SCRIPTABLE_INVALID, {ID_PARAMETER_TYPE_SCRIPTABLE}, {iId}};
}

TEST_F(ScriptTreeCallsTest, ShortcutsQueueTheirActionsAndWaits)
{
    constexpr int32_t INT = ID_PARAMETER_TYPE_INT;
    constexpr int32_t BOOL = ID_PARAMETER_TYPE_BOOL;
    constexpr int32_t WAYPOINT = ID_PARAMETER_TYPE_WAYPOINT;
    struct Case {
        const char* name;
        std::function<void(TestScript&)> call;
        std::vector<Queued> expected;
        const char* log;
    } const cases[] = {
        {"walk and turn",
         [](TestScript& s) { s.PushAction5(HEROINE, 4, 1); },
         {{5, HEROINE_ID, {WAYPOINT, WAYPOINT, WAYPOINT}, {4, -1, -1}},
          WaitFor(HEROINE_ID),
          {6, HEROINE_ID, {WAYPOINT}, {4}},
          WaitFor(HEROINE_ID)},
         ""},
        {"walk only",
         [](TestScript& s) { s.PushAction5(HEROINE, 4, 0); },
         {{5, HEROINE_ID, {WAYPOINT, WAYPOINT, WAYPOINT}, {4, -1, -1}}, WaitFor(HEROINE_ID)},
         ""},
        {"walk and turn without waits",
         [](TestScript& s) {
             s.m_bNoWait = 1;
             s.PushAction5(HEROINE, 4, 1);
         },
         {{5, HEROINE_ID, {WAYPOINT, WAYPOINT, WAYPOINT}, {4, -1, -1}}, {6, HEROINE_ID, {WAYPOINT}, {4}}},
         ""},
        {"animation 11",
         [](TestScript& s) { s.PushAnimAction11(HEROINE, 1227, 3); },
         {{11, HEROINE_ID, {INT, BOOL}, {1227, 1}}, WaitFor(HEROINE_ID)},
         ""},
        {"animation 11 of id 0", [](TestScript& s) { s.PushAnimAction11(HEROINE, 0, 0); }, {WaitFor(HEROINE_ID)}, ""},
        {"animation 12",
         [](TestScript& s) { s.PushAnimAction(HEROINE, 7, 0, 1); },
         {{12, HEROINE_ID, {INT, BOOL, BOOL}, {7, 0, 1}}, WaitFor(HEROINE_ID)},
         ""},
        {"animation 12 of id 1228",
         [](TestScript& s) { s.PushAnimAction(HEROINE, 1228, 0, 1); },
         {WaitFor(HEROINE_ID)},
         "Warning : Animation Invalid\n"},
        {"animation 13 of id 0",
         [](TestScript& s) { s.PushAnimAction13(HEROINE, 0, 0); },
         {WaitFor(HEROINE_ID)},
         "Warning : Animation Invalid\n"},
        {"attachment",
         [](TestScript& s) { s.PushAddAttachment(HEROINE, 0x55u, 3); },
         {{61, HEROINE_ID, {INT, INT}, {0x55, 3}}, WaitFor(HEROINE_ID)},
         ""},
        {"attachment on bone 7",
         [](TestScript& s) { s.PushAddAttachment(HEROINE, 0x55u, 7); },
         {{61, HEROINE_ID, {INT, INT}, {0x55, 7}}, WaitFor(HEROINE_ID)},
         "condition: iboneId != ID_BONE_INVALID && iboneId < ID_BONE_LAST"},
        {"detachment of nothing",
         [](TestScript& s) { s.PushRemoveAttachment(HEROINE, 0); },
         {{62, HEROINE_ID, {INT}, {0}}, WaitFor(HEROINE_ID)},
         "condition: iAttachementId != ATTACHMENT_INVALID"},
        {"sprite animation of entity -1",
         [](TestScript& s) { s.PushHashAction23(-1, 0xABCDu); },
         {{23, -1, {ID_PARAMETER_TYPE_HASH}, {0xABCD}}, WaitFor(-1)},
         ""},
        {"sprite animation of a flagged entity",
         [](TestScript& s) { s.PushHashAction23(-0x7FFFFFF0, 1u); },
         {{23, 16, {ID_PARAMETER_TYPE_HASH}, {1}}, WaitFor(16)},
         ""},
        {"actor 0 as target",
         [](TestScript& s) { s.PushAnimAction11(0, 5, 0); },
         {{11, -1, {INT, BOOL}, {5, 0}}, WaitFor(-1)},
         ""},
        {"turn to actor",
         [](TestScript& s) { s.PushActorAction7(HEROINE, 3, 24576); },
         {{7, 3, {ID_PARAMETER_TYPE_SCRIPTABLE, INT}, {HEROINE_ID, 24576}}},
         ""},
        {"turn to actor 0", [](TestScript& s) { s.PushActorAction7(0, 3, 24576); }, {}, "Error Actor Invalid\n"},
        {"actor sound",
         [](TestScript& s) { s.PushAction58(3, 9, 100, 4096u); },
         {{58, 3, {ID_PARAMETER_TYPE_SOUND, INT, ID_PARAMETER_TYPE_UINT}, {9, 100, 4096}}},
         ""},
        {"blocker", [](TestScript& s) { s.PushAction21(3, 2, 9); }, {{21, 3, {INT, BOOL}, {2, 1}}}, ""},
        {"sprite fade", [](TestScript& s) { s.PushAction60(3, 500, 0); }, {{60, 3, {INT, BOOL}, {500, 0}}}, ""},
        {"play animation 0",
         [](TestScript& s) { s.PushPlayAnimation(3, 0, 0, 0); },
         {},
         "Warning : Animation Invalid\n"},
        // The 16-bit cut belongs to the action, not to the call.
        {"integer variable", [](TestScript& s) { s.SetIntVar(14, 70000); }, {{33, -1, {INT, INT}, {14, 70000}}}, ""},
        {"boolean variable", [](TestScript& s) { s.SetBoolVar(600, true); }, {{33, -1, {INT, BOOL}, {600, 1}}}, ""},
        {"hide", [](TestScript& s) { s.ShowObject(3, false); }, {{20, 3, {BOOL}, {0}}}, ""},
        {"not interactive",
         [](TestScript& s) { s.SetInteractive(HEROINE_ID, false); },
         {{1, HEROINE_ID, {BOOL}, {0}}},
         ""},
        {"go to scene", [](TestScript& s) { s.GoToScene(13); }, {{27, -1, {ID_PARAMETER_TYPE_SCENE}, {13}}}, ""},
        {"mini-game", [](TestScript& s) { s.StartMiniGame(4); }, {{30, -1, {INT}, {4}}}, ""},
        {"playing character",
         [](TestScript& s) { s.SetPlayingCharacter(HEROINE); },
         {{36, -1, {ID_PARAMETER_TYPE_SCRIPTABLE}, {HEROINE_ID}}},
         ""},
        {"explicit wait inside a group",
         [](TestScript& s) {
             s.m_bNoWait = 1;
             s.WaitUntilIdle(3);
         },
         {WaitFor(3)},
         ""},
        {"wait for all", [](TestScript& s) { s.WaitForAll(); }, {WaitFor(-1)}, ""},
    };
    for (const Case& c : cases) {
        pool.ResetPool();
        const ScriptNodeIndex top = pool.AllocNode();
        ScriptTreeBuilder local(pool, top);
        TestScript caller;
        caller.SetTreeBuilder(&local);
        LogCapture capture;
        c.call(caller);
        const std::string log = capture.Take();

        std::vector<Queued> queued;
        for (ScriptNodeIndex iNode : Children(top)) {
            const ActionDesc& action = pool[iNode].m_oAction;
            Queued entry {action.m_iActionType, action.m_iTargetId, {}, {}};
            for (int i = 0; i < ACTION_PARAMETERS_MAX && action.m_iParameterType[i] != 0; ++i) {
                entry.parameterTypes.push_back(action.m_iParameterType[i]);
                entry.values.push_back(action.m_oParameter[i]);
            }
            queued.push_back(entry);
        }
        EXPECT_EQ(queued, c.expected) << c.name;
        if (*c.log == '\0')
            EXPECT_TRUE(log.empty()) << c.name << ": " << log;
        else
            EXPECT_NE(log.find(c.log), std::string::npos) << c.name << ": " << log;
    }
}

} // namespace
