// The living room under the player's hand: clicks on its hotspot, its verb
// menu and its ground, with injected input, and the events the scene posts.
#include "Adventure/Common/Entity.h"
#include "Engine/Managers/Common/ScriptManagerTestKit.h"
#include "Managers/Common/ResourceManager.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneInputLink.h"
#include "Scene/Common/SceneInterfaceLink.h"
#include "Support/FakeSceneServices.h"
#include "Support/LogCapture.h"
#include "Input/KeyCodes.h"
#include "Support/MainHeap.h"
#include "Support/NullRendererTest.h"
#include "Support/ScopedInputSystem.h"
#include "Support/TestPaths.h"

#include <gmock/gmock.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using testing::HasSubstr;
using testing::Not;

constexpr SceneId LIVING_ROOM = 9;
constexpr int32_t LOOKED_AT_JUG = 602;
constexpr fx32 FX = FX32_ONE;

int32_t ObjectId(const char* name)
{
    return SceneObjectId(LIVING_ROOM, name);
}

// The talk screen, menu and inventory as far as the scene's input sees them.
class FakeInputLink final : public SceneInputLink {
public:
    FakeInputLink() { SetSceneInputLink(this); }
    ~FakeInputLink() override { SetSceneInputLink(nullptr); }
    bool IsTalkScreenActive() override { return m_bTalking; }
    bool IsDialogRunning() override { return false; }
    bool DialogOffersChoices() override { return false; }
    void SetCaption(const char* pText) override { m_caption = pText ? pText : ""; }
    void HideCaption() override { m_caption.clear(); }
    void SetMenuTab(int32_t iTab) override { m_iTab = iTab; }
    int32_t GetSelectedItem() override { return m_iItem; }
    const char* GetItemName(int32_t) override { return "key"; }
    uint32_t GetItemId(int32_t iItem) override { return iItem == m_iItem ? 0x8E740AEAu : 0u; }
    void ClearItemSelection() override { m_iItem = -1; }
    const char* GetText(uint32_t uTextId) override { return uTextId == 0xDA5CF25u ? "on" : nullptr; }

    std::string m_caption;
    int32_t m_iTab = -99;
    int32_t m_iItem = -1;
    bool m_bTalking = false;
};

// A game that is busy, or not, and has nothing else to update or draw.
class BusyGame final : public SceneInterfaceLink {
public:
    BusyGame() { SetSceneInterfaceLink(this); }
    ~BusyGame() override { SetSceneInterfaceLink(nullptr); }
    void UpdateMenu(uint32_t) override { }
    void UpdateTalkScreen(uint32_t) override { }
    void DrawTalkScreen() override { }
    void DrawMenuPanel() override { }
    void DrawMenuBars() override { }
    CoreTexture* GetHeldItemIcon() override { return nullptr; }
    bool IsBusy() override { return m_bBusy; }
    Tw::TextRenderer* GetMainTextRenderer() override { return nullptr; }
    Tw::TextRenderer* GetSmallTextRenderer() override { return nullptr; }

    bool m_bBusy = false;
};

// A hotspot offering the event types a test gives it, with a name that fills
// its field without a terminator.
class TestHotspot final : public Scriptable {
public:
    const char* GetName() const override { return m_aName; }
    int GetEventTypes(TwEventType* pTypes, int iMax) const override
    {
        int count = 0;
        for (TwEventType type : m_types)
            if (count < iMax)
                pTypes[count++] = type;
        return count;
    }

    std::vector<TwEventType> m_types;
    char m_aName[16];
    char m_aAfter[8];
};

