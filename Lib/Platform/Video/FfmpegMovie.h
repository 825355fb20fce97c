#pragma once
#include "Video/MoviePacing.h"
#include "Video/MovieSoundOutput.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

struct AVFormatContext;
struct AVCodecContext;
struct AVPacket;
struct AVFrame;
struct SwsContext;
struct SwrContext;

namespace Platform {

// A movie file decoded by FFmpeg, whatever its container and codecs: the
// first video stream gives the frames, the audio streams are the sound
// tracks in file order. The frames are counted when the file is opened, so
// that a file which ends early still reaches its last frame (keeping its
// last picture).
class FfmpegMovie final : public MoviePacing {
public:
    // The largest picture side accepted.
    static constexpr uint32_t MAX_SIDE = 8192;
    // Sound queued ahead of the picture (a quarter second), so that the
    // output does not run dry between two frames; the video packets read
    // meanwhile wait, at most MAX_PENDING_VIDEO of them.
    static constexpr uint32_t SOUND_LEAD_BYTES =
        MovieSoundOutput::SAMPLE_RATE / 4 * MovieSoundOutput::CHANNELS * sizeof(int16_t);
    static constexpr size_t MAX_PENDING_VIDEO = 64;
    // The scaler's widest store, in bytes: picture rows are a multiple of it.
    static constexpr uint32_t SCALER_ROW_ALIGNMENT = 64;

    static std::unique_ptr<FfmpegMovie> Open(const char* path, uint32_t soundTrack, std::string& error);
    ~FfmpegMovie() override;

    void DoFrame() override;
    void CopyToBuffer(uint8_t* buffer, uint32_t pitch, uint32_t x, uint32_t y, uint32_t width,
                      uint32_t height) const override;
    void SetVolume(uint32_t track, int32_t volume) override;

    uint32_t QueuedSoundBytes() const { return m_sound.QueuedBytes(); }

private:
    FfmpegMovie() = default;
    bool OpenStreams(const char* path, uint32_t soundTrack, std::string& error);
    bool OpenSound(uint32_t soundTrack);
    // Reads the next packet of the file: a video packet waits for the
    // decoder, the sound track's is decoded into the output; false at the
    // end of the file.
    bool ReadPacket();
    void KeepSoundAhead();
    // Feeds the video decoder until it gives a picture; false once the file
    // has no more.
    bool DecodeNextPicture();
    void DecodeSound(const AVPacket* packet);
    void StorePicture(const AVFrame* frame);

    AVFormatContext* m_pFormat = nullptr;
    AVCodecContext* m_pVideo = nullptr;
    AVCodecContext* m_pAudio = nullptr;
    int m_iVideoStream = -1;
    int m_iAudioStream = -1;
    AVPacket* m_pPacket = nullptr;
    AVFrame* m_pFrame = nullptr;
    SwsContext* m_pScaler = nullptr;
    SwrContext* m_pResampler = nullptr;
    bool m_bResamplerFailed = false;

    std::vector<uint8_t> m_vPicture; // 0xAARRGGBB pixels, rows of m_uPicturePitch bytes
    uint32_t m_uPicturePitch = 0;
    std::vector<int16_t> m_vSamples;
    uint32_t m_uDecodedFrames = 0;
    std::deque<AVPacket*> m_dPendingVideo;
    bool m_bInputEnded = false;
    bool m_bFlushed = false;
    bool m_bDecoderEnded = false;
    MovieSoundOutput m_sound;
};

} // namespace Platform
