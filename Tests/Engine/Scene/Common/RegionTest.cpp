#include "Adventure/Common/Scriptable.h"
#include "Scene/Common/Layer.h"
#include "Scene/Common/SceneEventSink.h"
#include "Support/LogCapture.h"

#include <gmock/gmock.h>

#include <deque>
#include <vector>

namespace {

using testing::HasSubstr;
using TestSupport::LogCapture;

constexpr fx32 FX = FX32_ONE;

class NamedScriptable : public Scriptable {
public:
    NamedScriptable(const char* name, int32_t id) : m_sName(name) { SetId(id); }
    const char* GetName() const override { return m_sName; }

private:
    const char* m_sName;
};

class RecordingSink : public SceneEventSink {
public:
    RecordingSink() { SetSceneEventSink(this); }
    ~RecordingSink() override { SetSceneEventSink(nullptr); }
    bool FireEvent(const EventDesc& oEvent) override
    {
        m_vEvents.push_back(oEvent);
        return m_bAccept;
    }

    std::vector<EventDesc> m_vEvents;
    bool m_bAccept = true;
};

// A right triangle (0,0), (20,0), (0,20) in its box, wound as the files
// store them.
Region MakeRegion(Scriptable* entity)
{
    Region region;
    region.m_oBox = {0, 0, 20 * FX, 20 * FX};
    region.m_vTriangles = {{0, 0, 20, 0, 0, 20}};
    region.m_iNbTriangles = 1;
    region.m_pScriptable = entity;
    return region;
}

TEST(RegionTest, PointsOnTriangleEdgesAreInsideAndTheBoxAloneIsNot)
{
    const Region region = MakeRegion(nullptr);
    const struct {
        fx32 x;
        fx32 y;
        bool inside;
    } cases[] = {
        {0, 0, true},
        {10 * FX, 0, true},
        {10 * FX, 10 * FX, true},
        {5 * FX, 5 * FX, true},
        // Whole units: 10.9 and 9.5 are 10 and 9.
        {10 * FX + 3700, 9 * FX + 2048, true},
        {11 * FX, 10 * FX, false},
        {20 * FX, 20 * FX, false},
        {21 * FX, 0, false},
        {-1, 0, false},
    };
    for (const auto& row : cases)
        EXPECT_EQ(region.Contains(row.x, row.y, 16 * FX), row.inside)
            << row.x / double(FX) << ", " << row.y / double(FX);

    Region reversed = MakeRegion(nullptr);
    reversed.m_vTriangles = {{0, 0, 0, 20, 20, 0}};
    Region empty = MakeRegion(nullptr);
    empty.m_vTriangles.clear();
    empty.m_iNbTriangles = 0;
    for (const auto& row : cases) {
        EXPECT_FALSE(reversed.Contains(row.x, row.y, 0));
        EXPECT_FALSE(empty.Contains(row.x, row.y, 0));
    }

    // Far points are compared without overflow.
    Region huge = MakeRegion(nullptr);
    huge.m_oBox = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    huge.m_vTriangles = {{-32768, -32768, 32767, -32768, -32768, 32767}};
    EXPECT_TRUE(huge.Contains(-32768 * FX, -32768 * FX, 0));
    EXPECT_FALSE(huge.Contains(INT32_MIN, INT32_MIN, 0));
    EXPECT_FALSE(huge.Contains(INT32_MAX, INT32_MAX, 0));
    EXPECT_EQ(huge.GetDirection(), DIR_NONE);
    EXPECT_TRUE(huge.IsVisible());
}

class RegionTouchTest : public testing::Test {
protected:
    TouchScene Scene(std::vector<TouchCharacter>& characters, fx32 scroll = 0)
    {
        TouchScene scene;
        scene.m_sName = "bg101";
        scene.m_iScrollX = scroll;
        scene.m_pCharacters = characters.data();
        scene.m_iNbCharacters = static_cast<uint32_t>(characters.size());
        return scene;
    }

    std::string Update(Region& region, const TouchScene& scene)
    {
        LogCapture capture;
        region.Update(16);
        region.UpdateTouches(scene);
        return capture.Take();
    }

