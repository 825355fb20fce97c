#include "TextureBuilder.h"

#include "ContentError.h"
#include "DdsWriter.h"
#include "FontRasteriser.h"
#include "Manifest.h"
#include "PngFile.h"
#include "ShapePainter.h"
#include "Texture/DdsFormat.h"

namespace {

uint32_t ReadFormat(const nlohmann::json& definition)
{
    const std::string format = RequireString(definition, "format");
    if (format == "DXT1")
        return DDS_FOURCC_DXT1;
    if (format == "DXT5")
        return DDS_FOURCC_DXT5;
    throw ContentError("format \"" + format + "\" is not DXT1 or DXT5");
}

} // namespace

RgbaImage DrawTexturePicture(const nlohmann::json& definition)
{
    const nlohmann::json& size = definition.at("size");
    if (!size.is_array() || size.size() != 2 || !size[0].is_number_unsigned() || !size[1].is_number_unsigned())
        throw ContentError("\"size\" must be [width, height]");
    RgbaImage image(size[0].get<uint32_t>(), size[1].get<uint32_t>());
    if (definition.contains("background")) {
        uint8_t colour[4];
        ParseColour(definition.at("background"), colour);
        for (size_t i = 0; i < image.pixels.size(); i += 4)
            std::copy(colour, colour + 4, &image.pixels[i]);
    }
    if (definition.contains("shapes"))
        PaintShapes(definition.at("shapes"), image);
    return image;
}

std::vector<uint8_t> BuildTexture(const nlohmann::json& definition, const std::filesystem::path& content)
{
    const std::string name = RequireString(definition, "name");
    try {
        const uint32_t fourCc = ReadFormat(definition);
        RgbaImage picture;
        if (definition.contains("png")) {
            const std::filesystem::path path = content / RequireString(definition, "png");
            std::string error;
            if (!ReadPng(path, picture, error))
                throw ContentError(path.string() + ": " + error);
        } else if (definition.contains("font")) {
            picture = RasteriseFont(content / RequireString(definition, "font"), content).atlas;
        } else if (definition.contains("size")) {
            picture = DrawTexturePicture(definition);
        } else {
            throw ContentError("neither \"png\", \"font\" nor \"size\" and \"shapes\" given");
        }
        std::vector<uint8_t> dds;
        std::string error;
        if (!WriteDds(picture, fourCc, dds, error))
            throw ContentError(error);
        return dds;
    } catch (const ContentError& error) {
        throw ContentError("texture \"" + name + "\": " + error.what());
    } catch (const nlohmann::json::exception& error) {
        throw ContentError("texture \"" + name + "\": " + error.what());
    }
}
