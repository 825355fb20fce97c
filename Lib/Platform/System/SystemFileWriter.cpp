#include "System/FileWriter.h"

#include <cstdio>
#include <unistd.h>

namespace Platform {
namespace {

SystemFileWriter s_systemFileWriter;
FileWriter* s_currentFileWriter = &s_systemFileWriter;

} // namespace

FILE* SystemFileWriter::Create(const std::string& path)
{
    return std::fopen(path.c_str(), "wb");
}

size_t SystemFileWriter::Write(FILE* file, const void* bytes, size_t size)
{
    return std::fwrite(bytes, 1, size, file);
}

bool SystemFileWriter::Flush(FILE* file)
{
    // The stream's buffer reaches the system, and the system's reaches the
    // disk before the rename makes the new file the only one.
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

bool SystemFileWriter::Close(FILE* file)
{
    return std::fclose(file) == 0;
}

bool SystemFileWriter::Rename(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void SystemFileWriter::Remove(const std::string& path)
{
    std::remove(path.c_str());
}

FileWriter& GetFileWriter()
{
    return *s_currentFileWriter;
}

void SetFileWriter(FileWriter* writer)
{
    s_currentFileWriter = writer ? writer : &s_systemFileWriter;
}

} // namespace Platform
