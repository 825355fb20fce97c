// The event patterns of the scene scripts: the id rules of the builders, the
// Combine pair in either order, and the patterns without parameters.
#include "Scripts/Common/ScriptEvents.h"

#include "Common/IdHash.h"
#include "ScriptEngine/common/MatchExpression.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint32_t ITEM = ItemIdOf("ITEM_ROPE");
constexpr int32_t ITEM_VALUE = static_cast<int32_t>(ITEM);
constexpr int32_t SCRIPTABLE = ID_PARAMETER_TYPE_SCRIPTABLE;
constexpr int32_t ITEM_TYPE = ID_PARAMETER_TYPE_ITEM;

struct Pattern {
    TwEventType eType;
    std::vector<int32_t> types;
    std::vector<int32_t> values;
};

Pattern Read(const EventDesc& oEvent)
{
    Pattern pattern {oEvent.m_eType, {}, {}};
    for (int i = 0; i < oEvent.m_iNbParameter; ++i) {
        pattern.types.push_back(oEvent.m_iParameterType[i]);
        pattern.values.push_back(oEvent.m_oParameter[i]);
    }
    return pattern;
}

TEST(ScriptEventsTest, EachBuilderKeepsItsIdRule)
{
    struct Case {
        const char* name;
        EventDesc built;
        Pattern expected;
    } const cases[] = {
        {"look at entity 3", ScriptEvent_Object1(3), {TwEventType_Look, {SCRIPTABLE}, {3}}},
        {"look at no entity", ScriptEvent_Object1(-1), {TwEventType_Look, {SCRIPTABLE}, {-1}}},
        {"look at a flagged entity", ScriptEvent_Object1(-0x7FFFFFFD), {TwEventType_Look, {SCRIPTABLE}, {3}}},
        {"look at actor 0", ScriptEvent_FlaggedId1(0), {TwEventType_Look, {SCRIPTABLE}, {-1}}},
        {"look at an actor", ScriptEvent_FlaggedId1(0x1234u), {TwEventType_Look, {SCRIPTABLE}, {-0x7FFFEDCC}}},
        {"look at a flagged actor",
         ScriptEvent_FlaggedId1(0x80001234u),
         {TwEventType_Look, {SCRIPTABLE}, {-0x7FFFEDCC}}},
        {"talk to actor 0", ScriptEvent_FlaggedId2(0), {TwEventType_Talk, {SCRIPTABLE}, {-1}}},
        {"talk to an actor", ScriptEvent_FlaggedId2(0x1234u), {TwEventType_Talk, {SCRIPTABLE}, {-0x7FFFEDCC}}},
        {"item on entity 5",
         ScriptEvent_ItemOnObject3(5, ITEM),
         {TwEventType_UseItem, {SCRIPTABLE, ITEM_TYPE}, {5, ITEM_VALUE}}},
        {"item on no entity",
         ScriptEvent_ItemOnObject3(-1, ITEM),
         {TwEventType_UseItem, {SCRIPTABLE, ITEM_TYPE}, {-1, ITEM_VALUE}}},
        {"item on actor 0",
         ScriptEvent_ItemOnFlaggedId3(0, ITEM),
         {TwEventType_UseItem, {SCRIPTABLE, ITEM_TYPE}, {-1, ITEM_VALUE}}},
        {"item on an actor",
         ScriptEvent_ItemOnFlaggedId3(0x1234u, ITEM),
         {TwEventType_UseItem, {SCRIPTABLE, ITEM_TYPE}, {-0x7FFFEDCC, ITEM_VALUE}}},
        {"dialog callback",
         ScriptEvent_Hash9(static_cast<int32_t>(0x9E660E0Au)),
         {TwEventType_Dialog_CB, {ID_PARAMETER_TYPE_INT}, {static_cast<int32_t>(0x9E660E0Au)}}},
        {"combine",
         MatchExpr::MakeEvent6(ITEM, 7u).m_oEvent,
         {TwEventType_Combine, {ITEM_TYPE, ITEM_TYPE}, {ITEM_VALUE, 7}}},
    };
    for (const Case& c : cases) {
        const Pattern built = Read(c.built);
        EXPECT_EQ(built.eType, c.expected.eType) << c.name;
        EXPECT_EQ(built.types, c.expected.types) << c.name;
        EXPECT_EQ(built.values, c.expected.values) << c.name;
    }
}

EventDesc Combine(uint32_t a, uint32_t b)
{
    EventDesc oEvent;
    return *BuildEvent(&oEvent, TwEventType_Combine, 2, ITEM_TYPE, static_cast<int32_t>(a), ITEM_TYPE,
                       static_cast<int32_t>(b));
}

TEST(ScriptEventsTest, ACombinePatternMatchesItsPairInEitherOrderOnly)
{
    constexpr uint32_t OTHER = ItemIdOf("ITEM_IRON_STEM");
    const EventDesc pattern = MatchExpr::MakeEvent6(ITEM, OTHER).m_oEvent;
    EXPECT_TRUE(EventDesc::MatchEvent(pattern, Combine(ITEM, OTHER)));
    EXPECT_TRUE(EventDesc::MatchEvent(pattern, Combine(OTHER, ITEM)));
    EXPECT_FALSE(EventDesc::MatchEvent(pattern, Combine(ITEM, ITEM)));
    EXPECT_FALSE(EventDesc::MatchEvent(pattern, Combine(ITEM, 0)));
    EXPECT_FALSE(EventDesc::MatchEvent(pattern, Combine(OTHER, ItemIdOf("ITEM_CORK"))));
}

TEST(ScriptEventsTest, APatternWithoutParametersMatchesEveryEventOfItsType)
{
    for (const TwEventType eType : {TwEventType_BadInteract, TwEventType_System}) {
        EventDesc pattern;
        BuildEvent(&pattern, eType, 0);
        EventDesc plain;
        EventDesc withValue;
        EventDesc otherType;
        BuildEvent(&plain, eType, 0);
        BuildEvent(&withValue, eType, 1, ID_PARAMETER_TYPE_INT, 42);
        BuildEvent(&otherType, TwEventType_Look, 0);
        EXPECT_TRUE(EventDesc::MatchEvent(pattern, plain)) << eType;
        EXPECT_TRUE(EventDesc::MatchEvent(pattern, withValue)) << eType;
        EXPECT_FALSE(EventDesc::MatchEvent(pattern, otherType)) << eType;
    }
    // A companion item used on its character matches the character's pattern.
    const uint32_t kid = 0x998c3022u;
    EventDesc use;
    BuildEvent(&use, TwEventType_UseItem, 2, SCRIPTABLE, static_cast<int32_t>(kid), ITEM_TYPE,
               static_cast<int32_t>(ItemIdOf("ITEM_BOBBY_KID")));
    EXPECT_TRUE(EventDesc::MatchEvent(ScriptEvent_ItemOnFlaggedId3(kid, ItemIdOf("ITEM_BOBBY_KID")), use));
    EXPECT_FALSE(EventDesc::MatchEvent(ScriptEvent_ItemOnFlaggedId3(kid, ITEM), use));
}

} // namespace