class SceneInputTest : public ScriptManagerTest {
protected:
    SceneInputTest()
    {
        TestSupport::EnsureMainHeap();
        ResourceManager::CreateSingleton();
        TestScripts::For(LIVING_ROOM) = [](TestSceneScript& script) {
            script.m_events = [](TestSceneScript& s) {
                s._IfEvent(MakeEvent(TwEventType_Look, ObjectId("water_jug")));
                s.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(LOOKED_AT_JUG),
                             Param::Bool(true));
                s._EndMatch();
            };
        };
    }
    ~SceneInputTest() override
    {
        if (m_scene)
            m_scene->Shutdown();
        m_scene.reset();
        ResourceManager::DestroySingleton();
    }

    void Load()
    {
        m_input.Devices().SetClientSize(1280, 720);
        ASSERT_TRUE(m_renderer.IsReady());
        TestSupport::ScopedWorkingDirectory data(TestSupport::DataDir());
        m_scene = std::make_unique<Scene>();
        ASSERT_TRUE(m_scene->Initialize(LIVING_ROOM));
        m_scene->LoadActorSet("default");
        ASSERT_EQ(m_scene->m_iNumCharacters, 1);
        m_scene->SetActiveCharacter(m_scene->m_aCharacterIds[0]);
        StartScene(LIVING_ROOM);
        // The script manager's posts reach the scene.
        scene.m_onPost = [this](int32_t iCode, int32_t iParameter) {
            SceneEventParams params;
            params.m_iTab = iParameter;
            m_scene->PostEvent(iCode, params);
        };
        while (manager.IsBusy())
            manager.Update(16);
    }
    // The pointer at a point of the virtual 256 x 192 screen, in the 4:3
    // area of a 1280 x 720 window.
    void PointAt(int32_t x, int32_t y) { m_input.Devices().SetPointer(160 + x * 15 / 4, y * 15 / 4); }
    void SetButton(bool down) { m_input.Devices().SetMouseButton(0, down); }
    // One frame of input and scene with the pointer at a virtual point.
    void Frame(int32_t x, int32_t y, bool down, uint32_t dtMs = 16)
    {
        PointAt(x, y);
        SetButton(down);
        m_input.Frame();
        m_scene->Update(dtMs);
    }
    void Click(int32_t x, int32_t y)
    {
        Frame(x, y, false);
        Frame(x, y, true, 0);
        Frame(x, y, false, 0);
    }
    TestSupport::FakeCastMember& Heroine()
    {
        return static_cast<TestSupport::FakeCastMember&>(*m_scene->m_apCharacters[0]);
    }
    Sprite& Jug() { return m_scene->m_vLayers[m_scene->m_iMainLayerIndex].m_vSprites[1]; }

    TestSupport::ScopedNullRenderer m_renderer;
    TestSupport::FakeSceneServices m_services {&manager};
    TestSupport::FakeSceneCast m_cast;
    ManagerSink m_sink {manager};
    FakeInputLink m_link;
    BusyGame m_game;
    TestSupport::ScopedInputSystem m_input;
    std::unique_ptr<Scene> m_scene;
};

TEST_F(SceneInputTest, ClickingTheJugAndChoosingLookFiresLookIntoTheScripts)
{
    Load();
    ASSERT_EQ(m_scene->m_iInputState, INPUT_STATE_IDLE);
    Frame(180, 100, false);
    EXPECT_EQ(m_scene->m_oCursor.GetMode(), CURSOR_HOTSPOT);
    Click(180, 100);
    ASSERT_TRUE(m_scene->m_bVerbMenuOpen);
    EXPECT_EQ(m_scene->m_oCursor.m_aSlots[0].m_iVerb, CURSOR_LOOK);
    EXPECT_EQ(m_scene->m_oCursor.m_aSlots[1].m_iVerb, CURSOR_ACTIVATE);

    // The Look icon stands right of and above the jug's marker.
    const CoreFxVec2 look = m_scene->m_oCursor.GetVerbPlace(0);
    TestSupport::LogCapture capture;
    Click(look.x / FX, look.y / FX);
    const std::string log = capture.Take();
    EXPECT_THAT(log, HasSubstr("Action \"Look\" on \"bg101_BO_CastilloLivingRoom:water_jug[" +
                               std::to_string(ObjectId("water_jug")) + "]\" [executed:1]"));
    EXPECT_FALSE(m_scene->m_bVerbMenuOpen);
    manager.Update(16);
    EXPECT_EQ(g_VarManager.GetBool(LOOKED_AT_JUG), 1);
}

