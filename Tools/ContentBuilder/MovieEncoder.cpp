#include "MovieEncoder.h"

#include "ContentError.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace {

constexpr int SAMPLE_RATE = 48000;
constexpr double TONE_LEVEL = 0.25;

struct Stream {
    AVStream* stream = nullptr;
    AVCodecContext* codec = nullptr;
};

// The encoders, muxer and frames of one file, freed whatever happens.
class MovieWriter {
public:
    MovieWriter(const MovieDescription& movie, const std::filesystem::path& target) : m_movie(movie), m_target(target)
    {
    }
    ~MovieWriter();
    void Write();

private:
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw ContentError("cannot encode movie " + m_target.string() + ": " + what);
    }
    void Check(int result, const char* what) const
    {
        if (result < 0)
            Fail(what);
    }
    AVPixelFormat PictureFormat() const
    {
        return m_movie.codec == MovieDescription::Codec::MotionJpeg ? AV_PIX_FMT_YUVJ420P : AV_PIX_FMT_YUV420P;
    }
    Stream AddStream(const AVCodec* codec);
    void OpenVideo();
    void OpenSound();
    void Send(Stream& stream, const AVFrame* frame);
    void PaintFrame(uint32_t frame);
    void FillTone(uint32_t track, uint32_t frame);

    const MovieDescription& m_movie;
    const std::filesystem::path& m_target;
    AVFormatContext* m_pFormat = nullptr;
    Stream m_video;
    std::vector<Stream> m_tracks;
    AVFrame* m_pPicture = nullptr;
    AVFrame* m_pRgb = nullptr;
    AVFrame* m_pSound = nullptr;
    AVPacket* m_pPacket = nullptr;
    SwsContext* m_pScaler = nullptr;
};

MovieWriter::~MovieWriter()
{
    sws_freeContext(m_pScaler);
    av_packet_free(&m_pPacket);
    av_frame_free(&m_pSound);
    av_frame_free(&m_pRgb);
    av_frame_free(&m_pPicture);
    for (Stream& track : m_tracks)
        avcodec_free_context(&track.codec);
    avcodec_free_context(&m_video.codec);
    if (m_pFormat != nullptr && m_pFormat->pb != nullptr)
        avio_closep(&m_pFormat->pb);
    avformat_free_context(m_pFormat);
}

Stream MovieWriter::AddStream(const AVCodec* codec)
{
    Stream stream;
    stream.stream = avformat_new_stream(m_pFormat, nullptr);
    stream.codec = codec != nullptr ? avcodec_alloc_context3(codec) : nullptr;
    if (stream.stream == nullptr || stream.codec == nullptr) {
        avcodec_free_context(&stream.codec);
        Fail("no encoder");
    }
    return stream;
}

void MovieWriter::OpenVideo()
{
    const bool motionJpeg = m_movie.codec == MovieDescription::Codec::MotionJpeg;
    m_video = AddStream(avcodec_find_encoder(motionJpeg ? AV_CODEC_ID_MJPEG : AV_CODEC_ID_MPEG4));
    AVCodecContext& codec = *m_video.codec;
    codec.width = int(m_movie.width);
    codec.height = int(m_movie.height);
    codec.pix_fmt = PictureFormat();
    codec.time_base = AVRational {1, int(m_movie.frameRate)};
    codec.framerate = AVRational {int(m_movie.frameRate), 1};
    // One thread and bit-exact output: two builds of one tree write the same
    // bytes (no encoder version in the stream, no slice order left to chance).
    codec.thread_count = 1;
    codec.flags |= AV_CODEC_FLAG_BITEXACT;
    codec.gop_size = 12;
    codec.max_b_frames = 0;
    // A fixed fine quantiser keeps the flat colours close to the source.
    codec.flags |= AV_CODEC_FLAG_QSCALE;
    codec.global_quality = FF_QP2LAMBDA * 2;
    if (m_pFormat->oformat->flags & AVFMT_GLOBALHEADER)
        codec.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    Check(avcodec_open2(&codec, codec.codec, nullptr), "video encoder");
    Check(avcodec_parameters_from_context(m_video.stream->codecpar, &codec), "video stream");
    m_video.stream->time_base = codec.time_base;
    m_video.stream->avg_frame_rate = codec.framerate;
}

void MovieWriter::OpenSound()
{
    for (size_t i = 0; i < m_movie.toneHertz.size(); ++i) {
        m_tracks.push_back(AddStream(avcodec_find_encoder(AV_CODEC_ID_PCM_S16LE)));
        Stream& track = m_tracks.back();
        AVCodecContext& codec = *track.codec;
        codec.sample_fmt = AV_SAMPLE_FMT_S16;
        codec.sample_rate = SAMPLE_RATE;
        av_channel_layout_default(&codec.ch_layout, 1);
        codec.time_base = AVRational {1, SAMPLE_RATE};
        codec.flags |= AV_CODEC_FLAG_BITEXACT;
        Check(avcodec_open2(&codec, codec.codec, nullptr), "sound encoder");
        Check(avcodec_parameters_from_context(track.stream->codecpar, &codec), "sound stream");
        track.stream->time_base = codec.time_base;
    }
}

void MovieWriter::Send(Stream& stream, const AVFrame* frame)
{
    Check(avcodec_send_frame(stream.codec, frame), "encoding");
    while (avcodec_receive_packet(stream.codec, m_pPacket) == 0) {
        av_packet_rescale_ts(m_pPacket, stream.codec->time_base, stream.stream->time_base);
        m_pPacket->stream_index = stream.stream->index;
        Check(av_interleaved_write_frame(m_pFormat, m_pPacket), "writing");
    }
}

