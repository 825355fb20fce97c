// Splits the sample data folder into one folder of seeds per harness:
//   fuzz_seed_corpus <data folder> <seed folder>
// The data packs seed DataPack, their textures DdsImage, their meshes the two
// X-file harnesses, the dialog files Dialog, the scene files the scene
// readers, the sound files the harnesses of their kinds, the text tables
// TextTable, the fonts Font, the auto-test recording AutoTestRecording, the
// movies' subtitle files SubTitle, the movies themselves (their first
// frames, so that each input stays quick) Movie, the race tracks Race, the
// chase's collisions files ChaseCollisions and "Settings.ini" Settings.
// The save file, which the data folder does not hold, is seeded as the first
// start creates it and as a game with three saved slots writes it; movies of
// sizes that are no multiple of the decoder's block, which the sample movies
// never have, are made for Movie.
#include "Bytes/LittleEndian.h"
#include "ContentBuilder/MovieEncoder.h"
#include "DataPack/DataPackFormat.h"
#include "DataPack/DataPackLayout.h"
#include "Log/CoreLog.h"
#include "Managers/Common/AdventureManager.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The head of a movie that its seed keeps: its header and a few frames.
constexpr size_t MOVIE_SEED_SIZE = 64 * 1024;

class QuietLog final : public CoreLogCapture {
public:
    void Write(const char*) override { }
};

