#include "States/Common/MovieGameState.h"

#include "App/CoreApp.h"
#include "Common/GameLink.h"
#include "Common/MovieIds.h"
#include "Input/InputEventHandler.h"
#include "Log/CoreLog.h"
#include "Managers/Common/SoundManager.h"
#include "Renderer/CoreRenderer.h"
#include "States/Common/FiniteStateManager.h"
#include "Utils/Common/DkLocalizer.h"
#include "VideoPlayback/CoreVideo.h"

#include <iterator>

namespace {

// The movie start-up switch: a movie id to play instead of the queued one
// (none).
constexpr int32_t MOVIE_STARTUP_SWITCH = 0;

// Sound tracks by voice language.
constexpr uint32_t SOUND_TRACKS[] = {0, 2, 1, 4, 3};

// The subtitles' text box: 48.0 / 2.5 to 544.0 / 2.5 wide, the screen's
// height; and where their lines are centred.
constexpr fx32 SUBTITLE_LEFT = (48 * FX32_ONE * 4 + 5) / 10;
constexpr fx32 SUBTITLE_RIGHT = (544 * FX32_ONE * 4 + 5) / 10;
constexpr fx32 SCREEN_HEIGHT = 192 * FX32_ONE;
constexpr fx32 SUBTITLE_X = 128 * FX32_ONE;
constexpr fx32 SUBTITLE_Y = 0x99998;
constexpr uint32_t SUBTITLE_COLOUR = 0xFFFFFFFF;
constexpr uint32_t SUBTITLE_PRINT_FLAGS = 0x2012;

// The width of a 16:9 picture 192.0 high.
constexpr fx32 WIDE_SCREEN_WIDTH = 0x155554;
constexpr fx32 PILLARBOX_LEFT = static_cast<fx32>(0xFFFD5556);

CoreRenderer* Renderer()
{
    return g_pCoreApp != nullptr ? g_pCoreApp->m_pRenderer : nullptr;
}

} // namespace

MovieGameState::MovieGameState(FiniteStateManager* pOwner) : GameState(pOwner, STATE_ID_MOVIE)
{
}

uint32_t MovieGameState::SoundTrackOfVoiceLanguage(int32_t iVoiceLanguage)
{
    return iVoiceLanguage >= 0 && iVoiceLanguage < int32_t(std::size(SOUND_TRACKS)) ? SOUND_TRACKS[iVoiceLanguage] : 0;
}

void MovieGameState::OnInit()
{
    GetGameLink().LogStep("Before Movie Init");
    int32_t iMovieId = MOVIE_STARTUP_SWITCH;
    if (iMovieId == 0) {
        const GameStateQueueEntry* pHead = GetOwner()->GetStateQueue().Top();
        iMovieId = pHead != nullptr ? static_cast<int32_t>(pHead->m_uParameter1) : MOVIE_INVALID;
    }
    if (InputEventHandler* pHandler = InputEventHandler::m_pSingleton)
        pHandler->EnableEventTrigger(SKIP_EVENT, true);

    m_pTextRenderer = std::make_unique<Tw::TextureTextRenderer>();
    m_pTextRenderer->Initialize(&GetGameLink().GetMainFont(), SUBTITLE_LINES);
    LoadSubTitles(iMovieId);

    const char* sPath = Id::GetMoviePath(iMovieId, !GetGameLink().PlaysLowResolutionVideo());
    m_iSoundTrack = static_cast<int32_t>(SoundTrackOfVoiceLanguage(GetGameLink().GetVoiceLanguage()));
    // A movie that cannot be opened is neither played nor drawn: the next
    // update ends the state.
    if (!CoreVideo::Open(sPath, static_cast<uint32_t>(m_iSoundTrack)))
        return;
    const float fVolume = float(SoundManager::m_fxMasterMusicVolume) * (1.0f / 4096.0f) * 32768.0f;
    CoreVideo::GetMovie()->SetVolume(0, static_cast<int32_t>(fVolume));
    CoreVideo::Play();
}

void MovieGameState::LoadSubTitles(int32_t iMovieId)
{
    const char* sPath = Id::GetMovieSubtitlePath(iMovieId);
    if (Core::LoadResource(&m_oSubTitleFile, sPath, true) != 0) {
        CorePrint(&g_oCoreLog, "MovieGameState::OnInit -- Unable to load memory for %s.\n", sPath);
        return;
    }
    m_oSubTitle.Initialize(m_oSubTitleFile.m_pBuffer, m_oSubTitleFile.m_uSize, sPath);
    m_pTextRenderer->SetClipRect(SUBTITLE_LEFT, 0, SUBTITLE_RIGHT, SCREEN_HEIGHT);
}

