// What a scene sends to the recording device: the layers' sprites in depth
// bands around the characters with the depth test and the lighting switched
// for them, the scroll, the lights, the markers and the cursor.
#include "Adventure/Common/Scriptable.h"
#include "Graphics/GraphicsFormats.h"
#include "Graphics/Matrix4.h"
#include "Graphics/RenderStates.h"
#include "Renderer/CorePrimitiveVertex.h"
#include "Scene/Common/Scene.h"
#include "Support/HandMadeScene.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Texture/CoreTextureManager.h"

#include <gmock/gmock.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Platform::GraphicsCall;
using testing::ElementsAre;
using testing::ElementsAreArray;
using TestSupport::AddFakeCharacter;
using TestSupport::BuildMainLayer;
using TestSupport::HandMadeRegion;
using TestSupport::HandMadeSprite;

constexpr fx32 FX = FX32_ONE;

SceneRect Box(int x0, int y0, int x1, int y1)
{
    return {x0 * FX, y0 * FX, x1 * FX, y1 * FX};
}

class SceneRenderTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        ASSERT_TRUE(TestSupport::AddBlankTextures({"picture", "star", "int_arrow", "Int_pointers"}));
        m_pPicture = g_pTextureManager->GetTextureByName("picture");
        ASSERT_TRUE(m_scene.m_oStar.Initialize(INTERFACE_SPRITE_STAR));
        ASSERT_TRUE(m_scene.m_oArrow.Initialize(INTERFACE_SPRITE_ARROW));
        ASSERT_TRUE(m_scene.m_oCursor.InitializePlatform());
        m_scene.m_iInputState = INPUT_STATE_IDLE;
        ASSERT_TRUE(m_renderer.BeginFrame());
    }

    HandMadeSprite SpriteAt(double depth) { return {fx32(std::lround(depth * FX)), Box(0, 0, 16, 16), m_pPicture}; }

    // The draws and the switches of depth test and lighting, in order: a
    // sprite as "sprite <depth>", a character as "character <depth>" (its
    // line stands at depth / 64), a fan (marker or cursor) as "fan".
    std::vector<std::string> Trace()
    {
        std::vector<std::string> trace;
        for (const GraphicsCall& call : m_graphics.Recorder().Calls()) {
            if (call.name == "SetRenderState" &&
                (call.arguments[0] == Platform::D3DRS_ZENABLE || call.arguments[0] == Platform::D3DRS_LIGHTING)) {
                const char* what = call.arguments[0] == Platform::D3DRS_ZENABLE ? "depth test " : "lighting ";
                trace.push_back(what + std::to_string(call.arguments[1]));
            }
            if (call.name != "DrawPrimitiveUP")
                continue;
            CorePrimitiveVertex vertex;
            std::memcpy(&vertex, call.data.data(), sizeof vertex);
            const std::string depth = std::to_string(int(std::lround(vertex.z * 64 * 2))) + "/2";
            if (call.arguments[0] == Platform::D3DPT_TRIANGLESTRIP)
                trace.push_back("sprite " + depth);
            else if (call.arguments[0] == Platform::D3DPT_LINELIST)
                trace.push_back("character " + depth);
            else
                trace.push_back("fan");
        }
        return trace;
    }

    // The x translation of the view at each draw.
    std::vector<float> ViewShiftsAtDraws()
    {
        std::vector<float> shifts;
        float shift = 0.0f;
        for (const GraphicsCall& call : m_graphics.Recorder().Calls()) {
            if (call.name == "SetTransform" && call.arguments[0] == Platform::D3DTS_VIEW) {
                Platform::Matrix4 view;
                std::memcpy(&view, call.data.data(), sizeof view);
                shift = view.m[3][0];
            }
            if (call.name == "DrawPrimitiveUP")
                shifts.push_back(shift);
        }
        return shifts;
    }

    Scene m_scene;
    CoreTexture* m_pPicture = nullptr;
};

TEST_F(SceneRenderTest, CharactersStandInDepthBandsBetweenTheMainLayersSprites)
{
    BuildMainLayer(m_scene, 256 * FX, {SpriteAt(-2), SpriteAt(-9), SpriteAt(-20), SpriteAt(-7)}, {});
    AddFakeCharacter(m_scene, 1, -5 * FX);
    AddFakeCharacter(m_scene, 2, -9 * FX);
    m_scene.m_oCursor.m_bShown = 0;
    m_graphics.Recorder().Clear();
    m_scene.Render(m_renderer);

    // A sprite at a character's depth is drawn on both sides of it; sprites
    // keep their file order within a band.
    EXPECT_THAT(Trace(), ElementsAre("depth test 0", "sprite -18/2", "sprite -40/2", "depth test 1", "lighting 1",
                                     "character -18/2", "lighting 0", "depth test 0", "sprite -18/2", "sprite -14/2",
                                     "depth test 1", "lighting 1", "character -10/2", "lighting 0", "depth test 0",
                                     "sprite -4/2"));
    const SceneCharacter* const* order = m_scene.GetRenderOrder();
    EXPECT_EQ(order[0], m_scene.m_apCharacters[1].get());
    EXPECT_EQ(order[1], m_scene.m_apCharacters[0].get());
}

TEST_F(SceneRenderTest, OnlySpritesBetweenTheFarthestAndTheNearestDepthAreDrawn)
{
    BuildMainLayer(m_scene, 256 * FX, {SpriteAt(-0.5), SpriteAt(-1), SpriteAt(-63), SpriteAt(-64)}, {});
    m_scene.m_oCursor.m_bShown = 0;
    m_graphics.Recorder().Clear();
    m_scene.Render(m_renderer);
    EXPECT_THAT(Trace(), ElementsAre("depth test 0", "sprite -2/2", "sprite -126/2"));
}

