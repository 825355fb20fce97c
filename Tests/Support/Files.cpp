#include "Support/Files.h"

#include <fstream>
#include <unistd.h>

namespace TestSupport {

namespace {

// The file's bytes read in blocks: a character at a time is slow enough in
// the unoptimised sanitizer build to be most of a test that reads a pack.
template <typename Bytes>
Bytes ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    Bytes bytes;
    char block[65536];
    while (file.read(block, sizeof block) || file.gcount() > 0)
        bytes.insert(bytes.end(), block, block + file.gcount());
    return bytes;
}

} // namespace

std::string ReadFileText(const std::filesystem::path& path)
{
    return ReadWholeFile<std::string>(path);
}

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path)
{
    return ReadWholeFile<std::vector<uint8_t>>(path);
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
