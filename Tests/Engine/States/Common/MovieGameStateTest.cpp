// The movie state in the state manager, with headless movies and input.
#include "App/CoreApp.h"
#include "Game/TwGame.h"
#include "Managers/Common/SoundManager.h"
#include "States/Common/FiniteStateManager.h"
#include "States/Common/MovieGameState.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/NullRendererTest.h"
#include "Support/ScopedInputSystem.h"
#include "Support/ScopedService.h"
#include "Support/TestPaths.h"
#include "System/FakeClock.h"
#include "Video/HeadlessVideoSystem.h"
#include "VideoPlayback/CoreVideo.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

constexpr uint32_t MOVIE_CINE00 = 1;
constexpr uint32_t MOVIE_CINE01 = 2;

// Stands for the main state: counts its frames.
class NextState final : public GameState {
public:
    explicit NextState(FiniteStateManager* pOwner) : GameState(pOwner, STATE_ID_MAIN) { }
    uint16_t Update(uint32_t) override { return STATE_ID_MAIN; }
    void Render() override { }

protected:
    void OnInit() override { }
    void OnShutdown() override { }
};

TEST(MovieGameStatePlacementTest, TheMovieIsLetterboxedOrPillarboxedToSixteenByNine)
{
    const struct {
        uint32_t width, height;
        fx32 left, top, movieWidth, movieHeight;
    } screens[] = {
        {1280, 960, 0, 24 * FX32_ONE, 256 * FX32_ONE, 144 * FX32_ONE},
        {1600, 1200, 0, 24 * FX32_ONE, 256 * FX32_ONE, 144 * FX32_ONE},
        {1920, 1080, fx32(0xFFFD5556), 0, 0x155554, 192 * FX32_ONE},
        {2560, 1080, fx32(0xFFFD5556), 0, 0x155554, 192 * FX32_ONE},
        {1280, 1024, 8 * FX32_ONE, 0x1C800, 0x0F0000, 0x87000}, // 28.5 rounded towards zero

        {7680, 4320, fx32(0xFFFD5556), 0, 0x155554, 192 * FX32_ONE},
    };
    for (const auto& screen : screens) {
        const MovieRectangle place = MovieGameState::Placement(screen.width, screen.height);
        EXPECT_EQ(place.m_fxLeft, screen.left) << screen.width << "x" << screen.height;
        EXPECT_EQ(place.m_fxTop, screen.top) << screen.width << "x" << screen.height;
        EXPECT_EQ(place.m_fxWidth, screen.movieWidth) << screen.width << "x" << screen.height;
        EXPECT_EQ(place.m_fxHeight, screen.movieHeight) << screen.width << "x" << screen.height;
    }
}

TEST(MovieGameStatePlacementTest, VoiceLanguagesPickTheirTracksAndMovieTimeNeverDividesByZero)
{
    const uint32_t tracks[] = {0, 2, 1, 4, 3};
    for (int32_t voice = 0; voice < 5; ++voice)
        EXPECT_EQ(MovieGameState::SoundTrackOfVoiceLanguage(voice), tracks[voice]);
    EXPECT_EQ(MovieGameState::SoundTrackOfVoiceLanguage(5), 0u);
    EXPECT_EQ(MovieGameState::SoundTrackOfVoiceLanguage(-1), 0u);

    EXPECT_EQ(MovieGameState::MovieTime(50, 25, 1), 2000u);
    EXPECT_EQ(MovieGameState::MovieTime(30, 30000, 1001), 1001u);
    EXPECT_EQ(MovieGameState::MovieTime(50, 0, 1), 0u);
}

