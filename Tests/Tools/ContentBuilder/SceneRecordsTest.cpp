// Writes scene records from their readable sources and reads them back with
// the engine's readers.
#include "ContentBuilder/ContentError.h"
#include "ContentBuilder/SceneRecords.h"
#include "Scene/Common/Layer.h"
#include "Scene/Common/SerialStream.h"
#include "Support/LogCapture.h"
#include "Support/HandMadeDds.h"
#include "Support/NullRendererTest.h"
#include "Texture/CoreTextureManager.h"

#include <gmock/gmock.h>

#include <cstring>

namespace {

using testing::HasSubstr;
using testing::Not;
using TestSupport::LogCapture;

constexpr fx32 FX = FX32_ONE;

const char* const LAYER = R"({
  "name": "main",
  "size": [512, 192],
  "sprites": [
    {
      "name": "sea", "id": 7, "entity": 2,
      "position": [10.5, 20], "depth": -60, "size": [256, 96],
      "colour": "#10203040", "scale": [1.5, 0.5], "pivot": [0.5, 1], "start": 40,
      "marker": [100, 50.25, 2],
      "frameCurve": { "length": 300, "loop": true, "keys": [[0, 0], [100, 1], [200, 2]] },
      "positionCurve": { "length": 400, "keys": [
        { "time": 0, "at": [10.5, 20], "out": [4, 0] },
        { "time": 400, "at": [30, 20], "in": [0, -2] } ] },
      "scaleCurve": { "length": 400, "interpolation": "linear", "keys": [[0, [1.5, 0.5]], [400, [2, 1]]] },
      "alphaCurve": { "length": 400, "keys": [[0, 255], [200, 128]] },
      "textures": [["wide", "square"], ["wide", "square"], ["square", "wide"]]
    },
    {
      "name": "rock_in_the_surf", "position": [0, 150], "depth": -2, "size": [40, 30],
      "scroll": [0.25, 0], "textures": ["lost"],
      "frameCurve": { "length": 500, "keys": [[0, 0], [100, 1], [200, 2], [300, 3], [400, 4]] }
    }
  ],
  "regions": [
    {
      "name": "door", "id": 3, "entity": 1, "depth": -20, "direction": 2, "marker": [20, 25, 0],
      "triangles": [[[10, 10], [30, 10], [10, 40]], [[30, 10], [30, 40], [10, 40]]]
    },
    { "name": "rug", "depth": -30.5, "position": [50, 60], "size": [20, 10] }
  ]
})";

std::vector<uint8_t> WriteLayer(const nlohmann::json& source)
{
    ByteWriter out;
    WriteLayerRecord(out, source, "layer \"main\"");
    return out.Bytes();
}

class SceneRecordsTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        m_pWide = MakeTexture("wide", 64, 32);
        m_pSquare = MakeTexture("square", 32, 32);
        m_bytes = WriteLayer(nlohmann::json::parse(LAYER));
    }
    void TearDown() override
    {
        m_layer.Release();
        NullRendererTest::TearDown();
    }

    static CoreTexture* MakeTexture(const char* name, uint32_t width, uint32_t height)
    {
        const std::vector<uint8_t> dds = TestSupport::HandMadeDds(width, height, DDS_FOURCC_DXT1, width * height / 2);
        return g_pTextureManager->CreateTexture(name, dds.data(), dds.size());
    }

    // Reads the layer from the first `size` bytes.
    bool Read(size_t size, std::string* log = nullptr)
    {
        m_layer.Release();
        m_layer = Layer();
        SerialStream stream(m_bytes.data(), size, "scenes/beach.twscene.pc");
        bool read = false;
        LogCapture capture;
        read = m_layer.Initialize(stream);
        const std::string output = capture.Take();
        if (log)
            *log = output;
        m_bReadWhole = read && stream.GetPosition() == size;
        return read;
    }

    std::vector<uint8_t> m_bytes;
    Layer m_layer;
    bool m_bReadWhole = false;
    CoreTexture* m_pWide = nullptr;
    CoreTexture* m_pSquare = nullptr;
};

