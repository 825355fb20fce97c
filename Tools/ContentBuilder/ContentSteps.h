#pragma once
#include <filesystem>
#include <vector>

// One step of the content build: reads its sources under the content folder
// and writes its files into the data folder; false (after printing why) stops
// the build.
struct ContentStep {
    const char* name;
    bool (*build)(const std::filesystem::path& content, const std::filesystem::path& data);
};

// Every step, in build order. Each file format adds its writer here.
const std::vector<ContentStep>& ContentSteps();

bool CopyPlainFiles(const std::filesystem::path& content, const std::filesystem::path& data);
// The data packs that Manifest.json lists, with the entries they hold.
bool BuildDataPacks(const std::filesystem::path& content, const std::filesystem::path& data);
// The text tables of Text/<language code>/*.txt.
bool BuildTextTables(const std::filesystem::path& content, const std::filesystem::path& data);
// The ".fnt.bin" files of the font descriptions Fonts/*.json.
bool BuildFonts(const std::filesystem::path& content, const std::filesystem::path& data);
// The sound banks that Sound/SoundPack.txt describes.
bool BuildSoundBanks(const std::filesystem::path& content, const std::filesystem::path& data);
// The files of every scene of the scene table, from its source in
// Content/Scenes/; a row without one stops the build.
bool BuildScenes(const std::filesystem::path& content, const std::filesystem::path& data);
// The dialog groups of Content/Dialogs.
bool BuildDialogs(const std::filesystem::path& content, const std::filesystem::path& data);
// The recorded play-through of Content/AutoTest/Recording.txt.
bool BuildAutoTestRecording(const std::filesystem::path& content, const std::filesystem::path& data);
// The sample movies of Content/Movies, with their subtitles.
bool BuildMovies(const std::filesystem::path& content, const std::filesystem::path& data);
// The chase's race tracks of Content/MiniGameData/*.race.json.
bool BuildRaceTracks(const std::filesystem::path& content, const std::filesystem::path& data);
// The chase's collisions files of Content/MiniGameData/*.col.json.
bool BuildChaseCollisions(const std::filesystem::path& content, const std::filesystem::path& data);
