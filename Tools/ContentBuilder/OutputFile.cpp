#include "OutputFile.h"

#include "ContentError.h"

#include <fstream>
#include <system_error>

void WriteOutputFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    // Written aside and renamed over the old file, so that a game running
    // from this data folder keeps reading the file it mapped.
    std::filesystem::path written = path;
    written += ".part";
    {
        std::ofstream file(written, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!file)
            throw ContentError("cannot write " + path.string());
    }
    std::error_code error;
    std::filesystem::rename(written, path, error);
    if (error) {
        std::filesystem::remove(written, error);
        throw ContentError("cannot write " + path.string());
    }
}
