// The captions of a menu scene on the recording device: which entities print,
// in which font, colour and place.
#include "Adventure/Common/Entity.h"
#include "Managers/Common/ResourceManager.h"
#include "Renderer/CorePrimitiveVertex.h"
#include "Scene/Common/GameScene.h"
#include "Scene/Common/SceneInterfaceLink.h"
#include "Support/FakeSceneServices.h"
#include "Support/HandMadeScene.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/NullRendererTest.h"
#include "Support/ScopedService.h"
#include "Support/TestPaths.h"

#include <gmock/gmock.h>

#include <cstring>
#include <vector>

namespace {

using Platform::GraphicsCall;
using TestSupport::BuildMainLayer;
using TestSupport::HandMadeRegion;

constexpr fx32 FX = FX32_ONE;
constexpr uint32_t NO_CAPTION = 0xFFFFFFFFu;
constexpr uint32_t COLOUR_A = 0x102030FF;
constexpr uint32_t COLOUR_B = 0xA0B0C0FF;

// A game that is busy or not, without text renderers of its own.
class BusyLink final : public NullSceneInterfaceLink {
public:
    bool IsBusy() override { return m_bBusy; }

    bool m_bBusy = false;
};

// One glyph as drawn: its left and right edges and its colour (ARGB).
struct Glyph {
    float left, right;
    uint32_t colour;
};

class GameSceneLabelsTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        NullRendererTest::SetUp();
        ResourceManager::CreateSingleton();
        ASSERT_TRUE(ResourceManager::GetInstance()->LoadCommonPackages());
        const std::string log = TestSupport::LogOf([&] { m_scene.InitializeFonts(); });
        EXPECT_THAT(log, testing::StartsWith(" - Initialize menu font...\nINFO[00h:00m:00s]:Font done\n"));
        EXPECT_THAT(log, testing::Not(testing::HasSubstr("missing")));

        BuildMainLayer(m_scene, 256 * FX, {}, {HandMadeRegion {-10 * FX, {40 * FX, 20 * FX, 120 * FX, 40 * FX}}});
        m_scene.m_vEntities = std::make_unique<Entity[]>(1);
        m_scene.m_iNumEntities = 1;
        Entity& entity = Button();
        entity.m_pRegion = &m_scene.m_vLayers[0].m_vRegions[0];
        entity.m_uCaptionTextId = NO_CAPTION;
        entity.m_iSaveSlotNumber = 2;
        entity.m_iCaptionFont = 3;
        entity.m_iCaptionAlignment = 0;
        entity.m_uColourA = COLOUR_A;
        entity.m_uColourB = COLOUR_B;
        ASSERT_TRUE(m_renderer.BeginFrame());
    }
    void TearDown() override
    {
        m_scene.Shutdown();
        ResourceManager::GetInstance()->UnloadAll();
        ResourceManager::DestroySingleton();
        NullRendererTest::TearDown();
    }

    Entity& Button() { return m_scene.m_vEntities[0]; }

    std::vector<Glyph> Labels()
    {
        m_graphics.Recorder().Clear();
        m_scene.RenderLabels(m_renderer);
        std::vector<Glyph> glyphs;
        for (const GraphicsCall& call : m_graphics.Recorder().Named("DrawPrimitiveUP")) {
            std::vector<CorePrimitiveVertex> v(call.data.size() / sizeof(CorePrimitiveVertex));
            std::memcpy(v.data(), call.data.data(), call.data.size());
            float left = v[0].x;
            float right = v[0].x;
            for (const CorePrimitiveVertex& vertex : v) {
                left = std::min(left, vertex.x);
                right = std::max(right, vertex.x);
            }
            glyphs.push_back(
                {left + m_renderer.GetHalfPixelOffsetX(), right + m_renderer.GetHalfPixelOffsetX(), v[0].colour});
        }
        return glyphs;
    }

    TestSupport::ScopedWorkingDirectory m_data {TestSupport::DataDir()};
    TestSupport::FakeSceneServices m_services;
    BusyLink m_link;
    TestSupport::ScopedService<SceneInterfaceLink> m_installed {SetSceneInterfaceLink, m_link};
    GameScene m_scene;
};

TEST_F(GameSceneLabelsTest, ASaveSlotNumberPrintsTheLabelOfThePreviousSlot)
{
    // "Empty", the fake label of save slot 1: five glyphs from the region's
    // left edge, in colour A.
    const std::vector<Glyph> glyphs = Labels();
    ASSERT_EQ(glyphs.size(), 5u);
    EXPECT_NEAR(glyphs[0].left, 40.0f, 1.5f);
    for (const Glyph& glyph : glyphs)
        EXPECT_EQ(glyph.colour, 0xFF102030u);

    // Right-aligned, the last glyph ends at the right edge; centred, the
    // text is balanced about the middle; both move with the scroll.
    Button().m_iCaptionAlignment = 2;
    std::vector<Glyph> right = Labels();
    ASSERT_EQ(right.size(), 5u);
    EXPECT_NEAR(right.back().right, 120.0f, 1.5f);
    Button().m_iCaptionAlignment = 1;
    m_scene.m_fScroll = 10 * FX;
    std::vector<Glyph> centred = Labels();
    ASSERT_EQ(centred.size(), 5u);
    EXPECT_NEAR((centred.front().left + centred.back().right) / 2, 70.0f, 1.5f);
}

TEST_F(GameSceneLabelsTest, NoCaptionNoLabelOrAHiddenEntityPrintsNothing)
{
    Button().m_iSaveSlotNumber = 0;
    EXPECT_TRUE(Labels().empty());
    // Slot 4 has no label.
    Button().m_iSaveSlotNumber = 4;
    EXPECT_TRUE(Labels().empty());
    Button().m_iSaveSlotNumber = 1;
    EXPECT_EQ(Labels().size(), 8u); // "Chapter 1": the blank draws nothing
    Button().SetVisible(0);
    EXPECT_TRUE(Labels().empty());
    Button().SetVisible(1);
    // The game state's fonts are not there: nothing.
    Button().m_iCaptionFont = 0;
    EXPECT_TRUE(Labels().empty());
    Button().m_iCaptionFont = 1;
    EXPECT_EQ(Labels().size(), 8u);
}

TEST_F(GameSceneLabelsTest, AHoveredCaptionTakesColourBOnlyWhileTheGameIsInteractive)
{
    m_scene.m_pHoveredObject = &m_scene.m_vLayers[0].m_vRegions[0];
    EXPECT_EQ(Labels().front().colour, 0xFFA0B0C0u);
    m_link.m_bBusy = true;
    EXPECT_EQ(Labels().front().colour, 0xFF102030u);
    m_link.m_bBusy = false;
    Button().DoSetActive(0);
    EXPECT_EQ(Labels().front().colour, 0xFF102030u);
    Button().DoSetActive(1);
    m_scene.m_pHoveredObject = nullptr;
    EXPECT_EQ(Labels().front().colour, 0xFF102030u);
}

} // namespace