TEST_F(SceneInputTest, APressFarFromALargeHotspotsMarkerOpensItsMenuWhereThePressLanded)
{
    Load();
    // The jug grown over most of the screen in front of all, its marker
    // where it was.
    Sprite& jug = Jug();
    jug.m_oPosition = {60 * FX, 10 * FX};
    jug.m_oSize = {190 * FX, 175 * FX};
    jug.m_oScale = {FX, FX};
    jug.m_oPivot = {};
    jug.ComputeBoundingBox();
    jug.m_iDepth = 1000 * FX;
    const CoreFxVec marker = jug.m_oPulse.m_oPosition;
    const int32_t farX = marker.x / FX > 150 ? 70 : 240;
    ASSERT_EQ(m_scene->PickObjectAt(farX * FX, 180 * FX), &jug);

    // Near the marker the menu opens there.
    Click(marker.x / FX + 30, marker.y / FX + 30);
    ASSERT_TRUE(m_scene->m_bVerbMenuOpen);
    EXPECT_EQ(m_scene->m_oCursor.m_vVerbPosition.x, marker.x);
    EXPECT_EQ(m_scene->m_oCursor.m_vVerbPosition.y, marker.y);
    Frame(5, 5, false);
    ASSERT_FALSE(m_scene->m_bVerbMenuOpen);

    // Far from it, the menu opens at the press and stays while the pointer
    // goes from there to the Look icon, a unit a frame.
    Click(farX, 180);
    ASSERT_TRUE(m_scene->m_bVerbMenuOpen);
    EXPECT_EQ(m_scene->m_oCursor.m_vVerbPosition.x, m_scene->m_oCursor.m_vPosition.x);
    EXPECT_EQ(m_scene->m_oCursor.m_vVerbPosition.y, m_scene->m_oCursor.m_vPosition.y);
    const CoreFxVec2 look = m_scene->m_oCursor.GetVerbPlace(0);
    int32_t x = farX;
    int32_t y = 180;
    while (x != look.x / FX || y != look.y / FX) {
        x += (x < look.x / FX) - (x > look.x / FX);
        y += (y < look.y / FX) - (y > look.y / FX);
        Frame(x, y, false);
        ASSERT_TRUE(m_scene->m_bVerbMenuOpen) << x << ", " << y;
    }
    TestSupport::LogCapture capture;
    Click(x, y);
    EXPECT_THAT(capture.Take(), HasSubstr("Action \"Look\" on \"bg101_BO_CastilloLivingRoom:water_jug["));
    manager.Update(16);
    EXPECT_EQ(g_VarManager.GetBool(LOOKED_AT_JUG), 1);
}

TEST_F(SceneInputTest, AQuickClickFromOneMenuToAnotherObjectActsOnTheObjectClicked)
{
    Load();
    // A second object in front, far from the jug.
    TestHotspot chest;
    chest.SetId(ObjectId("toys_chest"));
    chest.m_types = {TwEventType_Look, TwEventType_Activate};
    std::memcpy(chest.m_aName, "second_hotspot16", sizeof chest.m_aName);
    Sprite& sprite = m_scene->m_vLayers[m_scene->m_iMainLayerIndex].m_vSprites[0];
    ASSERT_NE(&sprite, &Jug());
    Scriptable* const kept = sprite.m_pScriptable;
    sprite.m_oBox = {20 * FX, 120 * FX, 60 * FX, 170 * FX};
    sprite.m_iDepth = Jug().m_iDepth - 1;
    sprite.m_pScriptable = &chest;
    sprite.m_oPulse.m_oPosition = {40 * FX, 150 * FX, 0};
    ASSERT_EQ(m_scene->PickObjectAt(40 * FX, 150 * FX), &sprite);

    Click(180, 100);
    ASSERT_TRUE(m_scene->m_bVerbMenuOpen);
    // A quick player's click: the pointer leaves the jug's menu, closing it,
    // in the frame of the press that opens the other object's menu.
    Frame(40, 150, true, 0);
    Frame(40, 150, false, 0);
    ASSERT_TRUE(m_scene->m_bVerbMenuOpen);
    const CoreFxVec2 look = m_scene->m_oCursor.GetVerbPlace(0);
    TestSupport::LogCapture capture;
    Click(look.x / FX, look.y / FX);
    const std::string log = capture.Take();
    EXPECT_THAT(log, HasSubstr("Action \"Look\" on \"bg101_BO_CastilloLivingRoom:second_hotspot16["));
    EXPECT_THAT(log, Not(HasSubstr("water_jug")));
    sprite.m_pScriptable = kept;
}

