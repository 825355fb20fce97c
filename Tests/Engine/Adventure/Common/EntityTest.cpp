// Entities read from a scene description and driven by script actions.
#include "Adventure/Common/Entity.h"
#include "ContentBuilder/SceneFiles.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SerialStream.h"
#include "Support/FakeSceneServices.h"
#include "Support/HandMadeDds.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Texture/CoreTextureManager.h"

#include <gmock/gmock.h>

namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;

nlohmann::json Source()
{
    return nlohmann::json::parse(R"({
      "name": "test_room",
      "layers": [ { "name": "main", "size": [256, 192],
        "sprites": [
          { "name": "still", "id": 10, "entity": "lamp", "position": [0, 0], "depth": -20, "size": [8, 8],
            "colour": "#10203040", "textures": ["t"] },
          { "name": "loop", "id": 11, "entity": "lamp", "position": [0, 0], "depth": -20, "size": [8, 8],
            "frameCurve": { "length": 300, "loop": true, "keys": [[0, 0], [100, 1], [200, 2]] },
            "textures": ["t", "t", "t"] },
          { "name": "once", "id": 12, "entity": "lamp", "position": [0, 0], "depth": -20, "size": [8, 8],
            "frameCurve": { "length": 300, "keys": [[0, 0], [100, 1], [200, 2]] },
            "textures": ["t", "t", "t"] },
          { "name": "vase", "id": 13, "entity": "vase", "position": [0, 0], "depth": -20, "size": [8, 8],
            "textures": ["t"] }
        ],
        "regions": [
          { "name": "door", "entity": "door", "depth": -30, "position": [0, 0], "size": [10, 10] },
          { "name": "rug", "entity": "rug", "depth": -30, "position": [0, 0], "size": [10, 10] }
        ] } ],
      "entities": [
        { "name": "lamp", "events": ["Activate", "Talk", "Look"], "sprites": ["still", "loop", "once"],
          "colourA": "#FFFFFF80" },
        { "name": "door", "events": ["Look", "Activate"], "region": "door" },
        { "name": "rug", "region": "rug" },
        { "name": "vase", "sprites": ["vase"] },
        { "name": "nothing" },
        { "name": "twice", "events": ["Activate", "Activate", "Look"] },
        { "name": "slot_x", "saveSlot": 0 },
        { "name": "slot_1", "saveSlot": 1 }
      ]
    })");
}

ActionDesc Action(int32_t type, int32_t p0 = 0, int32_t p1 = 0)
{
    return ActionDesc {type, 0, {ID_PARAMETER_TYPE_INT, ID_PARAMETER_TYPE_INT, 0}, {p0, p1, 0}};
}

std::vector<int32_t> EventTypes(const Entity& entity)
{
    TwEventType types[Entity::s_MaxTwEventTypes];
    const int count = entity.GetEventTypes(types, Entity::s_MaxTwEventTypes);
    return std::vector<int32_t>(types, types + count);
}

uint8_t Alpha(const Sprite& sprite)
{
    return static_cast<uint8_t>(sprite.m_iColour);
}

class EntityTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        const std::vector<uint8_t> dds = TestSupport::HandMadeDds(8, 8, DDS_FOURCC_DXT1, 32);
        g_pTextureManager->CreateTexture("t", dds.data(), dds.size());
        Read(9);
    }
    void TearDown() override
    {
        m_scene.reset();
        NullRendererTest::TearDown();
    }

    // Reads the scene as the scene of that id.
    void Read(SceneId id)
    {
        m_bytes = WriteSceneDescription(Source(), nullptr, "test_room.json");
        m_scene = std::make_unique<Scene>();
        m_scene->m_iId = id;
        SerialStream stream(m_bytes.data(), m_bytes.size(), "scenes/test_room.twscene.pc");
        TestSupport::LogCapture capture;
        ASSERT_TRUE(m_scene->Initialize2D(stream)) << capture.Take();
    }
    Entity& Named(const char* name)
    {
        for (int32_t i = 0; i < m_scene->m_iNumEntities; ++i)
            if (std::string(m_scene->m_vEntities[i].GetName()) == name)
                return m_scene->m_vEntities[i];
        throw std::runtime_error(name);
    }
    Sprite& SpriteOf(const char* name) { return *m_scene->GetSpriteById(Named("lamp").m_aSpriteIds[0] + Index(name)); }
    static int32_t Index(const std::string& name) { return name == "still" ? 0 : name == "loop" ? 1 : 2; }
    // One frame: the sprites' update, then the entity's.
    void Frame(Entity& entity, uint32_t ms)
    {
        for (int32_t s = 0; s < entity.m_iNumSprite; ++s)
            entity.m_apSprites[s]->Update(ms);
        entity.Update(ms);
    }

    TestSupport::FakeSceneServices m_services;
    std::vector<uint8_t> m_bytes;
    std::unique_ptr<Scene> m_scene;
};

