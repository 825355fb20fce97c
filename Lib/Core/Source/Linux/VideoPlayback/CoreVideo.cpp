#include "VideoPlayback/CoreVideo.h"

#include "App/CoreApp.h"
#include "Error/EngineAssert.h"
#include "Graphics/GraphicsSystem.h"
#include "Log/CoreLog.h"
#include "Renderer/CoreRenderer.h"
#include "System/Clock.h"
#include "Video/VideoSystem.h"

#include <cstring>
#include <string>

namespace {

struct FrameFormat {
    uint32_t uFormat;
    uint32_t uIndex;
    uint32_t uBytesPerPixel;
    bool bHasAlpha;
};

// The frame texture formats, in the order of preference.
constexpr FrameFormat FRAME_FORMATS[] = {
    {Platform::D3DFMT_X8R8G8B8, 0, 4, false}, {Platform::D3DFMT_R8G8B8, 8, 3, false},
    {Platform::D3DFMT_R5G6B5, 3, 2, false},   {Platform::D3DFMT_X1R5G5B5, 2, 2, false},
    {Platform::D3DFMT_A8R8G8B8, 1, 4, true},  {Platform::D3DFMT_A4R4G4B4, 5, 2, true},
    {Platform::D3DFMT_A1R5G5B5, 4, 2, true},
};

} // namespace

int32_t CoreVideo::ms_iVideoStatus = CoreVideo::VIDEO_CLOSED;
std::unique_ptr<Platform::Movie> CoreVideo::ms_pMovie;
std::string CoreVideo::ms_sPath;
CoreRenderer* CoreVideo::ms_pRenderer = nullptr;
uint32_t CoreVideo::ms_uFrameFormat = Platform::D3DFMT_UNKNOWN;
uint32_t CoreVideo::ms_uAlphaFormat = Platform::D3DFMT_UNKNOWN;
bool CoreVideo::ms_bNonPow2 = false;
bool CoreVideo::ms_bTiled = false;
CoreVideoTileLayout CoreVideo::ms_oTiles;
std::vector<std::unique_ptr<Platform::GraphicsTexture>> CoreVideo::ms_vTiles;
uint32_t CoreVideo::ms_uFramesDrawn = 0;
uint64_t CoreVideo::ms_uDecodeMicroseconds = 0;
uint64_t CoreVideo::ms_uDrawMicroseconds = 0;

bool CoreVideo::Open(const char* path, uint32_t soundTrack)
{
    Close();
    Platform::VideoSystem& system = Platform::GetVideoSystem();
    std::string error;
    std::unique_ptr<Platform::Movie> movie = system.Open(path, soundTrack, error);
    // The second line keeps why the file was refused.
    ENGINE_ASSERT_MSG(movie, "couldn't open movie %s\n%s: %s\n", path, path, error.c_str());
    if (!movie)
        return false;
    // A track the movie does not have plays track 0 instead: only then is
    // the file opened again (a movie without tracks is already silent).
    if (soundTrack >= movie->Info().soundTrackCount && movie->Info().soundTrackCount > 0) {
        movie.reset();
        movie = system.Open(path, 0, error);
        ENGINE_ASSERT_MSG(movie, "couldn't open movie %s\n%s: %s\n", path, path, error.c_str());
        if (!movie)
            return false;
    }
    ms_pMovie = std::move(movie);
    ms_sPath = path;
    if (!MakeDeviceRecord() || !CreateFrameImage()) {
        Close();
        return false;
    }
    ms_iVideoStatus = VIDEO_PAUSE;
    return true;
}

