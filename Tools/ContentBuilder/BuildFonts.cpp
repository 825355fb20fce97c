#include "ContentError.h"
#include "ContentSteps.h"
#include "FontRasteriser.h"
#include "OutputFile.h"

#include <cstdio>

namespace fs = std::filesystem;

// Content/Fonts/<Name>.json describes a font that is rasterised at build
// time; the game reads it as "fonts/<Name>.fnt.bin", and its glyph atlas as a
// texture that the manifest builds from the same description.
bool BuildFonts(const fs::path& content, const fs::path& data)
{
    const fs::path source = content / "Fonts";
    if (!fs::exists(source))
        return true;
    try {
        fs::create_directories(data / "fonts");
        for (const fs::directory_entry& description : fs::directory_iterator(source)) {
            if (description.path().extension() != ".json")
                continue;
            const RasterisedFont font = RasteriseFont(description.path(), content);
            const fs::path target = data / "fonts" / (description.path().stem().string() + ".fnt.bin");
            WriteOutputFile(target, font.file);
        }
        return true;
    } catch (const ContentError& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
    } catch (const fs::filesystem_error& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
    }
    return false;
}
