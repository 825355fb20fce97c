#include "ContentError.h"
#include "ContentSteps.h"
#include "OutputFile.h"
#include "TextTableWriter.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::vector<TextRow> ReadTextFile(const fs::path& file, const std::string& label)
{
    std::ifstream input(file, std::ios::binary);
    std::stringstream text;
    text << input.rdbuf();
    return ReadTextSource(text.str(), label);
}

// The sources of one table in one language: "<Name>.txt", then the files of
// the folder "<Name>/" in name order (the mini-games keep their texts there).
std::vector<fs::path> TextFilesIn(const fs::path& folder)
{
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::map<std::string, std::vector<fs::path>> TableSources(const fs::path& language)
{
    std::map<std::string, std::vector<fs::path>> tables;
    for (const fs::path& file : TextFilesIn(language))
        tables[file.stem().string()].push_back(file);
    for (const fs::directory_entry& entry : fs::directory_iterator(language)) {
        if (!entry.is_directory())
            continue;
        const std::vector<fs::path> parts = TextFilesIn(entry.path());
        std::vector<fs::path>& sources = tables[entry.path().filename().string()];
        sources.insert(sources.end(), parts.begin(), parts.end());
    }
    return tables;
}

std::vector<TextRow> ReadTable(const std::vector<fs::path>& sources, const fs::path& root)
{
    std::vector<TextRow> rows;
    std::map<uint32_t, std::string> labels;
    for (const fs::path& file : sources) {
        const std::string label = "Text/" + fs::relative(file, root).generic_string();
        for (TextRow& row : ReadTextFile(file, label)) {
            const auto [given, fresh] = labels.emplace(row.id, label);
            if (!fresh)
                throw ContentError(label + ": a text id given in " + given->second + " too");
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

} // namespace

// Content/Text/<language code>/<Name>.txt holds the texts of one table in one
// language, with those of the folder <Name>/ beside it; the game reads it as
// "text/<language code>Text<Name>.dat" ("text/en-GBTextCommon.dat").
bool BuildTextTables(const fs::path& content, const fs::path& data)
{
    const fs::path source = content / "Text";
    if (!fs::exists(source))
        return true;
    try {
        fs::create_directories(data / "text");
        for (const fs::directory_entry& language : fs::directory_iterator(source)) {
            if (!language.is_directory())
                continue;
            for (const auto& [name, sources] : TableSources(language.path())) {
                const std::vector<uint8_t> table = WriteTextTable(ReadTable(sources, source));
                const fs::path target = data / "text" / (language.path().filename().string() + "Text" + name + ".dat");
                WriteOutputFile(target, table);
            }
        }
        return true;
    } catch (const ContentError& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
    } catch (const fs::filesystem_error& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
    }
    return false;
}
