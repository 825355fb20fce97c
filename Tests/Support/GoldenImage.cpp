#include "Support/GoldenImage.h"

#include "Support/TestPaths.h"

#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace TestSupport {
namespace {

// A difference this many times brighter than it is, so that small ones show.
constexpr int DIFFERENCE_GAIN = 8;

std::filesystem::path PngPath(const std::filesystem::path& folder, const std::string& name, const char* suffix)
{
    return folder / (name + suffix + ".png");
}

// Writes what a person needs to see a failure and says where it is.
std::string WriteFailure(const Platform::RgbaImage& image, const Platform::RgbaImage* difference,
                         const std::string& name, const std::filesystem::path& folder)
{
    const std::filesystem::path actual = PngPath(folder, name, ".actual");
    std::error_code ignored;
    std::filesystem::create_directories(actual.parent_path(), ignored);
    std::string written = Platform::WritePng(image, actual.string()) ? actual.string() : "nothing (cannot write)";
    if (difference) {
        const std::filesystem::path path = PngPath(folder, name, ".difference");
        if (Platform::WritePng(*difference, path.string()))
            written += " and " + path.string();
    }
    return "; wrote " + written + " (VELMARSH_UPDATE_GOLDEN=1 rewrites the reference when the change is meant)";
}

} // namespace

bool GoldenUpdateRequested()
{
    const char* value = std::getenv("VELMARSH_UPDATE_GOLDEN");
    return value && std::strcmp(value, "1") == 0;
}

bool ReadPng(const std::filesystem::path& path, Platform::RgbaImage& image)
{
    png_image png {};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str()))
        return false;
    png.format = PNG_FORMAT_RGBA;
    image.width = png.width;
    image.height = png.height;
    image.pixels.assign(PNG_IMAGE_SIZE(png), 0);
    const bool read = png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr) != 0;
    png_image_free(&png);
    return read;
}

testing::AssertionResult MatchesGoldenImage(const Platform::RgbaImage& image, const std::string& name,
                                            uint32_t tolerance)
{
    return MatchesGoldenImage(image, name, tolerance,
                              {SourceDir() / "Tests/Data", BinaryDir() / "GoldenFailures", GoldenUpdateRequested()});
}

testing::AssertionResult MatchesGoldenImage(const Platform::RgbaImage& image, const std::string& name,
                                            uint32_t tolerance, const GoldenFolders& folders)
{
    const std::filesystem::path reference = PngPath(folders.references, name, "");
    if (folders.update) {
        std::error_code ignored;
        std::filesystem::create_directories(reference.parent_path(), ignored);
        if (!Platform::WritePng(image, reference.string()))
            return testing::AssertionFailure() << "cannot write the reference " << reference;
        return testing::AssertionSuccess() << "rewrote " << reference;
    }

    Platform::RgbaImage expected;
    if (!ReadPng(reference, expected))
        return testing::AssertionFailure()
               << "no reference " << reference << WriteFailure(image, nullptr, name, folders.failures);
    if (expected.width != image.width || expected.height != image.height)
        return testing::AssertionFailure()
               << "the image is " << image.width << " x " << image.height << ", the reference " << expected.width
               << " x " << expected.height << WriteFailure(image, nullptr, name, folders.failures);

    Platform::RgbaImage difference {image.width, image.height, std::vector<uint8_t>(image.pixels.size(), 0)};
    size_t differing = 0;
    int worst = 0;
    uint32_t worstX = 0;
    uint32_t worstY = 0;
    for (size_t pixel = 0; pixel < image.pixels.size() / 4; ++pixel) {
        int largest = 0;
        for (size_t channel = 0; channel < 4; ++channel) {
            const size_t at = pixel * 4 + channel;
            const int delta = std::abs(int(image.pixels[at]) - int(expected.pixels[at]));
            largest = std::max(largest, delta);
            if (channel < 3)
                difference.pixels[at] = uint8_t(std::min(255, delta * DIFFERENCE_GAIN));
        }
        difference.pixels[pixel * 4 + 3] = 255;
        if (largest > int(tolerance))
            ++differing;
        if (largest > worst) {
            worst = largest;
            worstX = uint32_t(pixel % image.width);
            worstY = uint32_t(pixel / image.width);
        }
    }
    if (differing == 0) {
        // What an earlier failure left is out of date now.
        std::error_code ignored;
        std::filesystem::remove(PngPath(folders.failures, name, ".actual"), ignored);
        std::filesystem::remove(PngPath(folders.failures, name, ".difference"), ignored);
        return testing::AssertionSuccess();
    }
    std::ostringstream where;
    where << std::hex << "0x" << image.At(worstX, worstY) << " where the reference has 0x"
          << expected.At(worstX, worstY);
    return testing::AssertionFailure() << differing << " pixels differ from " << reference << " by more than "
                                       << tolerance << "; the most at (" << worstX << ", " << worstY
                                       << "): " << where.str()
                                       << WriteFailure(image, &difference, name, folders.failures);
}

} // namespace TestSupport