void Write(const fs::path& folder, const std::string& name, const uint8_t* data, size_t size)
{
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

// Every texture and mesh of a pack that passes the layout check.
int SplitPack(const std::vector<uint8_t>& pack, const std::string& packName, const fs::path& seeds)
{
    if (!CheckDataPackLayout(pack.data(), pack.size(), packName.c_str()))
        return 0;
    const uint8_t* toc = pack.data() + DATAPACK_HEADER_SIZE;
    const uint32_t count = ReadWord(toc, 0);
    int written = 0;
    for (uint32_t i = 0; i < count; ++i) {
        const size_t entry = DATAPACK_ENTRY_COUNT_SIZE + size_t(i) * DATAPACK_ENTRY_SIZE;
        const uint32_t kind = ReadWord(toc, entry + DATAPACK_ENTRY_KIND);
        const uint8_t* data = toc + ReadWord(toc, entry + DATAPACK_ENTRY_DATA_OFFSET);
        const uint32_t size = ReadWord(toc, entry + DATAPACK_ENTRY_DATA_SIZE);
        const std::string name =
            packName + "-" + reinterpret_cast<const char*>(toc + ReadWord(toc, entry + DATAPACK_ENTRY_NAME_OFFSET));
        if (kind == DATAPACK_TEXTURE) {
            Write(seeds / "DdsImage", name + ".dds", data, size);
        } else if (kind == DATAPACK_XMESH) {
            Write(seeds / "XFileCheck", name + ".x", data, size);
            Write(seeds / "XFileLoader", name + ".x", data, size);
        } else {
            continue;
        }
        ++written;
    }
    return written;
}

int WriteSaveSeeds(const fs::path& seeds)
{
    SaveFileImage image {};
    const auto* bytes = reinterpret_cast<const uint8_t*>(&image);
    Write(seeds / "SaveFile", "created.dat", bytes, sizeof image);
    image.m_oHeader = SaveFile::MakeHeader(SaveFile::ComputeVarNameSignature(), 1, 0);
    for (int slot = 0; slot < NB_SLOT; ++slot) {
        SaveSlotData& data = image.m_aSlots[slot].m_oData;
        data.m_uPlayingCharacter = AdventureManager::DEFAULT_PLAYING_CHARACTER;
        data.m_iCurrentScene = AdventureManager::START_SCENE + 30 * slot;
        data.m_aVarInts[VARINT_C_CURRENT_SCENE] = data.m_iCurrentScene;
        data.m_fxMusicVolume = AdventureManager::CLEARED_SLOT_VOLUME;
        data.m_aVarBools[slot] = 0x5A5A5A5Au;
        image.m_aSlots[slot].m_uCrc = SaveFile::ComputeSlotCrc(data);
    }
    Write(seeds / "SaveFile", "saved.dat", bytes, sizeof image);
    return 2;
}

// Motion JPEG, which a camera writes, at an odd width and height and at an
// even height whose width is no multiple of 8.
int WriteOddSizeMovieSeeds(const fs::path& seeds)
{
    fs::create_directories(seeds / "Movie");
    int written = 0;
    for (const auto& [width, height] : {std::pair<uint32_t, uint32_t> {317, 177}, {316, 176}}) {
        MovieDescription movie;
        movie.width = width;
        movie.height = height;
        movie.frameCount = 4;
        movie.shots = {{0, 0x806040}, {2, 0x204080}};
        movie.codec = MovieDescription::Codec::MotionJpeg;
        EncodeMovie(movie, seeds / "Movie" / (std::to_string(width) + "x" + std::to_string(height) + ".bik"));
        ++written;
    }
    return written;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <data folder> <seed folder>\n", argv[0]);
        return 2;
    }
    QuietLog quiet;
    SetLogCapture(&quiet);
    const fs::path data = argv[1];
    const fs::path seeds = argv[2];
    const std::pair<const char*, const char*> SOUND_FOLDERS[] = {
        {".xgs", "GlobalSettings"}, {".xsb", "SoundBank"}, {".xwb", "WaveBank"}};
    const std::pair<const char*, const char*> SCENE_FOLDERS[] = {{".twscene.pc", "SceneDescription"},
                                                                 {".3dscene.o", "Scene3DFile"}};
    int written = 0;
    std::error_code error;
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(data, error)) {
        if (!file.is_regular_file())
            continue;
        std::ifstream in(file.path(), std::ios::binary);
        const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
        const std::string extension = file.path().extension().string();
        const std::string name = file.path().filename().string();
        if (name.ends_with(".dialogs.dat")) {
            Write(seeds / "Dialog", name, bytes.data(), bytes.size());
            ++written;
        }
        if (extension == ".dr") {
            Write(seeds / "DataPack", name, bytes.data(), bytes.size());
            written += 1 + SplitPack(bytes, name, seeds);
        }
        for (const auto& [suffix, folder] : SCENE_FOLDERS) {
            if (name.ends_with(suffix)) {
                Write(seeds / folder, name, bytes.data(), bytes.size());
                ++written;
            }
        }
        if (extension == ".dat" && file.path().parent_path().filename() == "text") {
            Write(seeds / "TextTable", name, bytes.data(), bytes.size());
            ++written;
        }
        if (extension == ".col") {
            Write(seeds / "ChaseCollisions", name, bytes.data(), bytes.size());
            ++written;
        }
        if (name == "autotest.dat") {
            Write(seeds / "AutoTestRecording", name, bytes.data(), bytes.size());
            ++written;
        }
        if (name.ends_with(".tw.sub")) {
            Write(seeds / "SubTitle", name, bytes.data(), bytes.size());
            ++written;
        }
        if (extension == ".bik") {
            Write(seeds / "Movie", name, bytes.data(), std::min(bytes.size(), MOVIE_SEED_SIZE));
            ++written;
        }
        if (name == "Settings.ini") {
            Write(seeds / "Settings", name, bytes.data(), bytes.size());
            ++written;
        }
        if (extension == ".race") {
            Write(seeds / "Race", name, bytes.data(), bytes.size());
            ++written;
        }
        if (name.ends_with(".fnt.bin")) {
            Write(seeds / "Font", name, bytes.data(), bytes.size());
            ++written;
        }
        for (const auto& [soundExtension, folder] : SOUND_FOLDERS) {
            if (extension == soundExtension) {
                Write(seeds / folder, name, bytes.data(), bytes.size());
                ++written;
            }
        }
    }
    written += WriteSaveSeeds(seeds);
    written += WriteOddSizeMovieSeeds(seeds);
    if (error || written == 0) {
        std::fprintf(stderr, "fuzz_seed_corpus: no seeds in %s\n", data.c_str());
        return 1;
    }
    std::printf("%d seeds written to %s\n", written, seeds.c_str());
    return 0;
}