TEST_F(SceneRecordsTest, SpritesReadBackFieldForField)
{
    ASSERT_TRUE(Read(m_bytes.size()));
    EXPECT_TRUE(m_bReadWhole);
    EXPECT_EQ(std::string(m_layer.m_sName), "main");
    EXPECT_EQ(m_layer.m_oSize.x, 512 * FX);
    EXPECT_EQ(m_layer.m_oSize.y, 192 * FX);
    ASSERT_EQ(m_layer.m_iNbSprites, 2);

    const Sprite& sea = m_layer.m_vSprites[0];
    EXPECT_EQ(std::string(sea.m_sName), "sea");
    EXPECT_EQ(sea.m_iId, 7);
    EXPECT_EQ(sea.m_iEntityIndex, 2);
    EXPECT_EQ(sea.m_oPosition.x, 10 * FX + FX / 2);
    EXPECT_EQ(sea.m_oPosition.y, 20 * FX);
    EXPECT_EQ(sea.m_iDepth, -60 * FX);
    EXPECT_EQ(sea.m_oSize.x, 256 * FX);
    EXPECT_EQ(sea.m_oSize.y, 96 * FX);
    EXPECT_EQ(sea.m_iColour, 0x10203040u);
    EXPECT_EQ(sea.m_oScale.x, FX + FX / 2);
    EXPECT_EQ(sea.m_oScale.y, FX / 2);
    EXPECT_EQ(sea.m_oPivot.x, FX / 2);
    EXPECT_EQ(sea.m_oPivot.y, FX);
    EXPECT_EQ(sea.m_iStartTime, 40u);
    EXPECT_EQ(sea.m_iFrameClock, 40u);
    EXPECT_EQ(sea.m_oPulse.m_oPosition.y, 50 * FX + FX / 4);
    EXPECT_EQ(sea.m_oPulse.m_oPosition.z, 2 * FX);
    EXPECT_TRUE(sea.m_bPreload);
    EXPECT_TRUE(sea.IsVisible());
    // Scaled 1.5 x 0.5 about the pivot (x + 128, y + 96).
    EXPECT_EQ(sea.m_oBox.xMin, 10 * FX + FX / 2 + 128 * FX - 192 * FX);
    EXPECT_EQ(sea.m_oBox.yMax, 116 * FX);

    ASSERT_EQ(sea.m_iNbSplitInfos, 2);
    EXPECT_EQ(sea.m_vSplitInfos[0].m_vFrames, (std::vector<CoreTexture*> {m_pWide, m_pWide, m_pSquare}));
    EXPECT_EQ(sea.m_vSplitInfos[1].m_vFrames, (std::vector<CoreTexture*> {m_pSquare, m_pSquare, m_pWide}));
    EXPECT_EQ(sea.m_vSplitInfos[0].m_vTextureSize.x, 32u);
    EXPECT_EQ(sea.m_vSplitInfos[1].m_vTextureSize.x, 64u);

    const TwAnimation& frames = *sea.m_pFrameAnimation;
    EXPECT_EQ(frames.m_iLength, 300u);
    EXPECT_TRUE(frames.Loops());
    ASSERT_EQ(frames.m_iNbCtrl, 1u);
    EXPECT_EQ(frames.m_vCtrl[0].m_iId, TW_ANIMATION_VALUE_CTRL_ID);
    EXPECT_EQ(frames.m_vCtrl[0].m_iFlags, 0x101u);
    EXPECT_EQ(frames.m_vCtrl[0].m_vTimes, (std::vector<uint32_t> {0, 100, 200}));
    EXPECT_EQ(frames.m_vCtrl[0].m_vValues, (std::vector<int32_t> {0, 1, 2}));
    const TwAnimationCtrl& path = sea.m_pPositionAnimation->m_vCtrl[0];
    EXPECT_EQ(path.m_iFlags, 0x303u);
    EXPECT_FALSE(sea.m_pPositionAnimation->Loops());
    EXPECT_EQ(path.m_vValues, (std::vector<int32_t> {10 * FX + FX / 2, 20 * FX, 0, 0, 0, 0, 4 * FX, 0, 0, 30 * FX,
                                                     20 * FX, 0, 0, -2 * FX, 0, 0, 0, 0}));
    const TwAnimationCtrl& scale = sea.m_pScaleAnimation->m_vCtrl[0];
    EXPECT_EQ(scale.m_iFlags, 0x202u);
    EXPECT_EQ(scale.m_vValues, (std::vector<int32_t> {FX + FX / 2, FX / 2, 2 * FX, FX}));
    const TwAnimationCtrl& alpha = sea.m_pAlphaAnimation->m_vCtrl[0];
    EXPECT_EQ(alpha.m_iFlags, 0x104u);
    EXPECT_EQ(alpha.m_vValues, (std::vector<int32_t> {255, 128}));

    // Defaults, a 16-byte name without terminator, and a missing texture that
    // hides the sprite.
    const Sprite& rock = m_layer.m_vSprites[1];
    EXPECT_EQ(std::string(rock.m_sName, 16), "rock_in_the_surf");
    EXPECT_EQ(rock.m_iId, -1);
    EXPECT_EQ(rock.m_iEntityIndex, -1);
    EXPECT_EQ(rock.m_iColour, 0xFFFFFFFFu);
    EXPECT_EQ(rock.m_oScale.x, FX);
    EXPECT_EQ(rock.m_vScrollUV.x, FX / 4);
    EXPECT_EQ(rock.m_oPulse.m_oPosition.x, -FX);
    EXPECT_FALSE(rock.m_bPreload);
    EXPECT_EQ(rock.m_iNbSplitInfos, 1);
    // Five frames, of which a sprite without preload reads and keeps the first.
    EXPECT_EQ(rock.m_pFrameAnimation->GetFirstCtrlKeyCount(), 5u);
    EXPECT_EQ(rock.m_vSplitInfos[0].m_vFrames.size(), 5u);
    EXPECT_EQ(rock.m_pPositionAnimation, nullptr);
    EXPECT_EQ(rock.m_pAlphaAnimation, nullptr);
    EXPECT_FALSE(rock.IsVisible());
}

