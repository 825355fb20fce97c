#include "ScriptEngine/common/ScriptTreefilters.h"

#include "ScriptTreeTestKit.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TestSupport::LogCapture;

class ScriptTreefiltersTest : public ScriptTreeTest {
protected:
    void Handler(int32_t iType, int32_t iId)
    {
        EventDesc oPattern;
        BuildEvent(&oPattern, iType, 1, ID_PARAMETER_TYPE_SCRIPTABLE, iId);
        script._IfEvent(oPattern);
    }
    // The scriptable of every collected pattern, in list order.
    std::vector<int32_t> Collected(std::span<ScriptNodeIndex> list)
    {
        std::vector<int32_t> ids;
        const int32_t count = CollectEvents(pool, root, Filter_Events, list);
        for (int32_t i = 0; i < count; ++i)
            ids.push_back(pool[list[i]].m_oEvent.m_oParameter[0]);
        return ids;
    }
};

TEST_F(ScriptTreefiltersTest, EventsAreCollectedInTreeOrderOutsideElseChains)
{
    Handler(TwEventType_Init, 0);
    Handler(TwEventType_Look, 10);
    script._EndMatch();
    script._EndMatch();
    Handler(TwEventType_Look, 1);
    script._IfBool(5, 1);
    Handler(TwEventType_Activate, 2);
    script._EndMatch();
    script._ElseMatch();
    Handler(TwEventType_Look, 3);
    script._EndMatch();
    script._EndMatch();
    script._EndMatch();
    script._IfMatch(MatchExpr::Value(9));
    Handler(TwEventType_Talk, 4);
    script._EndMatch();
    script._EndMatch();

    ScriptNodeIndex list[128];
    EXPECT_EQ(Collected(list), (std::vector<int32_t> {10, 1, 2, 4}));
}

TEST_F(ScriptTreefiltersTest, PatternsBeyondTheListAreReportedAndLeftOut)
{
    for (int32_t id = 0; id < 5; ++id) {
        Handler(TwEventType_Look, id);
        script._EndMatch();
    }
    ScriptNodeIndex list[3];
    LogCapture capture;
    EXPECT_EQ(Collected(list), (std::vector<int32_t> {0, 1, 2}));
    const std::string log = capture.Take();
    size_t reports = 0;
    for (size_t at = log.find("list full!"); at != std::string::npos; at = log.find("list full!", at + 1))
        ++reports;
    EXPECT_EQ(reports, 2u);
}

} // namespace