    RecordingSink m_sink;
    NamedScriptable m_door {"door", 3};
    NamedScriptable m_hero {"hero", static_cast<int32_t>(0x80001234u)};
    NamedScriptable m_friend {"friend", static_cast<int32_t>(0x80005678u)};
};

TEST_F(RegionTouchTest, TouchAndUnTouchFireOncePerEntryAndExit)
{
    Region region = MakeRegion(&m_door);
    std::vector<TouchCharacter> characters = {{&m_hero, 30 * FX, 5 * FX}};
    const TouchScene scene = Scene(characters);
    const fx32 path[] = {30 * FX, 5 * FX, 6 * FX, 5 * FX, 40 * FX, 40 * FX};
    std::string log;
    for (fx32 x : path) {
        characters[0].m_iScreenX = x;
        log += Update(region, scene);
    }
    ASSERT_EQ(m_sink.m_vEvents.size(), 2u);
    const EventDesc& touch = m_sink.m_vEvents[0];
    EXPECT_EQ(touch.m_eType, TwEventType_Touch);
    EXPECT_EQ(touch.m_iNbParameter, 2);
    EXPECT_EQ(touch.m_iParameterType[0], ID_PARAMETER_TYPE_SCRIPTABLE);
    EXPECT_EQ(touch.m_oParameter[0], 3);
    EXPECT_EQ(touch.m_iParameterType[1], ID_PARAMETER_TYPE_SCRIPTABLE);
    EXPECT_EQ(touch.m_oParameter[1], static_cast<int32_t>(0x80001234u));
    EXPECT_EQ(m_sink.m_vEvents[1].m_eType, TwEventType_UnTouch);
    EXPECT_EQ(m_sink.m_vEvents[1].m_oParameter[1], touch.m_oParameter[1]);
    EXPECT_EQ(log, "GAME[00h:00m:00s]:Event \"Touch\" actor \"hero\" on \"bg101:door[3]\" [executed:1]\n"
                   "GAME[00h:00m:00s]:Event \"Untouch\" actor \"hero\" on \"bg101:door[3]\" [executed:1]\n");
    EXPECT_EQ(region.m_vTouchingActors[MAX_ACTORS - 1], nullptr);
}

TEST_F(RegionTouchTest, OverlappingRegionsOfALayerEachFireTheirOwnTouch)
{
    NamedScriptable rug("rug", 4);
    Layer layer;
    layer.m_iNbRegions = 2;
    layer.m_vRegions = std::make_unique<Region[]>(2);
    layer.m_vRegions[0] = MakeRegion(&m_door);
    layer.m_vRegions[1] = MakeRegion(&rug);
    std::vector<TouchCharacter> characters = {{&m_hero, 2 * FX, 2 * FX}};
    {
        LogCapture capture;
        layer.Update(16, Scene(characters));
    }
    ASSERT_EQ(m_sink.m_vEvents.size(), 2u);
    EXPECT_EQ(m_sink.m_vEvents[0].m_oParameter[0], 3);
    EXPECT_EQ(m_sink.m_vEvents[1].m_oParameter[0], 4);
    layer.Release();
    EXPECT_EQ(layer.m_iNbRegions, 0);
}

TEST_F(RegionTouchTest, RegionWithoutEntityTracksNothing)
{
    Region region = MakeRegion(nullptr);
    std::vector<TouchCharacter> characters = {{&m_hero, 2 * FX, 2 * FX}};
    EXPECT_EQ(Update(region, Scene(characters)), "");
    EXPECT_TRUE(m_sink.m_vEvents.empty());
    for (Scriptable* actor : region.m_vTouchingActors)
        EXPECT_EQ(actor, nullptr);
}

TEST_F(RegionTouchTest, InactiveEntityKeepsItsSlotsWithoutFiring)
{
    Region region = MakeRegion(&m_door);
    std::vector<TouchCharacter> characters = {{&m_hero, 2 * FX, 2 * FX}};
    const TouchScene scene = Scene(characters);
    m_door.DoSetActive(0);
    Update(region, scene);
    EXPECT_TRUE(m_sink.m_vEvents.empty());
    EXPECT_EQ(region.m_vTouchingActors[MAX_ACTORS - 1], &m_hero);

    // Already inside when it becomes active: no Touch; leaving: UnTouch.
    m_door.DoSetActive(1);
    Update(region, scene);
    EXPECT_TRUE(m_sink.m_vEvents.empty());
    characters[0].m_iScreenY = 50 * FX;
    Update(region, scene);
    ASSERT_EQ(m_sink.m_vEvents.size(), 1u);
    EXPECT_EQ(m_sink.m_vEvents[0].m_eType, TwEventType_UnTouch);
}

TEST_F(RegionTouchTest, RefusedEventIsLostButTheSlotFollows)
{
    Region region = MakeRegion(&m_door);
    std::vector<TouchCharacter> characters = {{&m_hero, 2 * FX, 2 * FX}};
    m_sink.m_bAccept = false;
    EXPECT_EQ(Update(region, Scene(characters)), "");
    EXPECT_EQ(Update(region, Scene(characters)), "");
    EXPECT_EQ(m_sink.m_vEvents.size(), 1u);
    EXPECT_EQ(region.m_vTouchingActors[MAX_ACTORS - 1], &m_hero);
}

TEST_F(RegionTouchTest, FeetAreTakenWithTheScrollOfTheLayers)
{
    Region region = MakeRegion(&m_door);
    region.m_oBox = {100 * FX, 0, 120 * FX, 20 * FX};
    region.m_vTriangles = {{100, 0, 120, 0, 100, 20}};
    std::vector<TouchCharacter> characters = {{&m_hero, 5 * FX, 5 * FX}};
    Update(region, Scene(characters));
    EXPECT_TRUE(m_sink.m_vEvents.empty());
    Update(region, Scene(characters, 100 * FX));
    EXPECT_EQ(m_sink.m_vEvents.size(), 1u);
}

TEST_F(RegionTouchTest, ActorWhoseCharacterLeftTheSceneLeavesTheRegion)
{
    Region region = MakeRegion(&m_door);
    std::vector<TouchCharacter> characters = {{&m_friend, 1 * FX, 1 * FX}, {&m_hero, 2 * FX, 2 * FX}};
    Update(region, Scene(characters));
    characters.erase(characters.begin());
    Update(region, Scene(characters));
    ASSERT_EQ(m_sink.m_vEvents.size(), 3u);
    EXPECT_EQ(m_sink.m_vEvents[2].m_eType, TwEventType_UnTouch);
    EXPECT_EQ(m_sink.m_vEvents[2].m_oParameter[1], m_friend.GetId());
}

TEST_F(RegionTouchTest, SixthCharacterFindsNoRoomAndNothingIsWrittenOutside)
{
    Region region = MakeRegion(&m_door);
    std::deque<NamedScriptable> actors;
    std::vector<TouchCharacter> characters;
    for (uint32_t i = 0; i <= MAX_ACTORS; ++i) {
        actors.emplace_back("walker", static_cast<int32_t>(0x80000000u | i));
        characters.push_back({&actors.back(), 2 * FX, 2 * FX});
    }
    const std::string log = Update(region, Scene(characters));
    EXPECT_THAT(log, HasSubstr("condition: key!=u32(~0)"));
    EXPECT_THAT(log, HasSubstr("no more room in touchingActorsArray, increase array size"));
    ASSERT_EQ(m_sink.m_vEvents.size(), MAX_ACTORS);
    // The last empty slot takes each newcomer.
    for (uint32_t s = 0; s < MAX_ACTORS; ++s)
        EXPECT_EQ(region.m_vTouchingActors[s], &actors[MAX_ACTORS - 1 - s]);
}

TEST(SceneEventSinkTest, WithoutScriptManagerEventsAreLoggedAndRefused)
{
    EventDesc event = EventDesc::MakeEmpty();
    event.m_eType = TwEventType_Touch;
    bool accepted = true;
    LogCapture capture;
    accepted = GetSceneEventSink().FireEvent(event);
    const std::string log = capture.Take();
    EXPECT_FALSE(accepted);
    EXPECT_EQ(log, "SceneEventSink -- no script manager: event \"Touch\" dropped\n");
}

} // namespace