class MovieGameStateTest : public testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        ASSERT_TRUE(m_renderer.IsReady());
        g_pCoreApp = new CoreApp();
        g_pCoreApp->m_pRenderer = &m_renderer.Renderer();
        Platform::MovieInfo info;
        info.width = 320;
        info.height = 180;
        info.frameCount = 50; // two seconds
        info.frameRate = 25;
        info.soundTrackCount = 5;
        m_videos.AddMovie("video/cine00_hd.bik", info);
        m_videos.AddMovie("video/cine01_hd.bik", info);
        m_input.Devices().SetPointer(640, 480); // in the window
        m_manager.AddState(std::make_unique<MovieGameState>(&m_manager));
        m_manager.AddState(std::make_unique<NextState>(&m_manager));
        m_folder.WriteFile("video/placeholder", "");
        m_savedVoice = g_oTwGame.m_iVoiceLanguage;
        m_savedVolume = SoundManager::m_fxMasterMusicVolume;
    }
    void TearDown() override
    {
        {
            TestSupport::LogCapture log;
            m_manager.ReleaseStates();
        }
        g_oTwGame.m_iVoiceLanguage = m_savedVoice;
        SoundManager::m_fxMasterMusicVolume = m_savedVolume;
        delete g_pCoreApp;
        g_pCoreApp = nullptr;
    }
    void WriteSubtitles(const std::vector<uint32_t>& words)
    {
        std::string bytes;
        for (uint32_t word : words) {
            for (int shift = 0; shift < 32; shift += 8)
                bytes.push_back(char(word >> shift));
        }
        m_folder.WriteFile("video/cine00.tw.sub", bytes);
    }
    void Start(std::initializer_list<uint32_t> movies)
    {
        for (uint32_t movie : movies)
            m_manager.GetStateQueue().Push({STATE_ID_MOVIE, movie, 0});
        m_manager.SetState(STATE_ID_MOVIE);
    }
    // One game frame, 40 ms on: input, update, render.
    uint16_t Frame(bool click = false)
    {
        m_input.Devices().SetMouseButton(0, click);
        m_input.Frame();
        m_manager.ManageStates(40);
        CoreRenderer& renderer = m_renderer.Renderer();
        if (renderer.BeginFrame()) {
            m_manager.RenderCurrentState();
            renderer.EndFrame();
        }
        m_clock.AdvanceMilliseconds(40);
        return m_manager.GetNextStateId();
    }
    MovieGameState& Movie() { return *static_cast<MovieGameState*>(m_manager.GetState(STATE_ID_MOVIE)); }

    TestSupport::TempDir m_folder;
    const std::filesystem::path m_data = std::filesystem::absolute(TestSupport::DataDir());
    TestSupport::ScopedWorkingDirectory m_cwd {m_folder.Path()};
    TestSupport::ScopedNullRenderer m_renderer;
    TestSupport::ScopedInputSystem m_input;
    Platform::FakeClock m_clock;
    TestSupport::ScopedService<Platform::Clock> m_useClock {Platform::SetClock, m_clock};
    Platform::HeadlessVideoSystem m_videos;
    TestSupport::ScopedService<Platform::VideoSystem> m_useVideos {Platform::SetVideoSystem, m_videos};
    FiniteStateManager m_manager;
    int32_t m_savedVoice = 0;
    fx32 m_savedVolume = 0;
};

TEST_F(MovieGameStateTest, TheQueuedMoviePlaysEveryFrameToItsEndThenTheMainStateFollows)
{
    WriteSubtitles({1, 0x1234, 0, 1000});
    g_oTwGame.m_iVoiceLanguage = 1;              // French
    SoundManager::m_fxMasterMusicVolume = 0x800; // half
    TestSupport::LogCapture log;
    Start({MOVIE_CINE00});
    ASSERT_EQ(m_videos.Record().opens.size(), 1u);
    EXPECT_EQ(m_videos.Record().opens[0].path, "video/cine00_hd.bik");
    EXPECT_EQ(m_videos.Record().opens[0].soundTrack, 2u) << "the French voice is track 2";
    ASSERT_EQ(m_videos.Record().volumes.size(), 1u);
    EXPECT_EQ(m_videos.Record().volumes[0].track, 0u);
    EXPECT_EQ(m_videos.Record().volumes[0].volume, 16384);
    EXPECT_EQ(CoreVideo::GetStatus(), CoreVideo::VIDEO_PLAY);
    EXPECT_EQ(Movie().GetSubTitles().GetItemCount(), 1);

    int frames = 0;
    while (Frame() == STATE_ID_MOVIE && frames < 200)
        ++frames;
    EXPECT_EQ(m_videos.Record().decodedFrames.size(), 50u) << "every frame once, at 25 frames a second";
    EXPECT_NEAR(frames, 50, 2);
    EXPECT_EQ(m_manager.GetNextStateId(), STATE_ID_MAIN);
    EXPECT_TRUE(m_manager.GetStateQueue().IsEmpty());
    Frame();
    EXPECT_EQ(m_manager.GetCurrentStateId(), STATE_ID_MAIN);
    EXPECT_EQ(CoreVideo::GetMovie(), nullptr) << "closed on exit";
    EXPECT_TRUE(log.Contains("Before Movie Init"));
    EXPECT_TRUE(log.Contains("After Movie Shutdown"));
    EXPECT_FALSE(log.Contains("ms_iVideoStatus")) << log.Text();
}

