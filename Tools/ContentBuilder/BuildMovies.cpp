#include "ContentError.h"
#include "ContentSteps.h"
#include "Hash/CoreCrc32.h"
#include "MovieEncoder.h"
#include "OutputFile.h"
#include "SubtitleFileWriter.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <string_view>

namespace fs = std::filesystem;

namespace {

uint32_t ParseColor(const std::string& text, const std::string& label)
{
    if (text.size() != 7 || text[0] != '#')
        throw ContentError(label + ": a colour is \"#RRGGBB\", not \"" + text + "\"");
    return uint32_t(std::stoul(text.substr(1), nullptr, 16));
}

MovieDescription ReadMovie(const nlohmann::json& source, const std::string& label)
{
    MovieDescription movie;
    movie.frameRate = source.at("frameRate").get<uint32_t>();
    movie.frameCount = source.at("frames").get<uint32_t>();
    for (const nlohmann::json& shot : source.at("shots"))
        movie.shots.push_back(
            {shot.at("frame").get<uint32_t>(), ParseColor(shot.at("colour").get<std::string>(), label)});
    for (const nlohmann::json& tone : source.at("tracks"))
        movie.toneHertz.push_back(tone.get<double>());
    return movie;
}

std::vector<SubtitleRow> ReadSubtitles(const nlohmann::json& source)
{
    std::vector<SubtitleRow> rows;
    for (const nlohmann::json& row : source) {
        const std::string key = row.at("text").get<std::string>();
        rows.push_back(
            {CoreCrc32Of(std::string_view(key)), row.at("start").get<uint32_t>(), row.at("end").get<uint32_t>()});
    }
    return rows;
}

void BuildMovie(const fs::path& sourcePath, const fs::path& data)
{
    const std::string label = "Movies/" + sourcePath.filename().string();
    std::ifstream input(sourcePath, std::ios::binary);
    const nlohmann::json source = nlohmann::json::parse(input);
    MovieDescription movie = ReadMovie(source, label);
    const std::string name = sourcePath.stem().string();
    for (const auto& [resolution, size] : source.at("pictures").items()) {
        movie.width = size.at(0).get<uint32_t>();
        movie.height = size.at(1).get<uint32_t>();
        EncodeMovie(movie, data / "video" / (name + "_" + resolution + ".bik"));
    }
    if (source.contains("subtitles"))
        WriteOutputFile(data / "video" / (name + ".tw.sub"), WriteSubtitleFile(ReadSubtitles(source["subtitles"])));
}

} // namespace

// Content/Movies/<name>.json describes a movie; the game reads it as
// "video/<name>_hd.bik" and "video/<name>_sd.bik" (one file per entry of
// "pictures"), with its subtitles "video/<name>.tw.sub".
bool BuildMovies(const fs::path& content, const fs::path& data)
{
    const fs::path source = content / "Movies";
    if (!fs::exists(source))
        return true;
    try {
        fs::create_directories(data / "video");
        for (const fs::directory_entry& file : fs::directory_iterator(source)) {
            if (file.path().extension() == ".json")
                BuildMovie(file.path(), data);
        }
        return true;
    } catch (const ContentError& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
    } catch (const nlohmann::json::exception& error) {
        std::fprintf(stderr, "ContentBuilder: Movies: %s\n", error.what());
    } catch (const fs::filesystem_error& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
    }
    return false;
}
