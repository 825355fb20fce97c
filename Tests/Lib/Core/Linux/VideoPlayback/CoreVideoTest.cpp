// The movie player on the recording device, with headless movies.
#include "App/CoreApp.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Support/ScopedService.h"
#include "System/FakeClock.h"
#include "Video/HeadlessVideoSystem.h"
#include "VideoPlayback/CoreVideo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(CoreVideoTilesTest, TilesAreFullOrTheNextPowerOfTwoOfWhatRemains)
{
    const struct {
        uint32_t n, pow2;
    } powers[] = {{0, 0},     {1, 1},     {2, 2},     {3, 4},      {5, 8},
                  {256, 256}, {257, 512}, {512, 512}, {513, 1024}, {5000, 1024}};
    for (const auto& row : powers)
        EXPECT_EQ(CoreNextPow2(row.n), row.pow2) << row.n;

    const struct {
        uint32_t width, height, columns, rows, lastWidth, lastHeight;
    } layouts[] = {
        {1280, 720, 2, 1, 256, 1024}, // one full column and a 256-wide one, in a row 1024 high
        {1920, 1080, 2, 2, 1024, 64}, {1024, 1024, 1, 1, 1024, 1024},
        {2048, 100, 2, 1, 1024, 128}, {640, 480, 1, 1, 1024, 512},
    };
    for (const auto& row : layouts) {
        const CoreVideoTileLayout layout = CoreVideo::MakeTileLayout(row.width, row.height);
        EXPECT_EQ(layout.m_uColumns, row.columns) << row.width;
        EXPECT_EQ(layout.m_uRows, row.rows) << row.height;
        EXPECT_EQ(layout.ColumnWidth(row.columns - 1), row.lastWidth) << row.width;
        EXPECT_EQ(layout.RowHeight(row.rows - 1), row.lastHeight) << row.height;
        if (row.columns > 1) {
            EXPECT_EQ(layout.ColumnWidth(0), CoreVideo::TILE_SIZE);
        }
    }
    const CoreVideoTileLayout wide = CoreVideo::MakeTileLayout(1280, 720);
    EXPECT_EQ(wide.m_uColumns * wide.m_uRows, 2u) << "1280 x 720 makes two tiles";
    EXPECT_EQ(wide.ColumnWidth(0), 1024u);
}

class CoreVideoTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartRenderer(1280, 960));
        Platform::MovieInfo info;
        info.width = 320;
        info.height = 180;
        info.frameCount = 4;
        info.frameRate = 25;
        info.soundTrackCount = 5;
        m_videos.AddMovie("video/five.bik", info);
        info.soundTrackCount = 2;
        m_videos.AddMovie("video/two.bik", info);
        info.soundTrackCount = 0;
        m_videos.AddMovie("video/silent.bik", info);
    }
    void TearDown() override
    {
        CoreVideo::Close();
        StopRenderer();
    }
    bool StartRenderer(uint32_t width, uint32_t height)
    {
        CoreRendererSettings settings = TestSupport::NullRendererSettings();
        settings.m_uWidth = width;
        settings.m_uHeight = height;
        m_pRenderer = std::make_unique<CoreRenderer>();
        g_pCoreApp = new CoreApp();
        g_pCoreApp->m_pRenderer = m_pRenderer.get();
        return m_pRenderer->Initialize(settings);
    }
    void StopRenderer()
    {
        CoreVideo::Close();
        delete g_pCoreApp;
        g_pCoreApp = nullptr;
        m_pRenderer->Shutdown();
        m_pRenderer.reset();
    }
    // The corners of the quads drawn, as screen x, y pairs.
    std::vector<std::pair<float, float>> DrawnCorners()
    {
        std::vector<std::pair<float, float>> corners;
        for (const Platform::GraphicsCall& call : m_graphics.Recorder().Named("DrawPrimitiveUP")) {
            for (size_t offset = 0; offset + 28 <= call.data.size(); offset += 28) {
                float xy[2];
                std::memcpy(xy, call.data.data() + offset, sizeof xy);
                corners.emplace_back(xy[0], xy[1]);
            }
        }
        return corners;
    }

    TestSupport::ScopedNullGraphics m_graphics;
    std::unique_ptr<CoreRenderer> m_pRenderer;
    Platform::FakeClock m_clock;
    TestSupport::ScopedService<Platform::Clock> m_useClock {Platform::SetClock, m_clock};
    Platform::HeadlessVideoSystem m_videos;
    TestSupport::ScopedService<Platform::VideoSystem> m_useVideos {Platform::SetVideoSystem, m_videos};
};