TEST_F(SceneRenderTest, CharactersOfOneDepthShareABandInSlotOrder)
{
    BuildMainLayer(m_scene, 256 * FX, {SpriteAt(-4)}, {});
    AddFakeCharacter(m_scene, 1, -6 * FX).m_uColour = 0x111111FF;
    AddFakeCharacter(m_scene, 2, -3 * FX);
    AddFakeCharacter(m_scene, 3, -6 * FX).m_uColour = 0x333333FF;
    m_scene.m_oCursor.m_bShown = 0;
    m_graphics.Recorder().Clear();
    m_scene.Render(m_renderer);
    EXPECT_THAT(Trace(), ElementsAre("depth test 0", "depth test 1", "lighting 1", "character -12/2", "character -12/2",
                                     "lighting 0", "depth test 0", "sprite -8/2", "depth test 1", "lighting 1",
                                     "character -6/2", "lighting 0", "depth test 0"));
    std::vector<uint32_t> colours;
    for (const GraphicsCall& call : m_graphics.Recorder().Named("DrawPrimitiveUP")) {
        CorePrimitiveVertex vertex;
        std::memcpy(&vertex, call.data.data(), sizeof vertex);
        if (call.arguments[0] == Platform::D3DPT_LINELIST)
            colours.push_back(vertex.colour);
    }
    EXPECT_THAT(colours, ElementsAre(0xFF111111u, 0xFF333333u, 0xFFFFFFFFu));
}

TEST_F(SceneRenderTest, NothingOfTheSceneIsDrawnWhileThePadMovesThePointer)
{
    BuildMainLayer(m_scene, 256 * FX, {SpriteAt(-4)}, {});
    AddFakeCharacter(m_scene, 1, -6 * FX);
    m_scene.m_iInputState = INPUT_STATE_PAD_POINTER;
    m_graphics.Recorder().Clear();
    m_scene.Render(m_renderer);
    // Only the cursor.
    EXPECT_THAT(Trace(), ElementsAre("fan"));
}

TEST_F(SceneRenderTest, TheLayersAndMarkersMoveWithTheScrollAndTheCursorDoesNot)
{
    TestSupport::ScopedWindowSize window(1280, 960);
    BuildMainLayer(m_scene, 400 * FX, {SpriteAt(-4)}, {});
    m_scene.m_fScroll = 40 * FX;
    m_graphics.Recorder().Clear();
    m_scene.Render(m_renderer);
    EXPECT_THAT(Trace(), ElementsAre("depth test 0", "sprite -8/2", "fan"));
    EXPECT_THAT(ViewShiftsAtDraws(), ElementsAre(-40.0f, 0.0f));
}

TEST_F(SceneRenderTest, TheScenesLightsReachTheDeviceAndAnOmniLightIsRefused)
{
    BuildMainLayer(m_scene, 256 * FX, {}, {});
    m_scene.m_oAmbient.m_aColour[0] = 255 * FX;
    m_scene.m_oAmbient.m_aColour[1] = 128 * FX;
    m_scene.m_iNumLights = 2;
    m_scene.m_aLights[0].m_vVector = {0, 0, -3 * FX};
    m_scene.m_aLights[0].m_aColour[0] = 255 * FX;
    m_scene.m_aLights[1].m_iType = SCENE_LIGHT_OMNI;
    m_graphics.Recorder().Clear();
    TestSupport::LogCapture capture;
    m_scene.Render(m_renderer);
    EXPECT_THAT(capture.Take(), testing::HasSubstr("FALSE"));
    EXPECT_THAT(m_graphics.Recorder().Texts("LightEnable"), ElementsAre("LightEnable(0, 1)"));
    const std::vector<GraphicsCall> lights = m_graphics.Recorder().Named("SetLight");
    ASSERT_EQ(lights.size(), 1u);
    EXPECT_EQ(lights[0].arguments[0], 0u);
    EXPECT_THAT(m_graphics.Recorder().Texts("SetRenderState"), testing::Contains("SetRenderState(139, 4294934528)"));
}

TEST_F(SceneRenderTest, HighlightedHotspotsShowAStarAndExitsTheirArrow)
{
    BuildMainLayer(m_scene, 256 * FX, {SpriteAt(-4)},
                   {HandMadeRegion {-5 * FX, Box(0, 0, 50, 50)}, HandMadeRegion {-5 * FX, Box(60, 0, 90, 50), 2}});
    Scriptable entity;
    Layer& layer = m_scene.m_vLayers[0];
    layer.m_vSprites[0].m_pScriptable = &entity;
    layer.m_vRegions[0].m_pScriptable = &entity;
    layer.m_vRegions[1].m_pScriptable = &entity;
    m_scene.m_oCursor.m_bShown = 0;
    m_scene.UpdateHighlights(true);
    // A pulse whose clock has not run shows no star yet; an exit shows its
    // arrow at once.
    for (SceneObject* object :
         {static_cast<SceneObject*>(&layer.m_vSprites[0]), static_cast<SceneObject*>(&layer.m_vRegions[0])})
        object->m_oPulse.m_iClock = 0;
    m_graphics.Recorder().Clear();
    m_scene.Render(m_renderer);
    EXPECT_THAT(Trace(), ElementsAre("depth test 0", "sprite -8/2", "fan"));

    layer.m_vSprites[0].m_oPulse.m_iClock = 100;
    layer.m_vRegions[0].m_oPulse.m_iClock = 100;
    m_graphics.Recorder().Clear();
    m_scene.Render(m_renderer);
    // The region's star, the exit's arrow, the sprite's star (the depth test
    // is off already).
    EXPECT_THAT(Trace(), ElementsAre("sprite -8/2", "fan", "fan", "fan"));
}

} // namespace
