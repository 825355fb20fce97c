#include "ContentError.h"
#include "ContentSteps.h"
#include "TextTableWriter.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

// Content/Text/<language code>/<Name>.txt holds the texts of one table in one
// language; the game reads it as "text/<language code>Text<Name>.dat"
// ("text/en-GBTextCommon.dat").
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
            for (const fs::directory_entry& file : fs::directory_iterator(language.path())) {
                if (file.path().extension() != ".txt")
                    continue;
                std::ifstream input(file.path(), std::ios::binary);
                std::stringstream text;
                text << input.rdbuf();
                const std::string label =
                    "Text/" + language.path().filename().string() + "/" + file.path().filename().string();
                const std::vector<uint8_t> table = WriteTextTable(ReadTextSource(text.str(), label));
                const fs::path target =
                    data / "text" /
                    (language.path().filename().string() + "Text" + file.path().stem().string() + ".dat");
                std::ofstream output(target, std::ios::binary | std::ios::trunc);
                output.write(reinterpret_cast<const char*>(table.data()), std::streamsize(table.size()));
                if (!output)
                    throw ContentError("cannot write " + target.string());
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
