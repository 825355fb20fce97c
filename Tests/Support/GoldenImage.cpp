#include "Support/GoldenImage.h"

#include "Support/TestPaths.h"

#include <png.h>

#include <cstdlib>
#include <cstring>

namespace TestSupport {

bool ReadPngImage(const std::filesystem::path& path, Platform::RgbaImage& image)
{
    png_image png {};
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&png, path.c_str()) == 0)
        return false;
    png.format = PNG_FORMAT_RGBA;
    image.width = png.width;
    image.height = png.height;
    image.pixels.assign(PNG_IMAGE_SIZE(png), 0);
    const bool read = png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr) != 0;
    png_image_free(&png);
    return read;
}

testing::AssertionResult MatchesGoldenImage(const Platform::RgbaImage& picture, const std::string& name,
                                            uint32_t tolerance, uint32_t maxDifferentPixels)
{
    const std::filesystem::path reference = SourceDir() / "Tests/Data" / (name + ".png");
    const char* update = std::getenv("VELMARSH_UPDATE_GOLDEN");
    if (update && std::strcmp(update, "1") == 0) {
        std::filesystem::create_directories(reference.parent_path());
        if (!Platform::WritePng(picture, reference.string()))
            return testing::AssertionFailure() << "cannot write " << reference;
        return testing::AssertionFailure() << "rewrote " << reference << " (VELMARSH_UPDATE_GOLDEN=1)";
    }
    const std::filesystem::path actual = BinaryDir() / (name + ".actual.png");
    Platform::RgbaImage expected;
    if (!ReadPngImage(reference, expected)) {
        std::filesystem::create_directories(actual.parent_path());
        Platform::WritePng(picture, actual.string());
        return testing::AssertionFailure() << "no reference image " << reference << "; the picture is in " << actual;
    }
    if (expected.width != picture.width || expected.height != picture.height)
        return testing::AssertionFailure() << "picture of " << picture.width << " x " << picture.height
                                           << ", reference of " << expected.width << " x " << expected.height;
    uint32_t different = 0;
    for (size_t i = 0; i < picture.pixels.size(); i += 4) {
        for (size_t channel = 0; channel < 4; ++channel) {
            if (uint32_t(std::abs(int(picture.pixels[i + channel]) - int(expected.pixels[i + channel]))) > tolerance) {
                ++different;
                break;
            }
        }
    }
    if (different <= maxDifferentPixels)
        return testing::AssertionSuccess();
    std::filesystem::create_directories(actual.parent_path());
    Platform::WritePng(picture, actual.string());
    return testing::AssertionFailure() << different << " pixels differ from " << reference << "; the picture is in "
                                       << actual;
}

} // namespace TestSupport
