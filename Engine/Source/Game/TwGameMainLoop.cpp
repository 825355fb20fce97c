#include "Game/TwGame.h"

#include "App/CoreApp.h"
#include "Common/ProfileSections.h"
#include "Effects/Common/Effect.h"
#include "Input/Common/InputSystem.h"
#include "Input/CoreInput.h"
#include "Input/InputEventHandler.h"
#include "Managers/Common/SoundManager.h"
#include "Profiler/CoreProfiler.h"
#include "Renderer/CoreRenderer.h"
#include "Sound/CoreSound.h"
#include "System/Clock.h"
#include "VideoPlayback/CoreVideo.h"

void TwGame::MainLoop()
{
    InitializeStates();

    m_iLastClock = Platform::GetClock().WallClockMilliseconds();
    CoreUpdate();
    m_iSpeedShift = s_iStartSpeedShift;

    Core::CoreProfiler& profiler = Core::CoreProfiler::GetInstance();
    bool bMoviesLoading = false;
    for (;;) {
        const uint32_t frameTime = AdvanceFrameTime();

        profiler.NextFrame();
        profiler.Start(PROFILE_UPDATE);
        Update(frameTime);
        profiler.Stop(PROFILE_UPDATE);

        CoreRenderer* renderer = g_pCoreApp ? g_pCoreApp->m_pRenderer : nullptr;
        profiler.Start(PROFILE_RENDER);
        if (renderer) {
            renderer->BeginFrame();
            renderer->ClearFrame();
        }
        Render();
        profiler.Stop(PROFILE_RENDER);
        if (renderer)
            renderer->EndFrame();
        // Once the first frame is shown, the movie decoder loads beside the
        // game: neither the start nor the first movie waits for it.
        if (!bMoviesLoading) {
            CoreVideo::LoadAhead();
            bMoviesLoading = true;
        }

        profiler.EndFrame();
        profiler.Start(PROFILE_SYNC);
        profiler.Stop(PROFILE_SYNC);

        CoreUpdate();
        if (!g_pCoreApp || g_pCoreApp->m_bQuit)
            break;
        EndStateFrame();
    }
}

void TwGame::EndAsFailed()
{
    m_bFailed = true;
    if (g_pCoreApp)
        g_pCoreApp->m_bQuit = true;
}

uint32_t TwGame::AdvanceFrameTime()
{
    const int32_t reading = Platform::GetClock().WallClockMilliseconds();
    // The clock wraps like a 32-bit count: the difference is taken the same way.
    const int32_t milliseconds =
        static_cast<int32_t>(static_cast<uint32_t>(reading) - static_cast<uint32_t>(m_iLastClock));
    m_iLastClock = reading;

    // The clock counts whole milliseconds, so a frame paced to 16 ms now and
    // then reads as 15 and a later one as 17. The millisecond that the clamp
    // adds to the short reading is taken off the long one, so that the game
    // clock keeps to the wall clock.
    int32_t measured = milliseconds;
    if (milliseconds == int32_t(MIN_FRAME_TIME) - 1) {
        m_bClockMillisecondOwed = true;
    } else if (m_bClockMillisecondOwed && milliseconds > int32_t(MIN_FRAME_TIME) &&
               milliseconds < int32_t(MAX_FRAME_TIME)) {
        --measured;
        m_bClockMillisecondOwed = false;
    }

    const uint32_t frameTime = ScaleFrameTime(ClampFrameTime(measured), m_iSpeedShift);
    m_uGameClock += frameTime;
    return frameTime;
}

uint32_t TwGame::ClampFrameTime(int32_t milliseconds)
{
    // Compared unsigned, so that a clock going backwards gives the longest frame.
    const uint32_t value = static_cast<uint32_t>(milliseconds);
    if (value <= MIN_FRAME_TIME)
        return MIN_FRAME_TIME;
    if (value < MAX_FRAME_TIME)
        return value;
    return MAX_FRAME_TIME;
}

uint32_t TwGame::ScaleFrameTime(uint32_t frameTime, int32_t speedShift)
{
    if (speedShift > NORMAL_SPEED_SHIFT)
        return frameTime << (speedShift - NORMAL_SPEED_SHIFT);
    if (speedShift < NORMAL_SPEED_SHIFT)
        return frameTime >> (NORMAL_SPEED_SHIFT - speedShift);
    return frameTime;
}

void TwGame::Update(uint32_t dt)
{
    Core::CoreProfiler& profiler = Core::CoreProfiler::GetInstance();
    profiler.Start(PROFILE_UPDATE_MISC);
    UpdateQuitRequest();
    // Under auto-test the playback never pauses.
    if (!s_bAutoTest)
        m_bPaused = (g_bQuitBoxShown || CoreSndIsPaused()) ? 1 : 0;
    Input* input = Input::m_pSingleton;
    if (InputSystem::m_pSingleton && InputSystem::m_pSingleton->IsInputEnabled() && input) {
        input->UpdatePad();
        input->UpdateMouse();
        input->UpdateKeyboard();
    }
    if (InputEventHandler::m_pSingleton)
        InputEventHandler::m_pSingleton->Update(dt);
    SoundManager::Update();
    CoreSndDoWork();
    profiler.Stop(PROFILE_UPDATE_MISC);

    profiler.Start(PROFILE_UPDATE_STATE);
    ManageStates(dt);
    profiler.Stop(PROFILE_UPDATE_STATE);

    profiler.Start(PROFILE_UPDATE_MISC);
    Effect::UpdateAll(dt);
    profiler.Stop(PROFILE_UPDATE_MISC);
}

void TwGame::Render()
{
    RenderCurrentState();
    Effect::RenderAll();
    if (g_bQuitBoxShown)
        m_oQuitBox.Render();
}