TEST_F(SceneRecordsTest, RegionsReadBackAndHoldTheirInteriors)
{
    ASSERT_TRUE(Read(m_bytes.size()));
    ASSERT_EQ(m_layer.m_iNbRegions, 2);
    const Region& door = m_layer.m_vRegions[0];
    EXPECT_EQ(std::string(door.m_sName), "door");
    EXPECT_EQ(door.m_iId, 3);
    EXPECT_EQ(door.m_iEntityIndex, 1);
    EXPECT_EQ(door.m_iDepth, -20 * FX);
    EXPECT_EQ(door.GetDirection(), 2u);
    EXPECT_EQ(door.m_oPulse.m_oPosition.x, 20 * FX);
    // The box is the triangles' bounds.
    EXPECT_EQ(door.m_oBox.xMin, 10 * FX);
    EXPECT_EQ(door.m_oBox.yMin, 10 * FX);
    EXPECT_EQ(door.m_oBox.xMax, 30 * FX);
    EXPECT_EQ(door.m_oBox.yMax, 40 * FX);
    ASSERT_EQ(door.m_iNbTriangles, 2u);
    EXPECT_EQ(door.m_vTriangles[1].x0, 30);
    EXPECT_EQ(door.m_vTriangles[1].y2, 40);
    // Both triangles as written are wound the way the hit test takes them.
    for (fx32 x = 10; x <= 30; x += 5)
        for (fx32 y = 10; y <= 40; y += 5)
            EXPECT_TRUE(door.Contains(x * FX, y * FX, 0)) << x << ", " << y;

    const Region& rug = m_layer.m_vRegions[1];
    EXPECT_EQ(rug.m_iId, -1);
    EXPECT_EQ(rug.m_iDepth, -30 * FX - FX / 2);
    EXPECT_EQ(rug.m_oBox.xMax, 70 * FX);
    EXPECT_EQ(rug.m_oBox.yMax, 70 * FX);
    EXPECT_EQ(rug.m_iNbTriangles, 0u);
    EXPECT_EQ(rug.GetDirection(), DIR_NONE);
}

TEST_F(SceneRecordsTest, EveryTruncationIsRefusedNamingTheFile)
{
    for (size_t size = 0; size < m_bytes.size(); ++size) {
        std::string log;
        EXPECT_FALSE(Read(size, &log)) << size;
        EXPECT_THAT(log, HasSubstr("SerialStream -- \"scenes/beach.twscene.pc\" is truncated")) << size;
    }
}

