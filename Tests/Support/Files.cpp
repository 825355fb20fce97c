#include "Support/Files.h"

#include <fstream>
#include <iterator>
#include <unistd.h>

namespace TestSupport {

std::string ReadFileText(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

std::string ReadDescriptor(int descriptor)
{
    std::string text;
    char buffer[4096];
    off_t offset = 0;
    for (;;) {
        const ssize_t count = pread(descriptor, buffer, sizeof buffer, offset);
        if (count <= 0)
            return text;
        text.append(buffer, size_t(count));
        offset += count;
    }
}

} // namespace TestSupport