TEST_F(SceneInputTest, AClickOnAnObjectThatOffersNoVerbWalksThereAsOnTheGround)
{
    Load();
    TestHotspot area;
    area.SetId(ObjectId("water_jug"));
    Jug().m_pScriptable = &area;
    // The jug moved from the table down over the floor, where a click on the
    // ground walks.
    const auto shiftJug = [this](fx32 dx, fx32 dy) {
        Sprite& jug = Jug();
        jug.m_oPosition.x += dx;
        jug.m_oPosition.y += dy;
        jug.m_oBox = {jug.m_oBox.xMin + dx, jug.m_oBox.yMin + dy, jug.m_oBox.xMax + dx, jug.m_oBox.yMax + dy};
    };
    shiftJug(40 * FX, 50 * FX);
    // No verb at all, a walk-in area's touches, a place for items only.
    const std::vector<TwEventType> kinds[] = {{}, {TwEventType_Touch, TwEventType_UnTouch}, {TwEventType_UseItem}};
    for (const std::vector<TwEventType>& types : kinds) {
        SCOPED_TRACE(types.size());
        area.m_types = types;
        Heroine().m_walks.clear();
        ASSERT_EQ(m_scene->PickObjectAt(220 * FX, 150 * FX), &Jug());
        TestSupport::LogCapture capture;
        Click(220, 150);
        Frame(220, 150, false);
        Frame(220, 150, false);
        EXPECT_FALSE(m_scene->m_bVerbMenuOpen);
        EXPECT_EQ(Heroine().m_walks.size(), 1u);
        EXPECT_EQ(m_scene->m_oPointerTarget.x, 220 * FX);
        EXPECT_EQ(capture.Take().find("ASSERT"), std::string::npos);
    }
    shiftJug(-40 * FX, -50 * FX);
    // A hotspot under the same pointer still opens its verbs.
    area.m_types = {TwEventType_Look};
    Heroine().m_walks.clear();
    Click(180, 100);
    EXPECT_TRUE(m_scene->m_bVerbMenuOpen);
    EXPECT_TRUE(Heroine().m_walks.empty());
    Jug().m_pScriptable = &m_scene->m_vEntities[ObjectId("water_jug")];
}

TEST_F(SceneInputTest, AShortClickOnTheGroundWalksAndALongHoldFollows)
{
    Load();
    struct Case {
        uint32_t holdMs;
        bool walks;
    };
    for (const Case& c : {Case {190, true}, Case {210, false}}) {
        SCOPED_TRACE(c.holdMs);
        Heroine().m_walks.clear();
        Heroine().m_headings.clear();
        Frame(220, 150, false);
        Frame(220, 150, true, 0);
        Frame(220, 150, true, c.holdMs);
        EXPECT_EQ(m_scene->m_iInputState, c.walks ? INPUT_STATE_IDLE : INPUT_STATE_FOLLOW);
        if (!c.walks) {
            Frame(200, 150, true);
            EXPECT_FALSE(Heroine().m_headings.empty());
        }
        const int32_t stops = Heroine().m_iStops;
        Frame(220, 150, false, 0);
        Frame(220, 150, false);
        Frame(220, 150, false);
        EXPECT_EQ(m_scene->m_iInputState, INPUT_STATE_IDLE);
        EXPECT_EQ(Heroine().m_walks.size(), c.walks ? 1u : 0u);
        EXPECT_EQ(Heroine().m_iStops, c.walks ? stops : stops + 1);
        // Following moved the target with the pointer.
        EXPECT_EQ(m_scene->m_oPointerTarget.x, (c.walks ? 220 : 200) * FX);
    }
}

