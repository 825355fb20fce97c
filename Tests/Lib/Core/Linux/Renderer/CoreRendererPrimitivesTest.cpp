#include "RendererTestFixture.h"
#include "Support/LogCapture.h"
#include "Texture/CoreTexture.h"

#include <gmock/gmock.h>

#include <cstring>

using namespace Platform;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

namespace {

constexpr int32_t FX = 4096;

std::vector<CorePrimitiveVertex> DrawnVertices(const GraphicsRecorder& recorder)
{
    const std::vector<GraphicsCall> draws = recorder.Named("DrawPrimitiveUP");
    if (draws.empty())
        return {};
    std::vector<CorePrimitiveVertex> vertices(draws.back().data.size() / sizeof(CorePrimitiveVertex));
    std::memcpy(vertices.data(), draws.back().data.data(), vertices.size() * sizeof(CorePrimitiveVertex));
    return vertices;
}

class PrimitiveTest : public RendererTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Start());
        ASSERT_TRUE(m_renderer.BeginFrame());
        m_graphics.Recorder().Clear();
    }
};

} // namespace

TEST_F(PrimitiveTest, QuadVerticesAreShiftedByHalfAPixelAndColoursTurnToArgb)
{
    ASSERT_TRUE(m_renderer.PrimitiveBegin(D3DPT_TRIANGLEFAN, 4, nullptr));
    m_renderer.PrimitiveVertexAdd(0, 0, 0, 0xFF0000FF, 0, 0);
    m_renderer.PrimitiveVertexAdd(256 * FX, 0, -FX / 2, 0xFFFFFFFF, FX, 0);
    m_renderer.PrimitiveVertexAdd(256 * FX, 192 * FX, FX, 0x00000080, FX, FX);
    m_renderer.PrimitiveVertexAdd(0, 192 * FX, 0, 0x11223344, FX / 4, 3 * FX);
    EXPECT_TRUE(m_renderer.PrimitiveEnd());

    EXPECT_THAT(Calls(),
                ElementsAre("SetTexture(0, 0)", "SetFVF(322)", "SetTransform(256)", "DrawPrimitiveUP(6, 2, 24)"));
    const GraphicsCall world = m_graphics.Recorder().Named("SetTransform")[0];
    Matrix4 matrix;
    ASSERT_EQ(world.data.size(), sizeof matrix);
    std::memcpy(&matrix, world.data.data(), sizeof matrix);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(matrix.m[row][column], row == column ? 1.0f : 0.0f);

    const std::vector<CorePrimitiveVertex> vertices = DrawnVertices(m_graphics.Recorder());
    ASSERT_EQ(vertices.size(), 4u);
    EXPECT_FLOAT_EQ(vertices[0].x, -0.1f);
    EXPECT_FLOAT_EQ(vertices[0].y, -0.1f);
    EXPECT_EQ(vertices[0].colour, 0xFFFF0000u);
    EXPECT_FLOAT_EQ(vertices[1].x, 255.9f);
    EXPECT_FLOAT_EQ(vertices[1].z, -0.5f);
    EXPECT_EQ(vertices[1].colour, 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(vertices[2].y, 191.9f);
    EXPECT_EQ(vertices[2].colour, 0x80000000u);
    EXPECT_FLOAT_EQ(vertices[2].u, 1.0f);
    EXPECT_EQ(vertices[3].colour, 0x44112233u);
    EXPECT_FLOAT_EQ(vertices[3].u, 0.25f);
    EXPECT_FLOAT_EQ(vertices[3].v, 3.0f);
}

TEST_F(PrimitiveTest, PrimitiveCountsFollowTheType)
{
    const struct {
        uint32_t type;
        uint32_t vertices;
        const char* draw;
    } cases[] = {
        {D3DPT_TRIANGLESTRIP, 4, "DrawPrimitiveUP(5, 2, 24)"}, {D3DPT_LINESTRIP, 5, "DrawPrimitiveUP(3, 4, 24)"},
        {D3DPT_TRIANGLELIST, 7, "DrawPrimitiveUP(4, 2, 24)"},  {D3DPT_LINELIST, 5, "DrawPrimitiveUP(2, 2, 24)"},
        {D3DPT_POINTLIST, 3, "DrawPrimitiveUP(1, 3, 24)"},     {D3DPT_TRIANGLEFAN, 5, "DrawPrimitiveUP(6, 3, 24)"},
    };
    for (const auto& entry : cases) {
        m_graphics.Recorder().Clear();
        m_renderer.PrimitiveBegin(entry.type, entry.vertices, nullptr);
        for (uint32_t i = 0; i < entry.vertices; ++i)
            m_renderer.PrimitiveVertexAdd(0, 0, 0, 0xFFFFFFFF, 0, 0);
        EXPECT_TRUE(m_renderer.PrimitiveEnd());
        EXPECT_THAT(Calls("DrawPrimitiveUP"), ElementsAre(entry.draw));
    }
}

TEST_F(PrimitiveTest, TexturedQuadBindsItsTextureAsAStripOfWhiteVertices)
{
    GraphicsTexture* texture = nullptr;
    ASSERT_EQ(m_renderer.GetDevice()->CreateTexture(4, 4, 1, 0, D3DFMT_DXT1, D3DPOOL_MANAGED, &texture), D3D_OK);
    CoreTexture handle;
    handle.m_pD3DTexture = texture;
    m_graphics.Recorder().Clear();

    EXPECT_TRUE(m_renderer.DrawTexturedQuad(&handle, 16 * FX, 8 * FX, 10 * FX, 20 * FX, -FX));
    EXPECT_THAT(Calls("SetTexture"), ElementsAre("SetTexture(0, 1)"));
    EXPECT_THAT(Calls("DrawPrimitiveUP"), ElementsAre("DrawPrimitiveUP(5, 2, 24)"));
    const std::vector<CorePrimitiveVertex> vertices = DrawnVertices(m_graphics.Recorder());
    ASSERT_EQ(vertices.size(), 4u);
    const float expected[4][4] = {{9.9f, 19.9f, 0, 0}, {9.9f, 27.9f, 0, 1}, {25.9f, 19.9f, 1, 0}, {25.9f, 27.9f, 1, 1}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(vertices[i].x, expected[i][0]);
        EXPECT_FLOAT_EQ(vertices[i].y, expected[i][1]);
        EXPECT_FLOAT_EQ(vertices[i].u, expected[i][2]);
        EXPECT_FLOAT_EQ(vertices[i].v, expected[i][3]);
        EXPECT_FLOAT_EQ(vertices[i].z, -1.0f);
        EXPECT_EQ(vertices[i].colour, 0xFFFFFFFFu);
    }

    // Untextured afterwards: the stage is unbound again.
    m_graphics.Recorder().Clear();
    m_renderer.DrawTexturedQuad(nullptr, FX, FX, 0, 0, 0);
    EXPECT_THAT(Calls("SetTexture"), ElementsAre("SetTexture(0, 0)"));
    delete texture;
}

TEST_F(PrimitiveTest, MisuseIsReportedAndTheNewPrimitiveStartsOver)
{
    m_renderer.PrimitiveBegin(D3DPT_TRIANGLESTRIP, 4, nullptr);
    m_renderer.PrimitiveVertexAdd(0, 0, 0, 0xFFFFFFFF, 0, 0);
    const std::string early = TestSupport::LogOf([&] { m_renderer.PrimitiveBegin(D3DPT_LINESTRIP, 2, nullptr); });
    EXPECT_THAT(early, HasSubstr("condition: m_iPrimitiveVertexIdx == -1 && m_ePrimitiveType == PRIMITIVE_INVALID\n"
                                 "message:\nPrimitiveEnd must be called before calling another PrimitiveBegin"));
    m_renderer.PrimitiveVertexAdd(0, 0, 0, 0xFFFFFFFF, 0, 0);
    m_renderer.PrimitiveVertexAdd(FX, 0, 0, 0xFFFFFFFF, 0, 0);
    EXPECT_TRUE(m_renderer.PrimitiveEnd());
    EXPECT_THAT(Calls("DrawPrimitiveUP"), ElementsAre("DrawPrimitiveUP(3, 1, 24)"));

    const std::string unopened = TestSupport::LogOf([&] { m_renderer.PrimitiveVertexAdd(0, 0, 0, 0, 0, 0); });
    EXPECT_THAT(unopened, HasSubstr("message:\nPrimitiveBegin must be called before calling PrimitiveVertexAdd"));

    m_renderer.PrimitiveBegin(D3DPT_TRIANGLELIST, 3, nullptr);
    m_renderer.PrimitiveVertexAdd(0, 0, 0, 0xFFFFFFFF, 0, 0);
    const std::string shortOne = TestSupport::LogOf([&] { m_renderer.PrimitiveEnd(); });
    EXPECT_THAT(shortOne, HasSubstr("condition: m_iPrimitiveVertexIdx == m_iPrimitiveVertexNumber\n"
                                    "message:\nNot enough number of call of PrimitiveVertexAdd"));
}

TEST_F(PrimitiveTest, VerticesBeyondTheAnnouncedCountOrTheBufferAreNeverWritten)
{
    CoreRendererSettings settings = GameSettings();
    settings.m_uPrimitiveBufferSize = 4;
    CoreRenderer small;
    ASSERT_TRUE(small.Initialize(settings));
    small.BeginFrame();

    small.PrimitiveBegin(D3DPT_TRIANGLESTRIP, 4, nullptr);
    for (int i = 0; i < 4; ++i)
        small.PrimitiveVertexAdd(i * FX, 0, 0, 0xFFFFFFFF, 0, 0);
    const std::string extra = TestSupport::LogOf([&] {
        small.PrimitiveVertexAdd(99 * FX, 0, 0, 0xFFFFFFFF, 0, 0);
        small.PrimitiveVertexAdd(99 * FX, 0, 0, 0xFFFFFFFF, 0, 0);
    });
    EXPECT_THAT(extra, HasSubstr("condition: static_cast<UINT>(m_iPrimitiveVertexIdx) < m_iPrimitiveVertexNumber\n"
                                 "message:\nToo many vertices for specified buffer size."));
    m_graphics.Recorder().Clear();
    EXPECT_TRUE(small.PrimitiveEnd());
    const std::vector<CorePrimitiveVertex> drawn = DrawnVertices(m_graphics.Recorder());
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_FLOAT_EQ(drawn[3].x, 3.0f - small.GetHalfPixelOffsetX());

    // More vertices than the buffer holds: reported, nothing written past
    // the buffer, nothing drawn.
    const std::string tooMany = TestSupport::LogOf([&] {
        small.PrimitiveBegin(D3DPT_TRIANGLELIST, 6, nullptr);
        for (int i = 0; i < 6; ++i)
            small.PrimitiveVertexAdd(0, 0, 0, 0xFFFFFFFF, 0, 0);
    });
    EXPECT_THAT(tooMany, HasSubstr("condition: iVertexNumber != 0 && iVertexNumber <= m_iPrimitiveBufferSize\n"
                                   "message:\nInvalid number of primitives"));
    m_graphics.Recorder().Clear();
    TestSupport::LogCapture capture;
    EXPECT_FALSE(small.PrimitiveEnd());
    capture.Take();
    EXPECT_THAT(Calls("DrawPrimitiveUP"), IsEmpty());
    EXPECT_EQ(TestSupport::LogOf([&] { small.PrimitiveBegin(D3DPT_TRIANGLELIST, 3, nullptr); }), "");
}

TEST_F(PrimitiveTest, FailedDrawLeavesThePrimitiveOpen)
{
    m_renderer.EndFrame(); // no scene: the device refuses to draw
    m_renderer.PrimitiveBegin(D3DPT_POINTLIST, 1, nullptr);
    m_renderer.PrimitiveVertexAdd(0, 0, 0, 0xFFFFFFFF, 0, 0);
    EXPECT_FALSE(m_renderer.PrimitiveEnd());
    const std::string again = TestSupport::LogOf([&] { m_renderer.PrimitiveBegin(D3DPT_POINTLIST, 1, nullptr); });
    EXPECT_THAT(again, HasSubstr("PrimitiveEnd must be called before calling another PrimitiveBegin"));
}

TEST_F(PrimitiveTest, UninitialisedRendererReportsEveryCall)
{
    CoreRenderer bare;
    const std::string output = TestSupport::LogOf([&] {
        bare.PrimitiveBegin(D3DPT_TRIANGLESTRIP, 4, nullptr);
        bare.PrimitiveVertexAdd(0, 0, 0, 0, 0, 0);
        EXPECT_FALSE(bare.PrimitiveEnd());
    });
    size_t reports = 0;
    for (size_t at = output.find("CoreRenderer not initialized."); at != std::string::npos;
         at = output.find("CoreRenderer not initialized.", at + 1))
        ++reports;
    EXPECT_EQ(reports, 3u);
}
