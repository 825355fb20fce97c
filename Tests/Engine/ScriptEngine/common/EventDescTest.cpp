#include "ScriptEngine/common/EventDesc.h"

#include "Common/IdHash.h"
#include "Common/SceneIds.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr int32_t SCRIPTABLE = ID_PARAMETER_TYPE_SCRIPTABLE;
constexpr int32_t ITEM = ID_PARAMETER_TYPE_ITEM;
constexpr int32_t INT = ID_PARAMETER_TYPE_INT;
const int32_t TAVRINE = static_cast<int32_t>(ActorIdOf("tavrine"));
constexpr int32_t ITEM_A = static_cast<int32_t>(0x808443e7u); // ITEM_DULL_PLATE
constexpr int32_t ITEM_B = static_cast<int32_t>(0x8128f29au); // ITEM_TURTLE_MAP

EventDesc Event(int type)
{
    EventDesc oEvent;
    return *BuildEvent(&oEvent, type, 0);
}

EventDesc Event(int type, int32_t t0, int32_t v0)
{
    EventDesc oEvent;
    return *BuildEvent(&oEvent, type, 1, t0, v0);
}

EventDesc Event(int type, int32_t t0, int32_t v0, int32_t t1, int32_t v1)
{
    EventDesc oEvent;
    return *BuildEvent(&oEvent, type, 2, t0, v0, t1, v1);
}

TEST(EventDescTest, PatternsMatchEventsByTypeAndParameters)
{
    struct Case {
        const char* m_pWhat;
        EventDesc m_oPattern;
        EventDesc m_oEvent;
        bool m_bMatch;
    };
    const Case aCases[] = {
        {"look without parameters, any entity", Event(1), Event(1, SCRIPTABLE, 4), true},
        {"look on 3 against look on 4", Event(1, SCRIPTABLE, 3), Event(1, SCRIPTABLE, 4), false},
        {"activate on an actor", Event(0, SCRIPTABLE, TAVRINE), Event(0, SCRIPTABLE, TAVRINE), true},
        {"other type", Event(0, SCRIPTABLE, 3), Event(1, SCRIPTABLE, 3), false},
        {"talk on the same scriptable", Event(2, SCRIPTABLE, 7), Event(2, SCRIPTABLE, 7), true},
        {"combine in the other order", Event(6, ITEM, ITEM_A, ITEM, ITEM_B), Event(6, ITEM, ITEM_B, ITEM, ITEM_A),
         true},
        {"combine with one item apart", Event(6, ITEM, ITEM_A, ITEM, ITEM_B), Event(6, ITEM, ITEM_A, ITEM, ITEM_A),
         false},
        {"combine needs two items", Event(6, ITEM, ITEM_A, INT, ITEM_B), Event(6, ITEM, ITEM_A, INT, ITEM_B), false},
        {"use without item, pattern with item", Event(3, SCRIPTABLE, 2, ITEM, ITEM_A), Event(3, SCRIPTABLE, 2), true},
        {"use with item, pattern without item", Event(3, SCRIPTABLE, 2), Event(3, SCRIPTABLE, 2, ITEM, ITEM_A), false},
        {"use with the pattern's item", Event(3, SCRIPTABLE, 2, ITEM, ITEM_A), Event(3, SCRIPTABLE, 2, ITEM, ITEM_A),
         true},
        {"use with another item", Event(3, SCRIPTABLE, 2, ITEM, ITEM_A), Event(3, SCRIPTABLE, 2, ITEM, ITEM_B), false},
        {"use on another scriptable", Event(3, SCRIPTABLE, 2, ITEM, ITEM_A), Event(3, SCRIPTABLE, 5, ITEM, ITEM_A),
         false},
        {"touch by nobody named", Event(4, SCRIPTABLE, 1, SCRIPTABLE, TAVRINE), Event(4, SCRIPTABLE, 1, SCRIPTABLE, -1),
         true},
        {"touch by the pattern's actor", Event(4, SCRIPTABLE, 1, SCRIPTABLE, TAVRINE),
         Event(4, SCRIPTABLE, 1, SCRIPTABLE, TAVRINE), true},
        {"untouch by another actor", Event(5, SCRIPTABLE, 1, SCRIPTABLE, TAVRINE),
         Event(5, SCRIPTABLE, 1, SCRIPTABLE, 9), false},
        {"touch, pattern without actor", Event(4, SCRIPTABLE, 1), Event(4, SCRIPTABLE, 1, SCRIPTABLE, TAVRINE), false},
        {"touch of another region", Event(4, SCRIPTABLE, 1), Event(4, SCRIPTABLE, 2, SCRIPTABLE, TAVRINE), false},
        {"init pattern", Event(8), Event(8), true},
        {"dialog callback equal", Event(9, INT, 12), Event(9, INT, 12), true},
        {"dialog callback apart", Event(9, INT, 12), Event(9, INT, 13), false},
        {"system pattern without integer", Event(12), Event(12, INT, 4), true},
    };
    for (const Case& oCase : aCases) {
        EXPECT_EQ(EventDesc::MatchEvent(oCase.m_oPattern, oCase.m_oEvent), oCase.m_bMatch) << oCase.m_pWhat;
    }
}