TEST_F(SceneInputTest, TheVerbMenuOffersLookFirstThenActivateOrTalk)
{
    Load();
    struct Case {
        std::vector<TwEventType> types;
        int32_t first;
        int32_t second;
        bool asserts;
    };
    const Case cases[] = {
        {{TwEventType_Look, TwEventType_Talk}, CURSOR_LOOK, CURSOR_TALK, false},
        {{TwEventType_Look, TwEventType_Activate}, CURSOR_LOOK, CURSOR_ACTIVATE, false},
        {{TwEventType_Activate}, CURSOR_ACTIVATE, CURSOR_NONE, false},
        {{TwEventType_Talk, TwEventType_Activate}, CURSOR_ACTIVATE, CURSOR_NONE, true},
    };
    TestHotspot hotspot;
    hotspot.SetId(ObjectId("water_jug"));
    Jug().m_pScriptable = &hotspot;
    for (const Case& c : cases) {
        hotspot.m_types = c.types;
        TestSupport::LogCapture capture;
        Click(180, 100);
        const std::string log = capture.Take();
        EXPECT_TRUE(m_scene->m_bVerbMenuOpen);
        EXPECT_EQ(m_scene->m_oCursor.m_aSlots[0].m_iVerb, c.first);
        EXPECT_EQ(m_scene->m_oCursor.m_aSlots[1].m_iVerb, c.second);
        EXPECT_EQ(log.find("iIndex == nbEvents") != std::string::npos, c.asserts) << log;
        // The same object again keeps the menu; the ground closes it.
        Click(182, 108);
        EXPECT_TRUE(m_scene->m_bVerbMenuOpen);
        Frame(180 + 50, 84, false);
        EXPECT_TRUE(m_scene->m_bVerbMenuOpen);
        Frame(180 + 51, 84, false);
        EXPECT_FALSE(m_scene->m_bVerbMenuOpen);
    }
    Jug().m_pScriptable = &m_scene->m_vEntities[ObjectId("water_jug")];
}

TEST_F(SceneInputTest, TheSecondaryButtonOpensTheMenuUntilTheScriptsTakeTheGame)
{
    Load();
    m_input.Devices().SetMouseButton(1, true);
    Frame(100, 100, false);
    m_input.Devices().SetMouseButton(1, false);
    EXPECT_EQ(m_scene->m_iInputState, INPUT_STATE_MENU);
    EXPECT_EQ(m_link.m_iTab, 0);
    EXPECT_EQ(m_scene->m_oCursor.GetMode(), CURSOR_MENU);
    // A scripted lock posts code 15: the input is idle again.
    manager.DoSetInteractive(false);
    EXPECT_EQ(m_scene->m_iInputState, INPUT_STATE_IDLE);
    manager.DoSetInteractive(true);
}

