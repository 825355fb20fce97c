#include "RendererTestFixture.h"
#include "Support/LogCapture.h"

#include <gmock/gmock.h>

#include <cstring>

using namespace Platform;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

PresentParameters CreatedParameters(const GraphicsRecorder& recorder)
{
    PresentParameters parameters {};
    for (const GraphicsCall& call : recorder.Calls()) {
        if (call.name == "CreateDevice" && call.data.size() == sizeof parameters)
            std::memcpy(&parameters, call.data.data(), sizeof parameters);
    }
    return parameters;
}

} // namespace

TEST_F(RendererTest, StartSendsTheDefaultStatesInOrderThenReadsThemBack)
{
    ASSERT_TRUE(m_renderer.Initialize(GameSettings()));
    std::vector<std::string> sent;
    int reads = 0;
    for (const GraphicsCall& call : m_graphics.Recorder().Calls()) {
        if (call.name == "SetRenderState" || call.name == "SetTextureStageState" || call.name == "SetSamplerState")
            sent.push_back(call.Text());
        if (call.name == "GetRenderState")
            ++reads;
    }
    EXPECT_THAT(sent, ElementsAre("SetRenderState(8, 3)", "SetRenderState(22, 1)", "SetRenderState(23, 4)",
                                  "SetTextureStageState(0, 1, 4)", "SetTextureStageState(0, 2, 2)",
                                  "SetTextureStageState(0, 3, 0)", "SetRenderState(15, 1)", "SetRenderState(27, 1)",
                                  "SetTextureStageState(0, 4, 4)", "SetTextureStageState(0, 5, 2)",
                                  "SetTextureStageState(0, 6, 0)", "SetRenderState(24, 1)", "SetRenderState(25, 7)",
                                  "SetRenderState(19, 5)", "SetRenderState(20, 6)", "SetSamplerState(0, 5, 2)",
                                  "SetSamplerState(0, 6, 3)", "SetSamplerState(0, 7, 0)", "SetSamplerState(0, 1, 3)",
                                  "SetSamplerState(0, 2, 3)", "SetRenderState(7, 1)", "SetRenderState(14, 1)",
                                  "SetRenderState(52, 0)", "SetRenderState(56, 3)", "SetRenderState(57, 0)",
                                  "SetRenderState(58, 4294967295)", "SetRenderState(59, 4294967295)",
                                  "SetRenderState(54, 1)", "SetRenderState(53, 1)", "SetRenderState(55, 7)",
                                  "SetRenderState(137, 0)", "SetRenderState(139, 4278190080)"));
    EXPECT_EQ(reads, 103);

    // Start-up ends with the viewport of the settings and a clear of target
    // and depth.
    const std::vector<std::string> all = Calls();
    ASSERT_GE(all.size(), 2u);
    EXPECT_EQ(all[all.size() - 2], "SetViewport(0, 0, 1280, 960)");
    EXPECT_EQ(all.back(), "Clear(3, 0, 1065353216, 0)");
    EXPECT_EQ(m_renderer.GetClearColor(), 0xFF000000u);
}

TEST_F(RendererTest, CacheAnswersTheDeviceValuesAndSendsOnlyChanges)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(m_renderer.GetRenderState(D3DRS_AMBIENT), 0xFF000000u);
    EXPECT_EQ(m_renderer.GetRenderState(D3DRS_CULLMODE), uint32_t(D3DCULL_NONE));
    // A state the defaults leave alone reads back as the device has it.
    EXPECT_EQ(m_renderer.GetRenderState(D3DRS_SHADEMODE), uint32_t(D3DSHADE_GOURAUD));
    EXPECT_THAT(Calls(), IsEmpty());

    m_renderer.SetRenderState(D3DRS_LIGHTING, 0);
    m_renderer.SetStencilPass(D3DSTENCILOP_INCR);
    EXPECT_THAT(Calls(), IsEmpty());

    m_renderer.SetRenderState(D3DRS_LIGHTING, 1);
    m_renderer.SetRenderState(D3DRS_LIGHTING, 1);
    m_renderer.SetStencilRef(2);
    EXPECT_THAT(Calls(), ElementsAre("SetRenderState(137, 1)", "SetRenderState(57, 2)"));
    EXPECT_EQ(m_renderer.GetRenderState(D3DRS_LIGHTING), 1u);
}

TEST_F(RendererTest, HalfPixelOffsetsOfA1280By960WindowAreATenthOfAUnit)
{
    ASSERT_TRUE(Start());
    EXPECT_FLOAT_EQ(m_renderer.GetHalfPixelOffsetX(), 0.1f);
    EXPECT_FLOAT_EQ(m_renderer.GetHalfPixelOffsetY(), 0.1f);
}

