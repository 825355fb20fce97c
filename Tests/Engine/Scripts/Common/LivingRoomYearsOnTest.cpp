// The script of the family's living room years on (scene 21): chapter 5
// played from the sad memories through the book, the crossbow and the chest's
// blast to the blanket, each taken once; chapter 6's father carried home, the
// door refused until she has talked to him, and the wish; the entries that
// leave her where she stands and the demo's end.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int32_t LIVING_ROOM = 21;
constexpr int32_t CHILDHOOD_ROOM = 9;
constexpr int32_t STREET = 20;
constexpr int32_t FLY_PICTURE = 55;
constexpr int32_t FATHERS_CABIN = 7;
constexpr int32_t DEMO_END = 63;

using Object = NamedObject<SceneTableRows::s_aObjects_bg113_21>;

constexpr uint32_t FATHER_ACTOR = ActorIdOf("alessandro_c");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t FATHER = ActorScriptableId(FATHER_ACTOR);
constexpr int32_t DIEGO = ActorScriptableId(ActorIdOf("diego"));

constexpr uint32_t SAD_MEMORIES = 0xca7a509f;
constexpr uint32_t DIEGO_BRINGS_FATHER = 0x341ab094;
constexpr uint32_t NOT_WITHOUT_FATHER = 0xfd473033;
constexpr uint32_t USE_BOOK = 0xd42a7aa9;
constexpr uint32_t BOOK_TAKEN = 0x53e8ebd5;
constexpr uint32_t USE_CHEST = 0xcf44dd91;
constexpr uint32_t WHAT_WAS_THAT = 0x2f0ad511;
constexpr uint32_t CHEST_OPENS = 0x4d7918f4;
constexpr uint32_t BLANKET_TAKEN = 0xd470494e;
constexpr uint32_t TALK_FATHER = 0x8c7bb98b;
constexpr uint32_t THE_WISH = 0xa0d20395;
constexpr uint32_t SPIDER_AND_WEBS = 0xcd850ec4;

constexpr int32_t CHEST_CLOSED = static_cast<int32_t>(0x93b4c21e);
constexpr int32_t CHEST_OPEN = static_cast<int32_t>(0xc2c8dcfa);

class LivingRoomYearsOnTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom) { EnterInChapter(LIVING_ROOM, iChapter, iFrom); }
    int32_t Chest() const
    {
        const std::vector<int32_t> shown = Values(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, Object("o_toys_chest"));
        return shown.empty() ? 0 : shown.back();
    }
    // Whether the door's blocker is on after the last switch of it.
    bool DoorShut() const
    {
        const auto last = std::find_if(calls.rbegin(), calls.rend(), [](const std::string& call) {
            return call == "blocker 0 on" || call == "blocker 0 off";
        });
        return last != calls.rend() && *last == "blocker 0 on";
    }
};

TEST_F(LivingRoomYearsOnTest, ChapterFiveGivesTheBookTheCrossbowAndTheBlanketEachOnce)
{
    Enter(5, STREET);
    EXPECT_EQ(Dialogs(), Ids({SAD_MEMORIES}));
    EXPECT_EQ(PlacedAt(HEROINE), 9);
    EXPECT_TRUE(Get(VARBOOL_BG113_C05_EVENT_SAD_MEMORIES) && DoorShut());
    EXPECT_FALSE(Open(Object("painting")) || Visible(Object("o_flower_paint")) || Open(Object("bonitas_chair")));
    EXPECT_EQ(Chest(), CHEST_CLOSED);

    // The book leads nowhere until it is taken, then to the fly.
    Run(Click(Object("fauna_flora_book")));
    EXPECT_EQ(Dialogs(), Ids({USE_BOOK}));
    EXPECT_EQ(NextScene(), 0);
    Run(Callback(BOOK_TAKEN));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_FAUNA_FLORA_BOOK")});
    Run(Click(Object("fauna_flora_book")));
    EXPECT_EQ(NextScene(), FLY_PICTURE);

    // Back from the picture she reads on, once; then the book stays here.
    Enter(5, FLY_PICTURE);
    EXPECT_EQ(PlacedAt(HEROINE), 14);
    EXPECT_TRUE(Get(VARBOOL_QUEST_C5_SLEEPY_FLY01_DONE) && Get(VARBOOL_QUEST_C5_SLEEPY_FLY02));
    EXPECT_TRUE(Dialogs().empty());
    Run(Click(Object("fauna_flora_book")));
    EXPECT_EQ(NextScene(), 0);

    Run(Click(Object("crossbow")));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {18});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_CROSSBOW")});
    EXPECT_FALSE(Visible(Object("i_crossbow")) || Open(Object("crossbow")));

    // The chest throws her back into her childhood at once.
    Run(Click(Object("toys_chest")));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {1});
    EXPECT_EQ(Dialogs(), Ids({USE_CHEST, WHAT_WAS_THAT}));
    EXPECT_EQ(NextScene(), CHILDHOOD_ROOM);
    EXPECT_TRUE(Get(VARBOOL_BG113_C05_EVENT_WHAT_WAS_THAT));
    EXPECT_TRUE(Given().empty());

    // She wakes up here; the painting answers and the chest opens.
    Enter(5, CHILDHOOD_ROOM);
    EXPECT_EQ(PlacedAt(HEROINE), 12);
    EXPECT_TRUE(Get(VARBOOL_BG113_C05_EVENT_RETURN_SPIRIT));
    EXPECT_TRUE(Open(Object("painting")) && Visible(Object("o_flower_paint")));
    EXPECT_FALSE(Visible(Object("i_crossbow")) || Open(Object("crossbow")));
    Run(Click(Object("toys_chest")));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {16});
    EXPECT_EQ(NextScene(), 0);
    EXPECT_FALSE(Open(Object("toys_chest")));
    Run(Callback(CHEST_OPENS));
    EXPECT_EQ(Chest(), CHEST_OPEN);
    Run(Callback(BLANKET_TAKEN));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_SMALL_BLANKET")});
    EXPECT_FALSE(Visible(Object("i_small_blanket")));

    // The next visit shows the chest open and empty, and wakes her no more.
    Enter(5, CHILDHOOD_ROOM);
    EXPECT_EQ(PlacedAt(HEROINE), 2);
    EXPECT_EQ(Chest(), CHEST_OPEN);
    EXPECT_FALSE(Open(Object("toys_chest")) || Visible(Object("i_small_blanket")));
}