TEST_F(SceneInputTest, PostedCodesChangeTheStateAndFireOnTheHoveredObject)
{
    Load();
    // 0 opens the menu on its tab; -1 stands for the first.
    SceneEventParams params;
    params.m_iTab = 2;
    m_scene->PostEvent(SCENE_EVENT_OPEN_MENU, params);
    EXPECT_EQ(m_scene->m_iInputState, INPUT_STATE_MENU);
    EXPECT_EQ(m_link.m_iTab, 2);
    EXPECT_EQ(m_scene->m_oCursor.GetMode(), CURSOR_MENU);
    m_scene->PostEvent(SCENE_EVENT_NOT_INTERACTIVE);
    m_scene->PostEvent(SCENE_EVENT_OPEN_MENU);
    EXPECT_EQ(m_link.m_iTab, 0);
    // 15 returns to the idle state.
    m_scene->PostEvent(SCENE_EVENT_NOT_INTERACTIVE);
    EXPECT_EQ(m_scene->m_iInputState, INPUT_STATE_IDLE);

    // 3 where nothing stands fires nothing, drops the item, returns to idle.
    m_link.m_iItem = 4;
    m_scene->PostEvent(SCENE_EVENT_DRAG_ITEM);
    EXPECT_EQ(m_scene->m_iInputState, INPUT_STATE_ITEM_DRAG);
    params.m_iX = 220 * FX;
    params.m_iY = 150 * FX;
    TestSupport::LogCapture capture;
    m_scene->PostEvent(SCENE_EVENT_USE_ITEM, params);
    EXPECT_THAT(capture.Take(), Not(HasSubstr("UseItem")));
    EXPECT_EQ(m_link.m_iItem, -1);
    EXPECT_EQ(m_scene->m_iInputState, INPUT_STATE_IDLE);

    // 8 with Activate fires on the hovered object; its name is printed no
    // further than its field, and nothing is hovered afterwards.
    TestHotspot hotspot;
    hotspot.SetId(ObjectId("water_jug"));
    std::memset(hotspot.m_aName, 'n', sizeof(hotspot.m_aName));
    std::memset(hotspot.m_aAfter, 'X', sizeof(hotspot.m_aAfter));
    hotspot.m_aAfter[7] = '\0';
    Jug().m_pScriptable = &hotspot;
    m_scene->m_pHoveredObject = &Jug();
    m_scene->m_oCursor.SetMode(CURSOR_ACTIVATE);
    m_scene->PostEvent(SCENE_EVENT_ACTION);
    const std::string log = capture.Take();
    EXPECT_THAT(log, HasSubstr("Action \"Activate\" on \"bg101_BO_CastilloLivingRoom:nnnnnnnnnnnnnnnn["));
    EXPECT_THAT(log, Not(HasSubstr("X")));
    EXPECT_EQ(m_scene->m_pHoveredObject, nullptr);
    m_scene->PostEvent(SCENE_EVENT_ACTION);
    EXPECT_EQ(capture.Take(), "");
    Jug().m_pScriptable = &m_scene->m_vEntities[ObjectId("water_jug")];

    // 5 in a scene that is not 3D does nothing.
    m_scene->m_bIs3D = 0;
    m_scene->PostEvent(SCENE_EVENT_WALK);
    EXPECT_EQ(m_scene->m_iInputState, INPUT_STATE_IDLE);
}

TEST_F(SceneInputTest, ABusyGameShowsTheWaitCursorAndTakesNoClick)
{
    Load();
    m_game.m_bBusy = true;
    Click(180, 100);
    Click(220, 150);
    Frame(220, 150, false);
    EXPECT_EQ(m_scene->m_oCursor.GetMode(), CURSOR_WAIT);
    EXPECT_FALSE(m_scene->m_bVerbMenuOpen);
    EXPECT_EQ(m_scene->m_iInputState, INPUT_STATE_IDLE);
    EXPECT_TRUE(Heroine().m_walks.empty());
    // The pointer still follows the mouse.
    EXPECT_EQ(m_scene->m_oCursor.m_vPosition.x, 220 * FX);
}

TEST_F(SceneInputTest, TheTalkScreenHoldsTheInputUntilItEnds)
{
    Load();
    m_link.m_bTalking = true;
    Frame(180, 100, false);
    EXPECT_EQ(m_scene->m_iInputState, INPUT_STATE_TALK);
    Click(180, 100);
    EXPECT_FALSE(m_scene->m_bVerbMenuOpen);
    m_link.m_bTalking = false;
    Frame(180, 100, false);
    EXPECT_EQ(m_scene->m_iInputState, INPUT_STATE_IDLE);
}