TEST_F(RendererTest, WindowedDeviceUsesTheDesktopFormatAndCopiesWithoutMultisampling)
{
    Control().displayMode.format = D3DFMT_A8R8G8B8;
    Control().multiSampleCounts[D3DFMT_X8R8G8B8] = {2, 4, 8};
    Control().multiSampleCounts[D3DFMT_D24S8] = {2, 4, 8};
    CoreRendererSettings settings = GameSettings();
    settings.m_uMultiSample = 8;
    ASSERT_TRUE(m_renderer.Initialize(settings));

    EXPECT_THAT(Calls("CheckDeviceMultiSampleType"), IsEmpty());
    const PresentParameters parameters = CreatedParameters(m_graphics.Recorder());
    EXPECT_EQ(parameters.windowed, 1u);
    EXPECT_EQ(parameters.swapEffect, uint32_t(D3DSWAPEFFECT_COPY));
    EXPECT_EQ(parameters.backBufferFormat, uint32_t(D3DFMT_A8R8G8B8));
    EXPECT_EQ(parameters.backBufferWidth, 0u);
    EXPECT_EQ(parameters.multiSampleType, 0u);
    EXPECT_EQ(parameters.enableAutoDepthStencil, 1u);
    EXPECT_EQ(parameters.autoDepthStencilFormat, uint32_t(D3DFMT_D24S8));
    EXPECT_EQ(parameters.presentationInterval, uint32_t(D3DPRESENT_INTERVAL_ONE));
    EXPECT_THAT(Calls("CreateDevice"), ElementsAre("CreateDevice(0, 1, 32)"));
}

TEST_F(RendererTest, FullScreenTakesTheMostSamplesBothFormatsOffer)
{
    Control().multiSampleCounts[D3DFMT_X8R8G8B8] = {2, 4, 8};
    Control().multiSampleCounts[D3DFMT_D24S8] = {2, 4};
    CoreRendererSettings settings = GameSettings();
    settings.m_uFullScreen = 0x100; // only the low byte counts
    settings.m_uMultiSample = 8;
    ASSERT_TRUE(m_renderer.Initialize(settings));
    EXPECT_EQ(CreatedParameters(m_graphics.Recorder()).windowed, 1u);

    m_graphics.Recorder().Clear();
    CoreRenderer fullScreen;
    settings.m_uFullScreen = 1;
    ASSERT_TRUE(fullScreen.Initialize(settings));
    EXPECT_THAT(Calls("CheckDeviceMultiSampleType"),
                ElementsAre("CheckDeviceMultiSampleType(0, 1, 22, 0, 8)", "CheckDeviceMultiSampleType(0, 1, 75, 0, 8)",
                            "CheckDeviceMultiSampleType(0, 1, 22, 0, 7)", "CheckDeviceMultiSampleType(0, 1, 22, 0, 6)",
                            "CheckDeviceMultiSampleType(0, 1, 22, 0, 5)", "CheckDeviceMultiSampleType(0, 1, 22, 0, 4)",
                            "CheckDeviceMultiSampleType(0, 1, 75, 0, 4)"));
    const PresentParameters parameters = CreatedParameters(m_graphics.Recorder());
    EXPECT_EQ(parameters.multiSampleType, 4u);
    EXPECT_EQ(parameters.windowed, 0u);
    EXPECT_EQ(parameters.swapEffect, uint32_t(D3DSWAPEFFECT_DISCARD));
    EXPECT_EQ(parameters.backBufferFormat, uint32_t(D3DFMT_X8R8G8B8));
    EXPECT_EQ(parameters.backBufferWidth, 1280u);
    EXPECT_EQ(parameters.backBufferHeight, 960u);
    EXPECT_EQ(parameters.backBufferCount, 1u);
}

TEST_F(RendererTest, FullScreenWithoutAntiAliasingAsksNothing)
{
    Control().multiSampleCounts[D3DFMT_X8R8G8B8] = {2};
    Control().multiSampleCounts[D3DFMT_D24S8] = {2};
    for (uint32_t level : {0u, 1u}) {
        m_graphics.Recorder().Clear();
        CoreRendererSettings settings = GameSettings();
        settings.m_uFullScreen = 1;
        settings.m_uMultiSample = level;
        CoreRenderer renderer;
        ASSERT_TRUE(renderer.Initialize(settings));
        EXPECT_THAT(Calls("CheckDeviceMultiSampleType"), IsEmpty()) << level;
        EXPECT_EQ(CreatedParameters(m_graphics.Recorder()).multiSampleType, 0u);
    }
}