TEST_F(SceneRecordsTest, DamagedCountsAndFramesAreRefused)
{
    // Offsets in the first sprite record, after the layer's 28 bytes.
    const size_t sprite = 28;
    const struct {
        const char* what;
        size_t offset;
        uint32_t value;
        const char* log;
    } cases[] = {
        {"sprite count", 24, 0x7FFFFFFF, "is truncated"},
        {"split count 3", sprite + 80, 3, "it has more than 2 splits"},
        {"split count 1000", sprite + 80, 1000, "it has more than 2 splits"},
        {"frame beyond the frames", sprite + 100 + 16 + 28 + 12 + 4, 3, "shows a frame it does not have"},
        {"frame key count", sprite + 100 + 16 + 16, 0xFFFFFFFF, "is truncated"},
    };
    for (const auto& row : cases) {
        const std::vector<uint8_t> original = m_bytes;
        std::memcpy(&m_bytes[row.offset], &row.value, 4);
        std::string log;
        EXPECT_FALSE(Read(m_bytes.size(), &log)) << row.what;
        EXPECT_THAT(log, HasSubstr(row.log)) << row.what;
        m_bytes = original;
    }
}

TEST_F(SceneRecordsTest, EveryDamagedByteIsReadOrRefusedSafely)
{
    ASSERT_TRUE(m_renderer.BeginFrame());
    const std::vector<uint8_t> original = m_bytes;
    for (size_t offset = 0; offset < original.size(); ++offset) {
        for (uint8_t damage : {0x00, 0x80, 0xFF}) {
            m_bytes = original;
            m_bytes[offset] = damage;
            Read(m_bytes.size());
            // What was read can be updated and drawn.
            LogCapture capture;
            m_layer.Update(16, TouchScene());
            m_layer.RenderSprites(m_renderer, INT32_MIN, INT32_MAX);
            const std::string log = capture.Take();
            EXPECT_THAT(log, Not(HasSubstr("Division by zero"))) << offset;
        }
    }
}

TEST(SceneRecordSourceTest, FaultsNameTheRecordAndTheMember)
{
    const struct {
        const char* pointer;
        const char* value;
        const char* message;
    } cases[] = {
        {"/regions/0/triangles/0", "[[10, 10], [10, 40], [30, 10]]",
         "layer \"main\": region \"door\": triangle 0 is wound the other way"},
        {"/regions/0/triangles/1", "[[10, 10], [20, 20], [30, 30]]", "region \"door\": triangle 1 has no area"},
        {"/regions/1/position", "null", "region \"rug\": a region without triangles needs"},
        {"/sprites/0/name", "\"seventeen_letters\"",
         "sprite \"seventeen_letters\": \"name\" must be a text of 1 to 16"},
        {"/sprites/0/frameCurve/keys/2/1", "3", "sprite \"sea\": frameCurve shows frame 3 of 3 frames"},
        {"/sprites/0/frameCurve/keys/2/0", "100", "frameCurve: key 2: times must rise"},
        {"/sprites/0/frameCurve/keys/0/0", "5", "frameCurve: the first key must be at time 0"},
        {"/sprites/0/frameCurve/length", "200", "a looping curve must be longer than its last key's time"},
        {"/sprites/0/textures/2", "\"wide\"", "every frame must have as many textures as the first"},
        {"/sprites/0/textures/0", "[\"a\", \"b\", \"c\"]", "textures of frame 0 must be one texture name or two"},
        {"/sprites/0/preload", "false", "a sprite without preload lists the textures of its first frame only"},
        {"/sprites/0/colour", "\"#1234\"", "\"colour\" must be \"#RRGGBB\" or \"#RRGGBBAA\""},
        {"/sprites/0/alphaCurve/keys/0/1", "256", "key 0: the alpha must be a whole number from 0 to 255"},
        {"/sprites/0/scaleCurve/interpolation", "\"cubic\"", "\"interpolation\" must be \"step\" or \"linear\""},
        {"/sprites/1/depth", "\"deep\"", "sprite \"rock_in_the_surf\": \"depth\" must be a number"},
        {"/size", "[512]", "layer \"main\": \"size\" must be 2 numbers"},
    };
    for (const auto& row : cases) {
        nlohmann::json layer = nlohmann::json::parse(LAYER);
        const nlohmann::json value = nlohmann::json::parse(row.value);
        if (value.is_null())
            layer.at(nlohmann::json::json_pointer(row.pointer).parent_pointer())
                .erase(nlohmann::json::json_pointer(row.pointer).back());
        else
            layer[nlohmann::json::json_pointer(row.pointer)] = value;
        try {
            WriteLayer(layer);
            ADD_FAILURE() << row.pointer << " was accepted";
        } catch (const ContentError& error) {
            EXPECT_THAT(error.what(), HasSubstr(row.message)) << row.pointer;
        }
    }
}

} // namespace