TEST_F(EntityTest, LookIsOfferedBeforeActivate)
{
    EXPECT_THAT(EventTypes(Named("lamp")), ElementsAre(TwEventType_Look, TwEventType_Talk, TwEventType_Activate));
    EXPECT_THAT(EventTypes(Named("door")), ElementsAre(TwEventType_Look, TwEventType_Activate));
    EXPECT_THAT(EventTypes(Named("twice")), ElementsAre(TwEventType_Activate, TwEventType_Look, TwEventType_Activate));
    // A max of 0 asks for the count only.
    EXPECT_EQ(Named("lamp").GetEventTypes(nullptr, 0), 3);
}

TEST_F(EntityTest, OnlyARegionWithoutVerbsStaysActiveAndOnlyOutsideMenuScenes)
{
    const struct {
        SceneId scene;
        const char* entity;
        bool active;
    } cases[] = {
        {9, "lamp", true},  {9, "rug", true},  {9, "vase", false}, {9, "nothing", false},
        {61, "rug", false}, {3, "rug", false}, {2, "rug", true},   {61, "door", true},
    };
    for (const auto& c : cases) {
        Read(c.scene);
        EXPECT_EQ(Named(c.entity).IsInteractive(), c.active) << c.entity << " in scene " << c.scene;
    }
}

TEST_F(EntityTest, ShowingASpriteAnimationWaitsForItsEnd)
{
    Entity& lamp = Named("lamp");
    // A looping animation is done at once.
    lamp.ExecuteAction(Action(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, 11));
    EXPECT_TRUE(lamp.IsDone());
    EXPECT_TRUE(lamp.IsIdle());
    EXPECT_EQ(lamp.m_iCurrentSprite, 1);
    EXPECT_TRUE(SpriteOf("loop").IsVisible());

    lamp.ExecuteAction(Action(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, 12));
    EXPECT_FALSE(lamp.IsDone());
    EXPECT_FALSE(SpriteOf("loop").IsVisible());
    EXPECT_FALSE(SpriteOf("loop").m_bAnimating);
    Frame(lamp, 299);
    EXPECT_FALSE(lamp.IsDone());
    Frame(lamp, 1);
    EXPECT_TRUE(lamp.IsDone());

    // A sprite of another entity keeps the current one; a still one is done.
    lamp.ExecuteAction(Action(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, 13));
    EXPECT_EQ(lamp.m_iCurrentSprite, 2);
    lamp.ExecuteAction(Action(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, 10));
    EXPECT_TRUE(lamp.IsDone());
}

TEST_F(EntityTest, TheCurrentSpriteRestartsOnlyWhenItChanges)
{
    Entity& lamp = Named("lamp");
    lamp.SetCurrentSprite(2);
    Frame(lamp, 150);
    lamp.SetCurrentSprite(2);
    EXPECT_EQ(SpriteOf("once").m_iFrameClock, 150u);
    lamp.SetCurrentSprite(-1);
    EXPECT_EQ(lamp.m_iCurrentSprite, 2);
    EXPECT_FALSE(SpriteOf("once").IsVisible());
    lamp.SetCurrentSprite(3);
    EXPECT_EQ(lamp.m_iCurrentSprite, 2);
    lamp.SetCurrentSprite(0);
    lamp.SetCurrentSprite(2);
    EXPECT_EQ(SpriteOf("once").m_iFrameClock, 0u);
    EXPECT_TRUE(SpriteOf("once").IsVisible());
}