uint16_t MovieGameState::Update(uint32_t)
{
    const InputEventHandler* pHandler = InputEventHandler::m_pSingleton;
    const bool bSkip = pHandler != nullptr && pHandler->IsEventActive(SKIP_EVENT, nullptr, nullptr);
    Platform::Movie* pMovie = CoreVideo::GetMovie();
    if (pMovie == nullptr)
        return GoToNextState();
    if (CoreVideo::GetStatus() == CoreVideo::VIDEO_PLAY && !pMovie->Wait()) {
        if (CoreVideo::DecodeFrame(false, false))
            CoreVideo::SetStatus(CoreVideo::VIDEO_STOP);
    }
    if (bSkip && CoreVideo::GetStatus() != CoreVideo::VIDEO_STOP)
        CoreVideo::Stop();
    if (CoreVideo::GetStatus() == CoreVideo::VIDEO_STOP)
        return GoToNextState();
    return STATE_ID_MOVIE;
}

uint16_t MovieGameState::GoToNextState()
{
    const uint16_t uNext = GetOwner()->PopToNextState();
    // The state manager keeps a state that names itself, so a movie queued
    // right behind this one is started here, or it would never play.
    if (uNext == STATE_ID_MOVIE) {
        OnShutdown();
        OnInit();
    }
    return uNext;
}

MovieRectangle MovieGameState::Placement(uint32_t uWidth, uint32_t uHeight)
{
    MovieRectangle oRectangle;
    if (uHeight == 0)
        return oRectangle;
    // Widened: the product passes 32 bits for windows above 5461 pixels.
    const uint32_t w = static_cast<uint32_t>(uint64_t(uWidth) * uint32_t(SCREEN_HEIGHT) / uHeight);
    if (w < uint32_t(WIDE_SCREEN_WIDTH)) {
        const fx32 fxWidth = static_cast<fx32>(w);
        const fx32 fxHeight = static_cast<fx32>((uint64_t(w) * 0x900 + 0x800) >> 12);
        oRectangle.m_fxLeft = -((fxWidth - 256 * FX32_ONE) / 2);
        oRectangle.m_fxTop = (SCREEN_HEIGHT - fxHeight) / 2;
        oRectangle.m_fxWidth = fxWidth;
        oRectangle.m_fxHeight = fxHeight;
    } else {
        oRectangle.m_fxLeft = PILLARBOX_LEFT;
        oRectangle.m_fxTop = 0;
        oRectangle.m_fxWidth = WIDE_SCREEN_WIDTH;
        oRectangle.m_fxHeight = SCREEN_HEIGHT;
    }
    return oRectangle;
}

uint32_t MovieGameState::MovieTime(uint32_t uFrame, uint32_t uFrameRate, uint32_t uFrameRateDivisor)
{
    // Scaled before dividing: a rate below 1000 frames a second would
    // otherwise be divided down to 0.
    if (uFrameRate == 0)
        return 0;
    return static_cast<uint32_t>(uint64_t(uFrameRateDivisor) * uFrame * 1000 / uFrameRate);
}

void MovieGameState::Render()
{
    CoreRenderer* pRenderer = Renderer();
    Platform::Movie* pMovie = CoreVideo::GetMovie();
    if (pRenderer == nullptr || pMovie == nullptr)
        return;
    const MovieRectangle oPlace = Placement(pRenderer->GetSettings().m_uWidth, pRenderer->GetSettings().m_uHeight);
    CoreVideo::Render(CoreFx::ToFloat(oPlace.m_fxLeft), CoreFx::ToFloat(oPlace.m_fxTop),
                      CoreFx::ToFloat(oPlace.m_fxWidth), CoreFx::ToFloat(oPlace.m_fxHeight));
    const Platform::MovieInfo& info = pMovie->Info();
    const uint32_t uTime = MovieTime(pMovie->CurrentFrame(), info.frameRate, info.frameRateDivisor);
    pRenderer->SetAlphaState();
    RenderSubTitle(uTime);
}

void MovieGameState::RenderSubTitle(uint32_t uMovieTime)
{
    m_oSubTitle.Update(uMovieTime);
    const DkSubTitleItem* pItem = m_oSubTitle.GetCurrentItem();
    if (pItem == nullptr || pItem->m_uTextId == DkSubTitle::NO_TEXT || !m_pTextRenderer)
        return;
    m_pTextRenderer->BeginPrint();
    m_pTextRenderer->Print(g_oDkLocalizer.GetText(pItem->m_uTextId), SUBTITLE_X, SUBTITLE_Y, SUBTITLE_COLOUR,
                           SUBTITLE_PRINT_FLAGS);
    m_pTextRenderer->EndPrint();
}

void MovieGameState::OnShutdown()
{
    CoreVideo::Close();
    if (CoreRenderer* pRenderer = Renderer())
        pRenderer->SetDefaultRenderStates();
    m_oSubTitle.Release();
    Core::ReleaseResource(&m_oSubTitleFile);
    if (m_pTextRenderer) {
        m_pTextRenderer->Release();
        m_pTextRenderer.reset();
    }
    GetGameLink().LogStep("After Movie Shutdown");
}