bool CoreVideo::MakeDeviceRecord()
{
    ms_pRenderer = g_pCoreApp != nullptr ? g_pCoreApp->m_pRenderer : nullptr;
    if (ms_pRenderer == nullptr || ms_pRenderer->GetDevice() == nullptr || ms_pRenderer->GetGraphicsSystem() == nullptr)
        return false;
    Platform::GraphicsSystem& system = *ms_pRenderer->GetGraphicsSystem();
    const uint32_t displayFormat = ms_pRenderer->GetDisplayMode().format;
    ms_uFrameFormat = Platform::D3DFMT_UNKNOWN;
    ms_uAlphaFormat = Platform::D3DFMT_UNKNOWN;
    for (const FrameFormat& row : FRAME_FORMATS) {
        const bool bAccepted = system.CheckDeviceFormat(0, Platform::D3DDEVTYPE_HAL, displayFormat, 0,
                                                        Platform::D3DRTYPE_TEXTURE, row.uFormat) == Platform::D3D_OK;
        if (bAccepted && ms_uFrameFormat == Platform::D3DFMT_UNKNOWN)
            ms_uFrameFormat = row.uFormat;
        if (bAccepted && row.bHasAlpha && ms_uAlphaFormat == Platform::D3DFMT_UNKNOWN)
            ms_uAlphaFormat = row.uFormat;
    }
    // The movie's pixels come as 32 bits; a device with only smaller
    // formats cannot show them.
    if (ms_uFrameFormat != Platform::D3DFMT_X8R8G8B8 && ms_uFrameFormat != Platform::D3DFMT_A8R8G8B8)
        return false;
    if (ms_uAlphaFormat == Platform::D3DFMT_UNKNOWN)
        return false;
    Platform::DeviceCaps caps {};
    ms_pRenderer->GetDevice()->GetDeviceCaps(&caps);
    ms_bNonPow2 = (caps.textureCaps & Platform::D3DPTEXTURECAPS_POW2) == 0 ||
                  (caps.textureCaps & Platform::D3DPTEXTURECAPS_NONPOW2CONDITIONAL) != 0;
    const Platform::Viewport viewport {
        0, 0, ms_pRenderer->GetSettings().m_uWidth, ms_pRenderer->GetSettings().m_uHeight, 0.0f, 1.0f};
    ms_pRenderer->GetDevice()->SetViewport(&viewport);
    return true;
}

bool CoreVideo::CreateFrameImage()
{
    FreeFrameImage();
    const Platform::MovieInfo& info = ms_pMovie->Info();
    ms_bTiled = !ms_bNonPow2 && (CoreNextPow2(info.width) != info.width || CoreNextPow2(info.height) != info.height);
    if (ms_bTiled)
        ms_oTiles = MakeTileLayout(info.width, info.height);
    else
        ms_oTiles = CoreVideoTileLayout {1, 1, info.width, info.height};
    Platform::GraphicsDevice& device = *ms_pRenderer->GetDevice();
    for (uint32_t row = 0; row < ms_oTiles.m_uRows; ++row) {
        for (uint32_t column = 0; column < ms_oTiles.m_uColumns; ++column) {
            Platform::GraphicsTexture* pTexture = nullptr;
            if (device.CreateTexture(ms_oTiles.ColumnWidth(column), ms_oTiles.RowHeight(row), 1, 0, ms_uFrameFormat,
                                     Platform::D3DPOOL_MANAGED, &pTexture) != Platform::D3D_OK ||
                pTexture == nullptr) {
                FreeFrameImage();
                return false;
            }
            ms_vTiles.emplace_back(pTexture);
            Platform::LockedRect locked {};
            if (pTexture->LockRect(0, &locked, 0) == Platform::D3D_OK) {
                std::memset(locked.bits, 0, size_t(locked.pitch) * ms_oTiles.RowHeight(row));
                pTexture->UnlockRect(0);
            }
        }
    }
    DecodeFrame(true, true);
    return true;
}

void CoreVideo::FreeFrameImage()
{
    ms_vTiles.clear();
    ms_oTiles = CoreVideoTileLayout();
    ms_bTiled = false;
}

void CoreVideo::LoadAhead()
{
    Platform::GetVideoSystem().LoadAhead();
}

void CoreVideo::Play()
{
    ENGINE_ASSERT(ms_iVideoStatus==CoreVideo::VIDEO_PAUSE);
    ms_iVideoStatus = VIDEO_PLAY;
}