TEST_F(EntityTest, BeforeASpriteIsPickedTheFirstOneIsTheOneOnShow)
{
    Entity& lamp = Named("lamp");
    ASSERT_EQ(lamp.m_iCurrentSprite, -1);
    ASSERT_TRUE(SpriteOf("still").IsVisible());
    lamp.ExecuteAction(Action(ID_ACTION_TYPE_SET_VISIBLE, 0));
    EXPECT_FALSE(SpriteOf("still").IsVisible());
    lamp.ExecuteAction(Action(ID_ACTION_TYPE_SET_VISIBLE, 1));
    EXPECT_TRUE(SpriteOf("still").IsVisible());
    lamp.ExecuteAction(Action(ID_ACTION_TYPE_PAUSE_ANIMATION, 1));
    EXPECT_FALSE(SpriteOf("still").m_bAnimating);

    // Switching shows one sprite only.
    lamp.SetCurrentSprite(2);
    EXPECT_FALSE(SpriteOf("still").IsVisible());
    EXPECT_TRUE(SpriteOf("once").IsVisible());
}

TEST_F(EntityTest, FadingSpritesFollowTheirClock)
{
    Entity& lamp = Named("lamp");
    lamp.SetVisible(0);
    lamp.ExecuteAction(Action(ID_ACTION_TYPE_FADE_SPRITES, 1000, 1));
    EXPECT_TRUE(lamp.IsDone());
    EXPECT_TRUE(lamp.IsVisible());
    const Sprite& still = SpriteOf("still");
    EXPECT_EQ(Alpha(still), 0);
    Frame(lamp, 500);
    EXPECT_EQ(Alpha(still), 127);
    Frame(lamp, 500);
    EXPECT_EQ(Alpha(still), 255);
    EXPECT_FALSE(still.m_bFading);

    lamp.ExecuteAction(Action(ID_ACTION_TYPE_FADE_SPRITES, 1000, 0));
    EXPECT_EQ(Alpha(still), 255);
    Frame(lamp, 250);
    EXPECT_EQ(Alpha(still), 255 - 63);

    // A fade without duration ends at once on its last alpha.
    TestSupport::LogCapture capture;
    lamp.ExecuteAction(Action(ID_ACTION_TYPE_FADE_SPRITES, 0, 0));
    EXPECT_EQ(capture.Take(), "");
    EXPECT_EQ(Alpha(still), 0);
    EXPECT_FALSE(still.m_bFading);
}

TEST_F(EntityTest, ColourVisibilityAndPauseActions)
{
    Entity& lamp = Named("lamp");
    lamp.SetCurrentSprite(1);
    Sprite& loop = SpriteOf("loop");

    lamp.ExecuteAction(Action(ID_ACTION_TYPE_PAUSE_ANIMATION, 1));
    EXPECT_FALSE(loop.m_bAnimating);
    EXPECT_TRUE(lamp.IsAnimationPaused());
    lamp.ExecuteAction(Action(ID_ACTION_TYPE_SET_VISIBLE, 0));
    EXPECT_FALSE(loop.IsVisible());
    EXPECT_FALSE(lamp.IsVisible());
    lamp.ExecuteAction(Action(ID_ACTION_TYPE_SET_VISIBLE, 1));
    EXPECT_TRUE(loop.IsVisible());
    EXPECT_FALSE(loop.m_bAnimating);
    lamp.ExecuteAction(Action(ID_ACTION_TYPE_PAUSE_ANIMATION, 0));
    EXPECT_TRUE(loop.m_bAnimating);

    lamp.ExecuteAction(Action(ID_ACTION_TYPE_SET_COLOR, static_cast<int32_t>(0x11223344)));
    EXPECT_EQ(SpriteOf("still").m_iColour, 0x11223344u);
    EXPECT_EQ(SpriteOf("once").m_iColour, 0x11223344u);
    lamp.ExecuteAction(Action(ID_ACTION_TYPE_SET_ALPHA, 0x1AB));
    EXPECT_EQ(SpriteOf("once").m_iColour, 0x112233ABu);
    EXPECT_EQ(lamp.m_uColourA, 0xFFFFFFABu);
    EXPECT_TRUE(lamp.IsDone());

    lamp.SetObjectsFlag(1);
    EXPECT_TRUE(SpriteOf("still").m_bHighlighted);
    Named("door").SetObjectsFlag(1);
    EXPECT_TRUE(Named("door").m_pRegion->m_bHighlighted);
}

TEST_F(EntityTest, SlotLabels)
{
    EXPECT_STREQ(Named("slot_x").GetSlotLabel(), "Slot XX");
    EXPECT_STREQ(Named("slot_1").GetSlotLabel(), "Chapter 1");
    EXPECT_EQ(Named("lamp").GetSlotLabel(), nullptr);
    Entity& slot = Named("slot_1");
    slot.m_iSaveSlotNumber = 7;
    EXPECT_EQ(slot.GetSlotLabel(), nullptr);
}

} // namespace
