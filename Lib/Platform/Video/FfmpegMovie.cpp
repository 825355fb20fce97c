#include "Video/FfmpegMovie.h"

#include "Video/FfmpegLibrary.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Platform {
namespace {

// FFmpeg's functions, loaded by the first Open before anything else runs.
const FfmpegLibrary* s_pFfmpeg = nullptr;

const FfmpegLibrary& Ffmpeg()
{
    return *s_pFfmpeg;
}

// Packets read before the count of frames gives up on a file.
constexpr uint32_t MAX_COUNTED_FRAMES = 1000000;

std::string FfmpegText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    Ffmpeg().av_strerror(code, text, sizeof text);
    return text;
}

AVFormatContext* OpenInput(const char* path, std::string& error)
{
    AVFormatContext* format = nullptr;
    int result = Ffmpeg().avformat_open_input(&format, path, nullptr, nullptr);
    if (result < 0) {
        error = FfmpegText(result);
        return nullptr;
    }
    result = Ffmpeg().avformat_find_stream_info(format, nullptr);
    if (result < 0) {
        error = FfmpegText(result);
        Ffmpeg().avformat_close_input(&format);
    }
    return format;
}

// The frames of the video stream: its packets, counted by reading the file
// through (a stream's own count is often missing).
uint32_t CountFrames(const char* path, int videoStream)
{
    std::string error;
    AVFormatContext* format = OpenInput(path, error);
    if (format == nullptr)
        return 0;
    AVPacket* packet = Ffmpeg().av_packet_alloc();
    uint32_t count = 0;
    while (packet != nullptr && count < MAX_COUNTED_FRAMES && Ffmpeg().av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == videoStream)
            ++count;
        Ffmpeg().av_packet_unref(packet);
    }
    Ffmpeg().av_packet_free(&packet);
    Ffmpeg().avformat_close_input(&format);
    return count;
}

// The frames that the length in the header announces: the video stream's
// length, else the file's; 0 when neither is told.
uint32_t AnnouncedFrames(const AVFormatContext* format, const AVStream* video, AVRational rate)
{
    double seconds = 0.0;
    if (video->duration != AV_NOPTS_VALUE && video->duration > 0 && video->time_base.den > 0)
        seconds = double(video->duration) * video->time_base.num / video->time_base.den;
    else if (format->duration != AV_NOPTS_VALUE && format->duration > 0)
        seconds = double(format->duration) / AV_TIME_BASE;
    const double frames = seconds * rate.num / rate.den;
    return frames > 0.0 && frames < MAX_COUNTED_FRAMES ? uint32_t(std::lround(frames)) : 0;
}

AVCodecContext* OpenDecoder(const AVStream* stream)
{
    const AVCodec* codec = Ffmpeg().avcodec_find_decoder(stream->codecpar->codec_id);
    if (codec == nullptr)
        return nullptr;
    AVCodecContext* context = Ffmpeg().avcodec_alloc_context3(codec);
    if (context == nullptr)
        return nullptr;
    if (Ffmpeg().avcodec_parameters_to_context(context, stream->codecpar) < 0 ||
        Ffmpeg().avcodec_open2(context, codec, nullptr) < 0)
        Ffmpeg().avcodec_free_context(&context);
    return context;
}

} // namespace

std::unique_ptr<FfmpegMovie> FfmpegMovie::Open(const char* path, uint32_t soundTrack, std::string& error)
{
    s_pFfmpeg = LoadFfmpeg(error);
    if (s_pFfmpeg == nullptr)
        return nullptr;
    std::unique_ptr<FfmpegMovie> movie(new FfmpegMovie);
    if (!movie->OpenStreams(path, soundTrack, error))
        return nullptr;
    return movie;
}

FfmpegMovie::~FfmpegMovie()
{
    for (AVPacket* packet : m_dPendingVideo)
        Ffmpeg().av_packet_free(&packet);
    Ffmpeg().swr_free(&m_pResampler);
    Ffmpeg().sws_freeContext(m_pScaler);
    Ffmpeg().av_frame_free(&m_pFrame);
    Ffmpeg().av_packet_free(&m_pPacket);
    Ffmpeg().avcodec_free_context(&m_pAudio);
    Ffmpeg().avcodec_free_context(&m_pVideo);
    Ffmpeg().avformat_close_input(&m_pFormat);
}

