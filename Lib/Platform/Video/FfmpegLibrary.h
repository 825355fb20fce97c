#pragma once
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <string>

// FFmpeg's functions that the movies call, each with the library it lives in.
#define VELMARSH_FFMPEG_FUNCTIONS(X)          \
    X(avutil, av_frame_alloc)                 \
    X(avutil, av_frame_free)                  \
    X(avutil, av_frame_unref)                 \
    X(avutil, av_log_set_level)               \
    X(avutil, av_strerror)                    \
    X(avcodec, av_packet_alloc)               \
    X(avcodec, av_packet_free)                \
    X(avcodec, av_packet_move_ref)            \
    X(avcodec, av_packet_unref)               \
    X(avcodec, avcodec_alloc_context3)        \
    X(avcodec, avcodec_find_decoder)          \
    X(avcodec, avcodec_free_context)          \
    X(avcodec, avcodec_open2)                 \
    X(avcodec, avcodec_parameters_to_context) \
    X(avcodec, avcodec_receive_frame)         \
    X(avcodec, avcodec_send_packet)           \
    X(avformat, av_find_best_stream)          \
    X(avformat, av_read_frame)                \
    X(avformat, avformat_close_input)         \
    X(avformat, avformat_find_stream_info)    \
    X(avformat, avformat_open_input)          \
    X(swresample, swr_alloc_set_opts2)        \
    X(swresample, swr_convert)                \
    X(swresample, swr_free)                   \
    X(swresample, swr_get_out_samples)        \
    X(swresample, swr_init)                   \
    X(swscale, sws_freeContext)               \
    X(swscale, sws_getCachedContext)          \
    X(swscale, sws_scale)

namespace Platform {

// FFmpeg, loaded the first time a movie opens rather than with the program:
// its libraries and the many they stand on would cost the start more than
// everything else before the first frame.
struct FfmpegLibrary {
#define VELMARSH_FFMPEG_POINTER(library, name) decltype(&::name) name = nullptr;
    VELMARSH_FFMPEG_FUNCTIONS(VELMARSH_FFMPEG_POINTER)
#undef VELMARSH_FFMPEG_POINTER
};

// The functions, loaded once with FFmpeg's own messages turned off; null,
// with `error` naming the library or function that is missing, when FFmpeg
// cannot be loaded (every later call says the same).
const FfmpegLibrary* LoadFfmpeg(std::string& error);

} // namespace Platform