void MovieWriter::PaintFrame(uint32_t frame)
{
    Check(av_frame_make_writable(m_pRgb), "picture");
    const uint32_t color = MovieShotColor(m_movie, frame);
    // The square crosses the top quarter once over the movie.
    const uint32_t side = std::max(2u, m_movie.height / 8);
    const uint32_t travel = m_movie.width > side ? m_movie.width - side : 0;
    const uint32_t squareX = m_movie.frameCount > 1 ? travel * frame / (m_movie.frameCount - 1) : 0;
    const uint32_t squareY = m_movie.height / 16;
    for (uint32_t y = 0; y < m_movie.height; ++y) {
        uint8_t* row = m_pRgb->data[0] + size_t(y) * size_t(m_pRgb->linesize[0]);
        for (uint32_t x = 0; x < m_movie.width; ++x) {
            const bool square = x >= squareX && x < squareX + side && y >= squareY && y < squareY + side;
            const uint32_t pixel = square ? 0xFFFFFF : color;
            row[x * 3] = uint8_t(pixel >> 16);
            row[x * 3 + 1] = uint8_t(pixel >> 8);
            row[x * 3 + 2] = uint8_t(pixel);
        }
    }
    Check(av_frame_make_writable(m_pPicture), "picture");
    sws_scale(m_pScaler, m_pRgb->data, m_pRgb->linesize, 0, int(m_movie.height), m_pPicture->data,
              m_pPicture->linesize);
    m_pPicture->pts = frame;
}

void MovieWriter::FillTone(uint32_t track, uint32_t frame)
{
    Check(av_frame_make_writable(m_pSound), "sound");
    const int samples = SAMPLE_RATE / int(m_movie.frameRate);
    const int64_t first = int64_t(frame) * samples;
    int16_t* out = reinterpret_cast<int16_t*>(m_pSound->data[0]);
    for (int i = 0; i < samples; ++i) {
        const double phase = 2.0 * std::numbers::pi * m_movie.toneHertz[track] * double(first + i) / SAMPLE_RATE;
        out[i] = int16_t(std::lround(std::sin(phase) * TONE_LEVEL * 32767.0));
    }
    m_pSound->pts = first;
}

void MovieWriter::Write()
{
    av_log_set_level(AV_LOG_ERROR);
    const std::string path = m_target.string();
    Check(avformat_alloc_output_context2(&m_pFormat, nullptr, "matroska", path.c_str()), "muxer");
    // Without it the muxer writes the date and random segment and track ids.
    m_pFormat->flags |= AVFMT_FLAG_BITEXACT;
    OpenVideo();
    OpenSound();
    Check(avio_open(&m_pFormat->pb, path.c_str(), AVIO_FLAG_WRITE), "file");
    Check(avformat_write_header(m_pFormat, nullptr), "header");

    m_pPicture = av_frame_alloc();
    m_pRgb = av_frame_alloc();
    m_pSound = av_frame_alloc();
    m_pPacket = av_packet_alloc();
    if (m_pPicture == nullptr || m_pRgb == nullptr || m_pSound == nullptr || m_pPacket == nullptr)
        Fail("out of memory");
    m_pPicture->format = PictureFormat();
    m_pPicture->width = int(m_movie.width);
    m_pPicture->height = int(m_movie.height);
    m_pRgb->format = AV_PIX_FMT_RGB24;
    m_pRgb->width = int(m_movie.width);
    m_pRgb->height = int(m_movie.height);
    m_pSound->format = AV_SAMPLE_FMT_S16;
    m_pSound->sample_rate = SAMPLE_RATE;
    m_pSound->nb_samples = SAMPLE_RATE / int(m_movie.frameRate);
    av_channel_layout_default(&m_pSound->ch_layout, 1);
    Check(av_frame_get_buffer(m_pPicture, 0), "picture");
    Check(av_frame_get_buffer(m_pRgb, 0), "picture");
    Check(av_frame_get_buffer(m_pSound, 0), "sound");
    m_pScaler = sws_getContext(int(m_movie.width), int(m_movie.height), AV_PIX_FMT_RGB24, int(m_movie.width),
                               int(m_movie.height), PictureFormat(), SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (m_pScaler == nullptr)
        Fail("scaler");

    for (uint32_t frame = 0; frame < m_movie.frameCount; ++frame) {
        PaintFrame(frame);
        Send(m_video, m_pPicture);
        for (uint32_t track = 0; track < m_tracks.size(); ++track) {
            FillTone(track, frame);
            Send(m_tracks[track], m_pSound);
        }
    }
    Send(m_video, nullptr);
    for (Stream& track : m_tracks)
        Send(track, nullptr);
    Check(av_write_trailer(m_pFormat), "trailer");
}

} // namespace

uint32_t MovieShotColor(const MovieDescription& movie, uint32_t frame)
{
    uint32_t color = 0;
    for (const MovieDescription::Shot& shot : movie.shots) {
        if (shot.firstFrame <= frame)
            color = shot.color;
    }
    return color;
}

void EncodeMovie(const MovieDescription& movie, const std::filesystem::path& target)
{
    if (movie.width == 0 || movie.height == 0 || movie.frameRate == 0 || SAMPLE_RATE % int(movie.frameRate) != 0 ||
        movie.frameCount == 0)
        throw ContentError("cannot encode movie " + target.string() +
                           ": the size must not be 0, the frame rate must divide 48000, and there must be frames");
    MovieWriter writer(movie, target);
    writer.Write();
}