TEST_F(CoreVideoTest, ATrackBeyondTheMoviesTracksPlaysTrackZero)
{
    // The file is opened once with the wanted track, and again only when
    // the movie has tracks but not that one.
    const struct {
        const char* path;
        uint32_t wanted;
        std::vector<uint32_t> opened;
    } cases[] = {{"video/five.bik", 2, {2}},
                 {"video/five.bik", 4, {4}},
                 {"video/five.bik", 5, {5, 0}},
                 {"video/two.bik", 4, {4, 0}},
                 {"video/five.bik", Platform::MOVIE_NO_SOUND, {Platform::MOVIE_NO_SOUND, 0}},
                 {"video/silent.bik", 1, {1}}};
    for (const auto& row : cases) {
        m_videos.ClearRecord();
        ASSERT_TRUE(CoreVideo::Open(row.path, row.wanted)) << row.path;
        std::vector<uint32_t> opened;
        for (const Platform::VideoRecord::OpenCall& open : m_videos.Record().opens)
            opened.push_back(open.soundTrack);
        EXPECT_EQ(opened, row.opened) << row.path << " track " << row.wanted;
        CoreVideo::Close();
    }
}

TEST_F(CoreVideoTest, OpeningDecodesTheFirstFrameIntoOneTexturePaused)
{
    ASSERT_TRUE(CoreVideo::Open("video/five.bik", 0));
    EXPECT_EQ(CoreVideo::GetStatus(), CoreVideo::VIDEO_PAUSE);
    EXPECT_FALSE(CoreVideo::IsTiled()) << "the device takes any texture size";
    EXPECT_EQ(CoreVideo::GetTileLayout().ColumnWidth(0), 320u);
    EXPECT_EQ(CoreVideo::GetFrameFormat(), uint32_t(Platform::D3DFMT_X8R8G8B8));
    EXPECT_EQ(CoreVideo::GetAlphaFormat(), uint32_t(Platform::D3DFMT_A8R8G8B8));
    EXPECT_EQ(m_videos.Record().decodedFrames, std::vector<uint32_t> {1});
    EXPECT_EQ(CoreVideo::GetMovie()->CurrentFrame(), 2u);
    CoreVideo::Play();
    EXPECT_EQ(CoreVideo::GetStatus(), CoreVideo::VIDEO_PLAY);
    CoreVideo::Stop();
    EXPECT_EQ(CoreVideo::GetStatus(), CoreVideo::VIDEO_STOP);
    CoreVideo::Close();
    EXPECT_EQ(CoreVideo::GetStatus(), CoreVideo::VIDEO_CLOSED);
    EXPECT_EQ(CoreVideo::GetMovie(), nullptr);
}

TEST_F(CoreVideoTest, LateFramesAreDroppedAndTheLastFrameIsReported)
{
    ASSERT_TRUE(CoreVideo::Open("video/five.bik", 0));
    CoreVideo::Play();
    m_clock.AdvanceMilliseconds(1);
    EXPECT_TRUE(CoreVideo::GetMovie()->Wait()) << "frame 2 is due 40 ms in";
    m_clock.AdvanceMilliseconds(80); // frames 2 and 3 are due
    EXPECT_FALSE(CoreVideo::DecodeFrame(false, false));
    EXPECT_EQ(m_videos.Record().decodedFrames, (std::vector<uint32_t> {1, 2, 3}));
    EXPECT_TRUE(CoreVideo::DecodeFrame(false, true)) << "frame 4 is the last";
    EXPECT_EQ(m_videos.Record().decodedFrames.back(), 4u);
}

// A file cut short plays to its cut: the log says it ended early, once, and
// names it; a whole one, or one a frame short of its rounded length, does not.
TEST_F(CoreVideoTest, AMovieCutShortSaysItEndedEarlyNamingItsFile)
{
    Platform::MovieInfo info;
    info.width = 320;
    info.height = 180;
    info.frameCount = 3;
    info.frameRate = 25;
    for (const uint32_t announced : {0u, 3u, 4u, 8u}) {
        info.announcedFrameCount = announced;
        m_videos.AddMovie("video/cut.bik", info);
        TestSupport::LogCapture log;
        ASSERT_TRUE(CoreVideo::Open("video/cut.bik", 0));
        CoreVideo::Play();
        while (!CoreVideo::DecodeFrame(false, true)) { }
        CoreVideo::DecodeFrame(false, true); // past the end
        const std::string line = "Movie video/cut.bik ended early: the file holds 3 of the 8 frames it announces\n";
        EXPECT_EQ(log.Text(), announced == 8 ? line : "") << announced;
        CoreVideo::Close();
    }
}

