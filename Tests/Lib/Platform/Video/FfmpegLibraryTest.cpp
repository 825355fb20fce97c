// FFmpeg is loaded when the first movie opens, not with the game.
#include "Support/Files.h"
#include "Support/TestPaths.h"
#include "Video/FfmpegLibrary.h"
#include "Video/FfmpegVideoSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <elf.h>
#include <string>
#include <vector>

namespace {

// The libraries a 64-bit program names for the loader to load with it.
std::vector<std::string> NeededLibraries(const std::vector<uint8_t>& program)
{
    std::vector<std::string> needed;
    Elf64_Ehdr header;
    if (program.size() < sizeof header)
        return needed;
    std::memcpy(&header, program.data(), sizeof header);
    const auto section = [&](size_t index) {
        Elf64_Shdr entry {};
        const size_t at = header.e_shoff + index * sizeof entry;
        if (at + sizeof entry <= program.size())
            std::memcpy(&entry, program.data() + at, sizeof entry);
        return entry;
    };
    for (size_t i = 0; i < header.e_shnum; ++i) {
        const Elf64_Shdr dynamic = section(i);
        if (dynamic.sh_type != SHT_DYNAMIC)
            continue;
        const Elf64_Shdr strings = section(dynamic.sh_link);
        for (size_t at = dynamic.sh_offset; at + sizeof(Elf64_Dyn) <= dynamic.sh_offset + dynamic.sh_size;
             at += sizeof(Elf64_Dyn)) {
            Elf64_Dyn entry;
            std::memcpy(&entry, program.data() + at, sizeof entry);
            if (entry.d_tag == DT_NEEDED && strings.sh_offset + entry.d_un.d_val < program.size())
                needed.emplace_back(
                    reinterpret_cast<const char*>(program.data() + strings.sh_offset + entry.d_un.d_val));
        }
    }
    return needed;
}

TEST(FfmpegLibraryTest, TheGameStartsWithoutFfmpegAndLoadsEveryFunctionOnceWhenAMovieOpens)
{
    // Loading FFmpeg's libraries and the many they stand on would cost the
    // start more than everything else before the first frame.
    const std::vector<std::string> needed =
        NeededLibraries(TestSupport::ReadFileBytes(TestSupport::BinaryDir() / "velmarsh"));
    ASSERT_FALSE(needed.empty());
    EXPECT_NE(std::find(needed.begin(), needed.end(), "libSDL2-2.0.so.0"), needed.end());
    for (const std::string& library : needed)
        EXPECT_TRUE(library.rfind("libav", 0) != 0 && library.rfind("libsw", 0) != 0) << library;

    std::string error;
    const Platform::FfmpegLibrary* library = Platform::LoadFfmpeg(error);
    ASSERT_NE(library, nullptr) << error;
#define VELMARSH_FFMPEG_CHECK(from, name) EXPECT_NE(library->name, nullptr) << #name;
    VELMARSH_FFMPEG_FUNCTIONS(VELMARSH_FFMPEG_CHECK)
#undef VELMARSH_FFMPEG_CHECK
    EXPECT_EQ(Platform::LoadFfmpeg(error), library);
}

TEST(FfmpegLibraryTest, AMovieOpenedWhileFfmpegLoadsAheadWaitsForItAndPlays)
{
    Platform::FfmpegVideoSystem videos;
    videos.LoadAhead();
    videos.LoadAhead();
    std::string error;
    const std::unique_ptr<Platform::Movie> movie = videos.Open(
        (TestSupport::DataDir() / "video" / "cine00_hd.bik").string().c_str(), Platform::MOVIE_NO_SOUND, error);
    ASSERT_NE(movie, nullptr) << error;
    EXPECT_EQ(movie->Info().frameCount, 75u);
}

} // namespace