TEST_F(SceneInputTest, SpaceTogglesTheHighlightOfEveryHotspot)
{
    Load();
    const bool before = Scene::s_bHighlightAll;
    for (bool expected : {!before, before}) {
        m_input.Devices().SetKey(Platform::KEY_SPACE, true);
        Frame(220, 150, false);
        m_input.Devices().SetKey(Platform::KEY_SPACE, false);
        Frame(220, 150, false);
        EXPECT_EQ(Scene::s_bHighlightAll, expected);
    }
}

TEST_F(SceneInputTest, ASpriteBeatsARegionOfEqualDepthAndLosesToANearerOne)
{
    Load();
    Region* door = m_scene->GetRegionById(m_scene->m_vEntities[ObjectId("goto_bg102")].m_iRegionId);
    ASSERT_NE(door, nullptr);
    Sprite& jug = Jug();
    jug.m_oBox = {10 * FX, 60 * FX, 30 * FX, 90 * FX};
    jug.m_iDepth = door->m_iDepth;
    EXPECT_EQ(m_scene->PickObjectAt(20 * FX, 70 * FX), &jug);
    jug.m_iDepth = door->m_iDepth - 1;
    EXPECT_EQ(m_scene->PickObjectAt(20 * FX, 70 * FX), door);
    // Clicking the exit fires Activate at once, without a menu.
    TestSupport::LogCapture capture;
    Frame(20, 70, false);
    Click(20, 70);
    EXPECT_THAT(capture.Take(), HasSubstr("Action \"Activate\" on \"bg101_BO_CastilloLivingRoom:goto_bg102["));
    EXPECT_FALSE(m_scene->m_bVerbMenuOpen);
}

TEST_F(SceneInputTest, AnItemDraggedOverTheJugNamesBothAndIsUsedOnIt)
{
    Load();
    m_link.m_iItem = 4;
    m_scene->PostEvent(SCENE_EVENT_DRAG_ITEM);
    SetButton(true);
    PointAt(180, 100);
    m_input.Frame();
    m_scene->Update(16);
    EXPECT_EQ(m_scene->m_pHoveredObject, &Jug());
    EXPECT_EQ(m_link.m_caption, " key on ");
    // Moved off the jug onto bare floor, the item names nothing any more.
    PointAt(128, 188);
    m_input.Frame();
    m_scene->Update(16);
    EXPECT_TRUE(m_scene->m_pHoveredObject == nullptr || m_scene->m_pHoveredObject->m_pScriptable == nullptr);
    EXPECT_EQ(m_link.m_caption, "");
    PointAt(180, 100);
    m_input.Frame();
    m_scene->Update(16);
    TestSupport::LogCapture capture;
    SetButton(false);
    m_input.Frame();
    m_scene->Update(16);
    EXPECT_THAT(capture.Take(), HasSubstr("UseItem \"ITEM_DOUBLOON\" on \"bg101_BO_CastilloLivingRoom:water_jug["));
    EXPECT_EQ(m_link.m_iItem, -1);
    EXPECT_EQ(m_scene->m_iInputState, INPUT_STATE_IDLE);
}

TEST(SceneCaptionTest, TheUseCaptionIsCutToItsBufferAndAlwaysTerminated)
{
    const std::string longName(200, 'a');
    struct Case {
        const char* item;
        size_t size;
        const char* expected;
    };
    const Case cases[] = {
        {"key", 32, "Use key on door"},
        {nullptr, 32, "Use  on door"},
        {"key", 8, "Use key"},
        {"key", 1, ""},
    };
    for (const Case& c : cases) {
        char buffer[40];
        std::memset(buffer, '#', sizeof(buffer));
        Scene::ComposeUseCaption(buffer, c.size, "Use", c.item, "on", "door");
        EXPECT_STREQ(buffer, c.expected);
        EXPECT_EQ(buffer[c.size], '#');
    }
    char buffer[116];
    Scene::ComposeUseCaption(buffer, sizeof(buffer), "Use", longName.c_str(), "on", longName.c_str());
    EXPECT_EQ(std::strlen(buffer), sizeof(buffer) - 1);
}

} // namespace
