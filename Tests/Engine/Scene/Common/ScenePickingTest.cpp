// What lies under the pointer: the nearest usable sprite, region or
// character, and the action a chosen verb fires at it.
#include "Adventure/Common/Scriptable.h"
#include "Scene/Common/Scene.h"
#include "Support/HandMadeScene.h"
#include "Support/LogCapture.h"
#include "Support/RecordingEventSink.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TestSupport::AddFakeCharacter;
using TestSupport::BuildMainLayer;
using TestSupport::FakeCastMember;
using TestSupport::HandMadeRegion;
using TestSupport::HandMadeSprite;

constexpr fx32 FX = FX32_ONE;

SceneRect Box(int x0, int y0, int x1, int y1)
{
    return {x0 * FX, y0 * FX, x1 * FX, y1 * FX};
}

class NamedScriptable final : public Scriptable {
public:
    NamedScriptable(const char* name, int32_t id) : m_sName(name) { SetId(id); }
    const char* GetName() const override { return m_sName; }

private:
    const char* m_sName;
};

class ScenePickingTest : public testing::Test {
protected:
    void SetUp() override
    {
        // Two sprites and two regions over the same spot.
        BuildMainLayer(
            m_scene, 400 * FX,
            {HandMadeSprite {-10 * FX, Box(0, 0, 100, 100)}, HandMadeSprite {-10 * FX, Box(0, 0, 100, 100)}},
            {HandMadeRegion {-10 * FX, Box(0, 0, 100, 100)}, HandMadeRegion {-10 * FX, Box(0, 0, 100, 100)}});
        Layer& layer = m_scene.m_vLayers[0];
        for (int i = 0; i < 2; ++i) {
            layer.m_vSprites[i].m_pScriptable = &m_entity;
            layer.m_vRegions[i].m_pScriptable = &m_entity;
        }
    }

    Sprite& SpriteAt(int i) { return m_scene.m_vLayers[0].m_vSprites[i]; }
    Region& RegionAt(int i) { return m_scene.m_vLayers[0].m_vRegions[i]; }
    SceneObject* Pick() { return m_scene.PickObjectAt(50 * FX, 50 * FX); }

    NamedScriptable m_entity {"jug", 3};
    Scene m_scene;
};

TEST_F(ScenePickingTest, ASpriteWinsOverARegionOfItsDepthAndANearerRegionWinsOverIt)
{
    // The first of two sprites of equal depth.
    EXPECT_EQ(Pick(), &SpriteAt(0));
    SpriteAt(1).m_iDepth = -9 * FX;
    EXPECT_EQ(Pick(), &SpriteAt(1));
    // A nearer region; the last of two of equal depth.
    RegionAt(0).m_iDepth = -5 * FX;
    RegionAt(1).m_iDepth = -5 * FX;
    EXPECT_EQ(Pick(), &RegionAt(1));
    // Elsewhere nothing; and the point moves with the scroll.
    EXPECT_EQ(m_scene.PickObjectAt(150 * FX, 50 * FX), nullptr);
    m_scene.m_fScroll = 100 * FX;
    EXPECT_EQ(m_scene.PickObjectAt(-50 * FX, 50 * FX), &RegionAt(1));
}

TEST_F(ScenePickingTest, HiddenObjectsAndOnesThePlayerMayNotUseAreNotPicked)
{
    SpriteAt(0).m_bVisible = 0;
    EXPECT_EQ(Pick(), &SpriteAt(1));
    SpriteAt(1).m_pScriptable = nullptr;
    EXPECT_EQ(Pick(), &RegionAt(1));
    // A hidden entity's regions are not picked; an inactive one's nothing.
    m_entity.SetVisible(0);
    EXPECT_EQ(Pick(), nullptr);
    m_entity.SetVisible(1);
    m_entity.DoSetActive(0);
    EXPECT_EQ(Pick(), nullptr);
}