bool FfmpegMovie::OpenStreams(const char* path, uint32_t soundTrack, std::string& error)
{
    m_pFormat = OpenInput(path, error);
    if (m_pFormat == nullptr)
        return false;
    m_iVideoStream = Ffmpeg().av_find_best_stream(m_pFormat, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (m_iVideoStream < 0) {
        error = "no video stream";
        return false;
    }
    const AVStream* video = m_pFormat->streams[m_iVideoStream];
    const AVCodecParameters* parameters = video->codecpar;
    if (parameters->width <= 0 || parameters->height <= 0 || uint32_t(parameters->width) > MAX_SIDE ||
        uint32_t(parameters->height) > MAX_SIDE) {
        error = "bad picture size";
        return false;
    }
    m_pVideo = OpenDecoder(video);
    m_pPacket = Ffmpeg().av_packet_alloc();
    m_pFrame = Ffmpeg().av_frame_alloc();
    if (m_pVideo == nullptr || m_pPacket == nullptr || m_pFrame == nullptr) {
        error = "no decoder for the video stream";
        return false;
    }
    m_info.width = uint32_t(parameters->width);
    m_info.height = uint32_t(parameters->height);
    AVRational rate =
        video->avg_frame_rate.num > 0 && video->avg_frame_rate.den > 0 ? video->avg_frame_rate : video->r_frame_rate;
    if (rate.num > 0 && rate.den > 0) {
        m_info.frameRate = uint32_t(rate.num);
        m_info.frameRateDivisor = uint32_t(rate.den);
        m_info.announcedFrameCount = AnnouncedFrames(m_pFormat, video, rate);
    }
    for (unsigned i = 0; i < m_pFormat->nb_streams; ++i) {
        if (m_pFormat->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO)
            ++m_info.soundTrackCount;
    }
    m_info.frameCount = CountFrames(path, m_iVideoStream);
    if (m_info.frameCount == 0) {
        error = "no frames";
        return false;
    }
    // The scaler writes whole blocks of pixels, past the width of a row
    // that is not a multiple of its block: each row gets room to the next
    // multiple of the widest block, and the last one room after it.
    m_uPicturePitch = (m_info.width * 4 + SCALER_ROW_ALIGNMENT - 1) / SCALER_ROW_ALIGNMENT * SCALER_ROW_ALIGNMENT;
    m_vPicture.assign(size_t(m_uPicturePitch) * m_info.height + SCALER_ROW_ALIGNMENT, 0);
    if (soundTrack < m_info.soundTrackCount)
        OpenSound(soundTrack);
    return true;
}

// A track that cannot be decoded or played leaves the movie silent.
bool FfmpegMovie::OpenSound(uint32_t soundTrack)
{
    uint32_t track = 0;
    for (unsigned i = 0; i < m_pFormat->nb_streams; ++i) {
        if (m_pFormat->streams[i]->codecpar->codec_type != AVMEDIA_TYPE_AUDIO)
            continue;
        if (track++ == soundTrack) {
            m_iAudioStream = int(i);
            break;
        }
    }
    m_pAudio = OpenDecoder(m_pFormat->streams[m_iAudioStream]);
    std::string error;
    if (m_pAudio == nullptr || !m_sound.Open(error)) {
        Ffmpeg().avcodec_free_context(&m_pAudio);
        m_iAudioStream = -1;
        return false;
    }
    return true;
}

void FfmpegMovie::DoFrame()
{
    while (m_uDecodedFrames < CurrentFrame() && DecodeNextPicture()) { }
    KeepSoundAhead();
    m_sound.Start();
}

bool FfmpegMovie::ReadPacket()
{
    if (m_bInputEnded)
        return false;
    if (Ffmpeg().av_read_frame(m_pFormat, m_pPacket) < 0) {
        m_bInputEnded = true;
        return false;
    }
    if (m_pPacket->stream_index == m_iVideoStream) {
        AVPacket* pending = Ffmpeg().av_packet_alloc();
        if (pending != nullptr) {
            Ffmpeg().av_packet_move_ref(pending, m_pPacket);
            m_dPendingVideo.push_back(pending);
        }
    } else if (m_pPacket->stream_index == m_iAudioStream) {
        DecodeSound(m_pPacket);
    }
    Ffmpeg().av_packet_unref(m_pPacket);
    return true;
}

void FfmpegMovie::KeepSoundAhead()
{
    while (m_iAudioStream >= 0 && m_sound.QueuedBytes() < SOUND_LEAD_BYTES &&
           m_dPendingVideo.size() < MAX_PENDING_VIDEO && ReadPacket()) { }
}

bool FfmpegMovie::DecodeNextPicture()
{
    while (!m_bDecoderEnded) {
        if (Ffmpeg().avcodec_receive_frame(m_pVideo, m_pFrame) == 0) {
            StorePicture(m_pFrame);
            Ffmpeg().av_frame_unref(m_pFrame);
            ++m_uDecodedFrames;
            return true;
        }
        // Once flushed the decoder only gives back what it holds; anything
        // but a picture then means there is no more.
        if (m_bFlushed) {
            m_bDecoderEnded = true;
            break;
        }
        if (!m_dPendingVideo.empty()) {
            AVPacket* packet = m_dPendingVideo.front();
            m_dPendingVideo.pop_front();
            // A packet the decoder refuses is dropped; its frame keeps the
            // last picture.
            Ffmpeg().avcodec_send_packet(m_pVideo, packet);
            Ffmpeg().av_packet_free(&packet);
        } else if (!ReadPacket()) {
            m_bFlushed = true;
            Ffmpeg().avcodec_send_packet(m_pVideo, nullptr);
        }
    }
    return false;
}

void FfmpegMovie::StorePicture(const AVFrame* frame)
{
    if (frame->width <= 0 || frame->height <= 0)
        return;
    m_pScaler = Ffmpeg().sws_getCachedContext(m_pScaler, frame->width, frame->height, AVPixelFormat(frame->format),
                                              int(m_info.width), int(m_info.height), AV_PIX_FMT_BGRA, SWS_BILINEAR,
                                              nullptr, nullptr, nullptr);
    if (m_pScaler == nullptr)
        return;
    uint8_t* const target[4] = {m_vPicture.data(), nullptr, nullptr, nullptr};
    const int targetPitch[4] = {int(m_uPicturePitch), 0, 0, 0};
    Ffmpeg().sws_scale(m_pScaler, frame->data, frame->linesize, 0, frame->height, target, targetPitch);
}

void FfmpegMovie::DecodeSound(const AVPacket* packet)
{
    if (Ffmpeg().avcodec_send_packet(m_pAudio, packet) < 0)
        return;
    while (Ffmpeg().avcodec_receive_frame(m_pAudio, m_pFrame) == 0) {
        if (m_pResampler == nullptr && !m_bResamplerFailed) {
            AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
            m_bResamplerFailed =
                Ffmpeg().swr_alloc_set_opts2(&m_pResampler, &stereo, AV_SAMPLE_FMT_S16, MovieSoundOutput::SAMPLE_RATE,
                                             &m_pFrame->ch_layout, AVSampleFormat(m_pFrame->format),
                                             m_pFrame->sample_rate, 0, nullptr) < 0 ||
                Ffmpeg().swr_init(m_pResampler) < 0;
        }
        if (!m_bResamplerFailed) {
            const int room = Ffmpeg().swr_get_out_samples(m_pResampler, m_pFrame->nb_samples);
            if (room > 0) {
                m_vSamples.resize(size_t(room) * MovieSoundOutput::CHANNELS);
                uint8_t* target = reinterpret_cast<uint8_t*>(m_vSamples.data());
                const int made =
                    Ffmpeg().swr_convert(m_pResampler, &target, room,
                                         const_cast<const uint8_t**>(m_pFrame->extended_data), m_pFrame->nb_samples);
                if (made > 0)
                    m_sound.Queue(m_vSamples.data(), uint32_t(made));
            }
        }
        Ffmpeg().av_frame_unref(m_pFrame);
    }
}

void FfmpegMovie::CopyToBuffer(uint8_t* buffer, uint32_t pitch, uint32_t x, uint32_t y, uint32_t width,
                               uint32_t height) const
{
    if (x >= m_info.width || y >= m_info.height)
        return;
    const uint32_t columns = std::min(width, m_info.width - x);
    const uint32_t rows = std::min(height, m_info.height - y);
    for (uint32_t row = 0; row < rows; ++row) {
        const uint8_t* source = m_vPicture.data() + size_t(y + row) * m_uPicturePitch + size_t(x) * 4;
        std::memcpy(buffer + size_t(row) * pitch, source, size_t(columns) * 4);
    }
}

void FfmpegMovie::SetVolume(uint32_t track, int32_t volume)
{
    if (track == 0)
        m_sound.SetVolume(volume);
}

} // namespace Platform
