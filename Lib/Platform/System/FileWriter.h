#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

namespace Platform {

// The steps of writing a file so that the file it replaces survives any
// failure: the bytes go to a new file beside it, which is flushed to the disk
// and then renamed over the old one. Each step reports its failure; tests
// replace single steps to make them fail or stop.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // A new, empty file for writing (any earlier file of that name is
    // emptied); null when it cannot be created.
    virtual FILE* Create(const std::string& path) = 0;
    // The number of bytes written; less than size when the write failed.
    virtual size_t Write(FILE* file, const void* bytes, size_t size) = 0;
    // Flushes the stream and the system's buffers to the disk.
    virtual bool Flush(FILE* file) = 0;
    virtual bool Close(FILE* file) = 0;
    // Replaces to by from in one step.
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    virtual void Remove(const std::string& path) = 0;
};

// The real file system; tests derive from it to change one step.
class SystemFileWriter : public FileWriter {
public:
    FILE* Create(const std::string& path) override;
    size_t Write(FILE* file, const void* bytes, size_t size) override;
    bool Flush(FILE* file) override;
    bool Close(FILE* file) override;
    bool Rename(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) override;
};

// The writer every caller uses; tests install another with SetFileWriter and
// restore the real one with SetFileWriter(nullptr).
FileWriter& GetFileWriter();
void SetFileWriter(FileWriter* writer);

} // namespace Platform
