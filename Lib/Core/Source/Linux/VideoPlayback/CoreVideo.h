#pragma once
#include "Video/Movie.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CoreRenderer;

namespace Platform {
class GraphicsTexture;
}

// Next power of two as the video player sizes its tiles: n below 3 as it
// is, then 4, 8 ... 512, and 1024 for anything above 512.
uint32_t CoreNextPow2(uint32_t n);

// Where the frame image's tiles lie: columns x rows tiles, row by row; full
// tiles are TILE_SIZE square, a last column or row that is not full is as
// wide or high as the next power of two of what remains.
struct CoreVideoTileLayout {
    uint32_t m_uColumns = 0;
    uint32_t m_uRows = 0;
    uint32_t m_uLastColumnWidth = 0;
    uint32_t m_uLastRowHeight = 0;

    uint32_t ColumnWidth(uint32_t column) const;
    uint32_t RowHeight(uint32_t row) const;
};

// The one movie player: plays one movie at a time into the renderer's
// textures (one texture, or 1024-pixel tiles when the device wants
// power-of-two sizes) and draws its picture scaled into a rectangle of the
// 2D screen. A movie that cannot be opened leaves nothing open, and every
// call but Open then does nothing.
class CoreVideo {
public:
    static constexpr int32_t VIDEO_CLOSED = 0;
    static constexpr int32_t VIDEO_STOP = 1;
    static constexpr int32_t VIDEO_PLAY = 2;
    static constexpr int32_t VIDEO_PAUSE = 3;
    static constexpr uint32_t TILE_SIZE = 1024;

    // Opens the movie with that sound track (track 0 when the movie has no
    // such track) on the application's renderer, makes the frame image and
    // decodes the first frame: paused. False, with "couldn't open movie",
    // when the file cannot be played or the renderer cannot show it.
    static bool Open(const char* path, uint32_t soundTrack);
    // Has the video service load what playing needs, beside the game.
    static void LoadAhead();
    static void Play();
    static void Stop();
    static void Close();
    // Decodes the current frame (dropping frames that are late unless
    // noSkip), copies it into the frame image and moves on; true when the
    // frame decoded was the last one. A movie whose last frame comes before
    // the frames its file announces logs that it ended early, naming the file.
    static bool DecodeFrame(bool copyAll, bool noSkip);
    // The rectangle in 2D-screen units (192 high, the 4:3 area centred).
    static void Render(float x, float y, float width, float height);
    // Microseconds since the stamp, which is renewed.
    static uint64_t GetTimeMicroseconds(uint64_t& stamp);

    static CoreVideoTileLayout MakeTileLayout(uint32_t width, uint32_t height);

    // The open movie, null when none is.
    static Platform::Movie* GetMovie() { return ms_pMovie.get(); }
    static int32_t GetStatus() { return ms_iVideoStatus; }
    static void SetStatus(int32_t status) { ms_iVideoStatus = status; }
    static bool IsTiled() { return ms_bTiled; }
    static const CoreVideoTileLayout& GetTileLayout() { return ms_oTiles; }
    static uint32_t GetFrameFormat() { return ms_uFrameFormat; }
    static uint32_t GetAlphaFormat() { return ms_uAlphaFormat; }

private:
    // The frame texture formats the device can make; false when it has none
    // with or none without alpha.
    static bool MakeDeviceRecord();
    static bool CreateFrameImage();
    static void FreeFrameImage();
    static void CopyFrame(bool copyAll);

    static int32_t ms_iVideoStatus;
    static std::unique_ptr<Platform::Movie> ms_pMovie;
    // The open movie's file, for the log.
    static std::string ms_sPath;
    static CoreRenderer* ms_pRenderer;
    static uint32_t ms_uFrameFormat;
    static uint32_t ms_uAlphaFormat;
    static bool ms_bNonPow2;
    static bool ms_bTiled;
    static CoreVideoTileLayout ms_oTiles;
    static std::vector<std::unique_ptr<Platform::GraphicsTexture>> ms_vTiles;
    // Reports only: frames drawn and the time spent decoding and drawing.
    static uint32_t ms_uFramesDrawn;
    static uint64_t ms_uDecodeMicroseconds;
    static uint64_t ms_uDrawMicroseconds;
};