TEST_F(LivingRoomYearsOnTest, ChapterSixKeepsHerWithHerFatherUntilTheyHaveTalked)
{
    Set(VARBOOL_BG113_C05_EVENT_SAD_MEMORIES);
    Set(VARBOOL_BG003_C06_USE_DIEGO_ON_ALESSANDRO);
    Set(VARBOOL_BG307_C04_WISH_FATHERS_GRIEF);
    Set(VARBOOL_BG307_C04_A_WISH);
    Enter(6, STREET);
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {11});
    EXPECT_EQ(PlacedAt(HEROINE), 7);
    EXPECT_EQ(PlacedAt(FATHER), 4);
    EXPECT_EQ(Walks(DIEGO), std::vector<int32_t> {0});
    EXPECT_EQ(Dialogs(), Ids({DIEGO_BRINGS_FATHER}));
    EXPECT_TRUE(Visible(FATHER) && Open(FATHER) && Get(VARBOOL_BG113_C06_EVENT_ALESSANDRO_AT_HOME));
    EXPECT_FALSE(Visible(DIEGO));

    // The door is refused, and its blocker stays off until the next entry.
    Run(Click(Object("goto_bg112")));
    EXPECT_EQ(Dialogs(), Ids({NOT_WITHOUT_FATHER}));
    EXPECT_EQ(NextScene(), 0);
    EXPECT_FALSE(DoorShut());

    Run(ScriptEvent_FlaggedId2(FATHER_ACTOR));
    EXPECT_EQ(Dialogs(), Ids({TALK_FATHER, THE_WISH}));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_MEMORIES_DONE));
    EXPECT_FALSE(Get(VARBOOL_BG307_C04_A_WISH));
    EXPECT_EQ(NextScene(), FATHERS_CABIN);

    // From then on he lies asleep here and the door lets her out.
    Enter(6, FATHERS_CABIN);
    EXPECT_EQ(PlacedAt(FATHER), 4);
    EXPECT_TRUE(Dialogs().empty());
    Run(Click(Object("goto_bg112")));
    EXPECT_EQ(NextScene(), STREET);
}

TEST_F(LivingRoomYearsOnTest, OtherEntriesLeaveHerAtThePaintingAndTheDemoEndsAfterHerReturn)
{
    Set(VARBOOL_BG113_C05_EVENT_SAD_MEMORIES);
    for (const int32_t iFrom : {CHILDHOOD_ROOM, 0}) {
        Enter(6, iFrom);
        EXPECT_EQ(PlacedAt(HEROINE), 15) << iFrom;
    }
    Set(VARBOOL_BG994_DEMO);
    Enter(5, STREET);
    Run(Click(Object("goto_bg112")));
    EXPECT_EQ(NextScene(), STREET);
    Set(VARBOOL_BG113_C05_EVENT_RETURN_SPIRIT);
    Enter(5, STREET);
    Run(Click(Object("goto_bg112")));
    EXPECT_EQ(NextScene(), DEMO_END);

    // One remark answers the spider and each of its webs.
    Enter(5, STREET);
    for (const int32_t iThing :
         {Object("spider"), Object("web_1"), Object("web_2"), Object("web_3"), Object("web_4")}) {
        Run(ScriptEvent_Object1(iThing));
        EXPECT_EQ(Dialogs(), Ids({SPIDER_AND_WEBS})) << iThing;
    }
}

} // namespace