TEST_F(CoreVideoTest, AMovieThatCannotBeOpenedLeavesNothingToDecodeOrDraw)
{
    TestSupport::LogCapture log;
    EXPECT_FALSE(CoreVideo::Open("video/missing.bik", 0));
    EXPECT_TRUE(log.Contains("couldn't open movie video/missing.bik\nvideo/missing.bik: no such movie\n"))
        << log.Text();
    EXPECT_EQ(CoreVideo::GetStatus(), CoreVideo::VIDEO_CLOSED);
    EXPECT_EQ(CoreVideo::GetMovie(), nullptr);
    EXPECT_FALSE(CoreVideo::DecodeFrame(true, true));
    ASSERT_TRUE(m_pRenderer->BeginFrame());
    CoreVideo::Render(0.0f, 0.0f, 256.0f, 192.0f);
    m_pRenderer->EndFrame();
    EXPECT_TRUE(DrawnCorners().empty());
}

TEST_F(CoreVideoTest, TheMovieFillsTheCentredFourByThreeArea)
{
    const struct {
        uint32_t width, height;
        float left, right;
    } screens[] = {{1600, 1200, 0.0f, 1600.0f}, {1920, 1080, 240.0f, 1680.0f}};
    for (const auto& screen : screens) {
        StopRenderer();
        ASSERT_TRUE(StartRenderer(screen.width, screen.height));
        ASSERT_TRUE(CoreVideo::Open("video/five.bik", 0));
        ASSERT_TRUE(m_pRenderer->BeginFrame());
        m_graphics.Recorder().Clear();
        CoreVideo::Render(0.0f, 0.0f, 256.0f, 192.0f);
        m_pRenderer->EndFrame();
        const auto corners = DrawnCorners();
        ASSERT_EQ(corners.size(), 4u) << "one quad";
        EXPECT_FLOAT_EQ(corners[0].first, screen.left - 0.5f) << screen.width;
        EXPECT_FLOAT_EQ(corners[0].second, -0.5f);
        EXPECT_FLOAT_EQ(corners[3].first, screen.right - 0.5f) << screen.width;
        EXPECT_FLOAT_EQ(corners[3].second, float(screen.height) - 0.5f);
    }
}

// 1280 x 720 on a device that wants power-of-two sizes: a 1024-wide and a
// 256-wide tile side by side, each 1024 high, each copied from its own
// part of the frame, the movie's bottom edge left black.
TEST_F(CoreVideoTest, AWideMovieOnPowerOfTwoTexturesIsCopiedAndDrawnAsTwoTiles)
{
    StopRenderer();
    m_graphics.Control().textureCaps = Platform::D3DPTEXTURECAPS_POW2;
    ASSERT_TRUE(StartRenderer(1280, 960));
    Platform::MovieInfo info;
    info.width = 1280;
    info.height = 720;
    info.frameCount = 2;
    info.frameRate = 25;
    m_videos.AddMovie("video/wide.bik", info);
    ASSERT_TRUE(CoreVideo::Open("video/wide.bik", 0));
    ASSERT_TRUE(CoreVideo::IsTiled());
    const std::vector<Platform::GraphicsCall> made = m_graphics.Recorder().Named("CreateTexture");
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made[0].arguments[0], 1024u);
    EXPECT_EQ(made[0].arguments[1], 1024u);
    EXPECT_EQ(made[1].arguments[0], 256u);
    EXPECT_EQ(made[1].arguments[1], 1024u);

    ASSERT_TRUE(m_pRenderer->BeginFrame());
    m_graphics.Recorder().Clear();
    CoreVideo::Render(0.0f, 0.0f, 256.0f, 144.0f);
    m_pRenderer->EndFrame();
    const auto corners = DrawnCorners();
    ASSERT_EQ(corners.size(), 8u) << "two quads";
    // 1280 pixels across: the first tile covers 1024 of them, the second
    // the remaining 256; each is 1024 high at 720 pixels to 720.
    EXPECT_FLOAT_EQ(corners[3].first, 1024.0f - 0.5f);
    EXPECT_FLOAT_EQ(corners[3].second, 1024.0f - 0.5f);
    EXPECT_FLOAT_EQ(corners[4].first, 1024.0f - 0.5f);
    EXPECT_FLOAT_EQ(corners[7].first, 1280.0f - 0.5f);
}

} // namespace