void CoreVideo::Stop()
{
    ENGINE_ASSERT(ms_iVideoStatus==CoreVideo::VIDEO_PLAY || ms_iVideoStatus==CoreVideo::VIDEO_PAUSE);
    ms_iVideoStatus = VIDEO_STOP;
}

void CoreVideo::Close()
{
    ms_iVideoStatus = VIDEO_CLOSED;
    // Textures go before the movie and before the device they came from.
    FreeFrameImage();
    ms_pMovie.reset();
    ms_pRenderer = nullptr;
    ms_uFrameFormat = Platform::D3DFMT_UNKNOWN;
    ms_uAlphaFormat = Platform::D3DFMT_UNKNOWN;
}

bool CoreVideo::DecodeFrame(bool copyAll, bool noSkip)
{
    if (!ms_pMovie || ms_vTiles.empty())
        return false;
    Platform::Movie& movie = *ms_pMovie;
    uint64_t stamp = 0;
    GetTimeMicroseconds(stamp);
    movie.DoFrame();
    bool bLast = movie.CurrentFrame() >= movie.Info().frameCount;
    if (!noSkip) {
        while (!bLast && movie.ShouldSkip()) {
            movie.NextFrame();
            movie.DoFrame();
            bLast = movie.CurrentFrame() >= movie.Info().frameCount;
        }
    }
    // A file cut short holds fewer frames than it announces: its end comes
    // early, which the player sees as a movie stopping halfway. A frame or
    // so less is the rounding of the announced length.
    const Platform::MovieInfo& info = movie.Info();
    if (bLast && movie.CurrentFrame() == info.frameCount && info.announcedFrameCount > info.frameCount + 1)
        CorePrint(&g_oCoreLog, "Movie %s ended early: the file holds %u of the %u frames it announces\n",
                  ms_sPath.c_str(), info.frameCount, info.announcedFrameCount);
    ms_uDecodeMicroseconds += GetTimeMicroseconds(stamp);
    CopyFrame(copyAll);
    ms_uDrawMicroseconds += GetTimeMicroseconds(stamp);
    movie.NextFrame();
    return bLast;
}

void CoreVideo::CopyFrame(bool)
{
    // The decoder does not tell how much of the picture changed: every frame
    // is copied whole, over the discarded old contents.
    for (uint32_t row = 0; row < ms_oTiles.m_uRows; ++row) {
        for (uint32_t column = 0; column < ms_oTiles.m_uColumns; ++column) {
            Platform::GraphicsTexture& tile = *ms_vTiles[row * ms_oTiles.m_uColumns + column];
            Platform::LockedRect locked {};
            if (tile.LockRect(0, &locked, Platform::D3DLOCK_DISCARD) != Platform::D3D_OK)
                return;
            const uint32_t uHeight = ms_oTiles.RowHeight(row);
            // A tile that reaches past the picture keeps that part black.
            const Platform::MovieInfo& info = ms_pMovie->Info();
            if (column * TILE_SIZE + ms_oTiles.ColumnWidth(column) > info.width ||
                row * TILE_SIZE + uHeight > info.height)
                std::memset(locked.bits, 0, size_t(locked.pitch) * uHeight);
            ms_pMovie->CopyToBuffer(static_cast<uint8_t*>(locked.bits), uint32_t(locked.pitch), column * TILE_SIZE,
                                    row * TILE_SIZE, ms_oTiles.ColumnWidth(column), uHeight);
            tile.UnlockRect(0);
        }
    }
}

uint64_t CoreVideo::GetTimeMicroseconds(uint64_t& stamp)
{
    Platform::Clock& clock = Platform::GetClock();
    const uint64_t uNow = clock.Counter();
    const uint64_t uFrequency = clock.CounterFrequency();
    const uint64_t uTicks = uNow - stamp;
    const uint64_t uElapsed =
        uFrequency != 0 ? uTicks / uFrequency * 1000000 + uTicks % uFrequency * 1000000 / uFrequency : 0;
    stamp = uNow;
    return uElapsed;
}