TEST_F(ScenePickingTest, ANearerCharacterWithARegisteredActorStandsInFront)
{
    FakeCastMember& sailor = AddFakeCharacter(m_scene, 0x80000002u, -20 * FX);
    sailor.m_oBox = Box(40, 40, 60, 60);
    sailor.m_pScriptable = &m_entity;
    EXPECT_EQ(Pick(), &SpriteAt(0));
    sailor.m_iDepth = -8 * FX;
    // Without an actor in the scene's registry it is not picked.
    EXPECT_EQ(Pick(), &SpriteAt(0));
    m_scene.m_apActors[0] = std::make_unique<Scriptable>();
    EXPECT_EQ(Pick(), &sailor);
    // The active character is never picked.
    m_scene.SetActiveCharacter(0x80000002u);
    EXPECT_EQ(Pick(), &SpriteAt(0));
}

TEST_F(ScenePickingTest, OfTwoCharactersUnderThePointerTheOneNearerTheEyeIsPicked)
{
    // Both in front of the sprites; on the screen a smaller projected depth
    // is nearer.
    for (const bool firstInFront : {true, false}) {
        Scene scene;
        BuildMainLayer(scene, 400 * FX, {HandMadeSprite {-10 * FX, Box(0, 0, 100, 100)}}, {});
        FakeCastMember& first = AddFakeCharacter(scene, 0x80000002u, -5 * FX);
        FakeCastMember& second = AddFakeCharacter(scene, 0x80000003u, -5 * FX);
        for (FakeCastMember* character : {&first, &second}) {
            character->m_oBox = Box(40, 40, 60, 60);
            character->m_pScriptable = &m_entity;
        }
        first.m_vScreen.z = firstInFront ? FX / 4 : FX / 2;
        second.m_vScreen.z = firstInFront ? FX / 2 : FX / 4;
        scene.m_apActors[0] = std::make_unique<Scriptable>();
        scene.m_apActors[1] = std::make_unique<Scriptable>();
        EXPECT_EQ(scene.PickObjectAt(50 * FX, 50 * FX), firstInFront ? &first : &second);
    }
}

TEST_F(ScenePickingTest, AChosenVerbFiresItsEventAtTheHoveredObjectAndIsLogged)
{
    TestSupport::RecordingEventSink sink;
    m_scene.m_iId = 9;
    struct Case {
        int32_t verb;
        TwEventType type;
        const char* name;
    };
    const Case cases[] = {{CURSOR_LOOK, TwEventType_Look, "Look"},
                          {CURSOR_TALK, TwEventType_Talk, "Talk"},
                          {CURSOR_ACTIVATE, TwEventType_Activate, "Activate"},
                          {CURSOR_HOTSPOT, TwEventType_Activate, "Activate"}};
    for (const Case& c : cases) {
        sink.m_events.clear();
        m_scene.m_oCursor.SetMode(c.verb);
        m_scene.m_pHoveredObject = &SpriteAt(0);
        TestSupport::LogCapture capture;
        m_scene.FireHoveredAction();
        ASSERT_EQ(sink.m_events.size(), 1u) << c.name;
        EXPECT_EQ(sink.m_events[0].m_eType, c.type);
        EXPECT_EQ(sink.m_events[0].m_oParameter[0], 3);
        EXPECT_EQ(capture.Take(), std::string("GAME[00h:00m:00s]:Action \"") + c.name +
                                      "\" on \"bg101_BO_CastilloLivingRoom:jug[3]\" [executed:1]\n");
        EXPECT_EQ(m_scene.m_pHoveredObject, nullptr);
    }
    // The scene's name comes from the scene table. A refused event is logged
    // all the same; nothing hovered fires nothing.
    sink.m_bAccept = false;
    m_scene.m_pHoveredObject = &RegionAt(0);
    EXPECT_EQ(TestSupport::LogOf([&] { m_scene.FireHoveredAction(); }),
              "GAME[00h:00m:00s]:Action \"Activate\" on \"bg101_BO_CastilloLivingRoom:jug[3]\" [executed:0]\n");
    sink.m_events.clear();
    m_scene.FireHoveredAction();
    EXPECT_TRUE(sink.m_events.empty());
}

} // namespace