TEST(EventDescTest, APatternOfATypeWithoutRuleIsReportedAndFails)
{
    TestSupport::LogCapture capture;
    EXPECT_FALSE(EventDesc::MatchEvent(Event(7, INT, 3), Event(7, INT, 3)));
    const std::string log = capture.Take();
    EXPECT_NE(log.find("message:\nunknown event type to match !\n"), std::string::npos) << log;
}

TEST(EventDescTest, BuildEventFillsTheRecordPairByPair)
{
    EventDesc oEvent;
    std::memset(&oEvent, 0xAB, sizeof oEvent);
    BuildEvent(&oEvent, TwEventType_Init, 0);
    const int32_t aEmpty[8] = {TwEventType_Init, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(&oEvent, aEmpty, sizeof aEmpty), 0);

    BuildEvent(&oEvent, TwEventType_UseItem, 3, SCRIPTABLE, 2, ID_PARAMETER_TYPE_BOOL, 5, ITEM, ITEM_A);
    const int32_t aFull[8] = {TwEventType_UseItem, 3, SCRIPTABLE, ID_PARAMETER_TYPE_BOOL, ITEM, 2, 1, ITEM_A};
    EXPECT_EQ(std::memcmp(&oEvent, aFull, sizeof aFull), 0);
}

TEST(EventDescTest, BadParameterTypesAndExtraPairsAreReportedWithoutLeavingTheRecord)
{
    struct Guarded {
        EventDesc m_oEvent;
        int32_t m_aAfter[4];
    } oGuarded {};
    TestSupport::LogCapture capture;
    BuildEvent(&oGuarded.m_oEvent, TwEventType_Touch, 5, ID_PARAMETER_TYPE_WAYPOINT, 77, SCRIPTABLE, 1, INT, 2, INT, 3,
               INT, 4);
    const std::string log = capture.Take();
    EXPECT_NE(log.find("message:\nunkown parameter type\n"), std::string::npos) << log;
    EXPECT_NE(log.find("too many event parameters"), std::string::npos) << log;

    // The bad pair keeps its slot with no value; the pairs after it stay in step.
    const int32_t aExpected[8] = {TwEventType_Touch, 3, ID_PARAMETER_TYPE_WAYPOINT, SCRIPTABLE, INT, 0, 1, 2};
    EXPECT_EQ(std::memcmp(&oGuarded.m_oEvent, aExpected, sizeof aExpected), 0);
    for (int32_t iWord : oGuarded.m_aAfter)
        EXPECT_EQ(iWord, 0);
}

TEST(EventDescTest, TypeNamesCoverTheTableAndNothingElse)
{
    EXPECT_STREQ(EventDesc::GetTypeName(InvalidTwEventType), "Unknown");
    EXPECT_STREQ(EventDesc::GetTypeName(NB_TW_EVENT_TYPES), "Unknown");
    EXPECT_STREQ(EventDesc::GetTypeName(TwEventType_Dialog_AutoTest), "Dialog_AutoTest");
    for (int32_t iType = 0; iType < NB_TW_EVENT_TYPES; ++iType)
        EXPECT_STRNE(EventDesc::GetTypeName(iType), "Unknown") << iType;
}

} // namespace