TEST_F(MovieGameStateTest, AClickOnTheFirstFrameEndsTheMovieAndTheNextQueuedMovieStartsInTheNextFrame)
{
    TestSupport::LogCapture log;
    Start({MOVIE_CINE00, MOVIE_CINE01});
    EXPECT_EQ(Frame(true), STATE_ID_MOVIE);
    ASSERT_EQ(m_videos.Record().opens.size(), 2u);
    EXPECT_EQ(m_videos.Record().opens[1].path, "video/cine01_hd.bik");
    EXPECT_EQ(CoreVideo::GetStatus(), CoreVideo::VIDEO_PLAY);
    EXPECT_EQ(m_manager.GetStateQueue().GetCount(), 1);
    // The button is still held: a press is a new click only.
    EXPECT_EQ(Frame(true), STATE_ID_MOVIE);
    EXPECT_EQ(Frame(false), STATE_ID_MOVIE);
    EXPECT_EQ(Frame(true), STATE_ID_MAIN);
    EXPECT_TRUE(m_manager.GetStateQueue().IsEmpty());
    EXPECT_FALSE(log.Contains("ms_iVideoStatus")) << log.Text();
    EXPECT_TRUE(log.Contains("MovieGameState::OnInit -- Unable to load memory for video/cine00.tw.sub.\n"));
}

TEST_F(MovieGameStateTest, SubtitlesFollowTheMoviesFrames)
{
    // Frame n (1-based) is on screen from (n - 1) * 40 ms; the movie time
    // is read after it was decoded.
    WriteSubtitles({2, 0xAAAA, 0, 400, 0xBBBB, 400, 2000});
    Start({MOVIE_CINE00});
    std::vector<int32_t> shown;
    for (int frame = 0; frame < 14; ++frame) {
        Frame();
        shown.push_back(Movie().GetSubTitles().GetCurrentIndex());
    }
    // Frame 2 is the current frame after the first update (time 80 ms on
    // the frame counter), frame 10 reaches 400 ms.
    EXPECT_EQ(shown.front(), 0);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), 0), 8);
    EXPECT_EQ(shown.back(), 1);
}

TEST_F(MovieGameStateTest, AMovieThatCannotBeOpenedEndsTheStateAtOnceWithALogLine)
{
    TestSupport::LogCapture log;
    Start({7}); // no such file
    EXPECT_TRUE(log.Contains("couldn't open movie video/cine08_hd.bik\n")) << log.Text();
    EXPECT_EQ(CoreVideo::GetStatus(), CoreVideo::VIDEO_CLOSED);
    EXPECT_EQ(Frame(), STATE_ID_MAIN);
    EXPECT_TRUE(m_videos.Record().decodedFrames.empty());
    EXPECT_FALSE(log.Contains("ms_iVideoStatus")) << "neither played nor stopped";
}

// A damaged copy of the intro on the real decoder: the state plays what it
// can and ends, without reading outside what was decoded.
TEST_F(MovieGameStateTest, ADamagedMovieFileEndsTheStateCleanly)
{
    Platform::SetVideoSystem(nullptr);
    const std::vector<uint8_t> movie = TestSupport::ReadFileBytes(m_data / "video" / "cine00_sd.bik");
    ASSERT_GT(movie.size(), 10000u);
    for (size_t keep : {movie.size() / 2, movie.size() / 5}) {
        std::vector<uint8_t> damaged(movie.begin(), movie.begin() + std::ptrdiff_t(keep));
        for (size_t i = keep / 3; i < keep / 3 + 256; ++i)
            damaged[i] ^= 0x5A;
        std::ofstream(m_folder / "video/cine00_hd.bik", std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(damaged.data()), std::streamsize(damaged.size()));
        TestSupport::LogCapture log;
        Start({MOVIE_CINE00});
        int frames = 0;
        while (Frame() == STATE_ID_MOVIE && frames < 400)
            ++frames;
        EXPECT_LT(frames, 400) << keep;
        Frame();
        EXPECT_EQ(m_manager.GetCurrentStateId(), STATE_ID_MAIN);
        m_manager.SetState(STATE_ID_MAIN);
    }
}

} // namespace