TEST_F(RendererTest, AFailedStepEndsStartUp)
{
    Control().failDisplayMode = true;
    EXPECT_FALSE(m_renderer.Initialize(GameSettings()));
    EXPECT_THAT(Calls("CreateDevice"), IsEmpty());

    Control().failDisplayMode = false;
    Control().failCreateDevice = true;
    CoreRenderer second;
    EXPECT_FALSE(second.Initialize(GameSettings()));
    EXPECT_EQ(second.GetDevice(), nullptr);

    Platform::SetGraphicsSystemFactory([]() -> GraphicsSystem* { return nullptr; });
    CoreRenderer third;
    EXPECT_FALSE(third.Initialize(GameSettings()));

    CoreRendererSettings huge = GameSettings();
    huge.m_uPrimitiveBufferSize = 0x10000000; // 6 GB of vertices
    Control().failCreateDevice = false;
    TestSupport::ScopedNullGraphics graphics;
    CoreRenderer fourth;
    EXPECT_FALSE(fourth.Initialize(huge));
}

TEST_F(RendererTest, FrameClearsTheViewportAndPresents)
{
    ASSERT_TRUE(Start());
    m_renderer.SetClearColor(0xFF102030);
    EXPECT_TRUE(m_renderer.BeginFrame());
    m_renderer.ClearFrame();
    m_renderer.EndFrame();
    EXPECT_THAT(Calls(), ElementsAre("BeginScene()", "SetViewport(0, 0, 1280, 960)",
                                     "Clear(7, 4279246896, 1065353216, 0)", "EndScene()", "Present()"));
    EXPECT_FALSE(m_renderer.IsDeviceLost());
}

TEST_F(RendererTest, LostDeviceIsResetOnceItCanBe)
{
    ASSERT_TRUE(Start());
    Control().deviceLost = true;
    Control().cooperativeLevels = {D3DERR_DEVICELOST, D3DERR_DEVICELOST};
    m_renderer.BeginFrame();
    m_renderer.EndFrame();
    EXPECT_TRUE(m_renderer.IsDeviceLost());

    // Still lost: nothing but the scene, which draws nothing visible.
    m_graphics.Recorder().Clear();
    EXPECT_TRUE(m_renderer.BeginFrame());
    m_renderer.EndFrame();
    EXPECT_THAT(Calls(), ElementsAre("TestCooperativeLevel()", "BeginScene()", "EndScene()", "Present()"));
    m_graphics.Recorder().Clear();
    m_renderer.BeginFrame();
    m_renderer.EndFrame();
    EXPECT_TRUE(m_renderer.IsDeviceLost());

    // Ready to reset: reset, defaults again, nothing logged.
    m_graphics.Recorder().Clear();
    TestSupport::LogCapture capture;
    EXPECT_TRUE(m_renderer.BeginFrame());
    EXPECT_EQ(capture.Take(), "");
    EXPECT_FALSE(m_renderer.IsDeviceLost());
    const std::vector<std::string> calls = Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "TestCooperativeLevel()");
    EXPECT_EQ(calls[1], "Reset()");
    EXPECT_EQ(calls[2], "SetRenderState(8, 3)");
    EXPECT_EQ(calls.back(), "BeginScene()");
    EXPECT_EQ(Calls("GetRenderState").size(), 103u);
    EXPECT_EQ(m_renderer.GetRenderState(D3DRS_AMBIENT), 0xFF000000u);
    m_renderer.EndFrame();
    EXPECT_FALSE(m_renderer.IsDeviceLost());
}

TEST_F(RendererTest, FailedResetIsLoggedByNameAndCaughtAgainByPresent)
{
    const std::pair<GraphicsResult, const char*> failures[] = {
        {D3DERR_OUTOFVIDEOMEMORY, "D3DERR_OUTOFVIDEOMEMORY\n"},
        {D3DERR_DRIVERINTERNALERROR, "D3DERR_DRIVERINTERNALERROR\n"},
        {D3DERR_DEVICELOST, "D3DERR_DEVICELOST\n"},
        {D3DERR_INVALIDCALL, "D3DERR_INVALIDCALL\n"},
        {D3DERR_NOTAVAILABLE, ""},
    };
    ASSERT_TRUE(Start());
    for (const auto& [result, text] : failures) {
        Control().deviceLost = true;
        Control().resetResults = {result};
        m_renderer.SetDeviceLost(true);
        m_graphics.Recorder().Clear();
        TestSupport::LogCapture capture;
        m_renderer.BeginFrame();
        EXPECT_EQ(capture.Take(), text);
        // The states are sent again and the flag cleared all the same.
        EXPECT_FALSE(m_renderer.IsDeviceLost());
        EXPECT_EQ(Calls("GetRenderState").size(), 103u);
        m_renderer.EndFrame();
        EXPECT_TRUE(m_renderer.IsDeviceLost()) << text;
    }
}

TEST_F(RendererTest, ShutdownReleasesTheDevice)
{
    ASSERT_TRUE(Start());
    m_renderer.Shutdown();
    EXPECT_EQ(m_renderer.GetDevice(), nullptr);
    EXPECT_EQ(m_renderer.GetPrimitiveBuffer(), nullptr);
}
