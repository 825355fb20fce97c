#pragma once
#include "System/FileWriter.h"

#include <cerrno>
#include <functional>
#include <string>

namespace TestSupport {

// The real file system with one step of a file write made to fail: the
// creation (a read-only folder), the write half-way (a full disk), the flush,
// the close or the rename. The rename can also run any other code instead (a
// crash). Install it with ScopedService and Platform::SetFileWriter.
class FaultyFileWriter : public Platform::SystemFileWriter {
public:
    enum class Fault {
        None,
        Create,
        HalfWrite,
        Flush,
        Close,
        Rename
    };

    explicit FaultyFileWriter(Fault fault) : m_fault(fault) { }

    // Runs instead of the rename.
    void OnRename(std::function<void()> action) { m_onRename = std::move(action); }

    FILE* Create(const std::string& path) override
    {
        if (m_fault != Fault::Create)
            return SystemFileWriter::Create(path);
        errno = EACCES;
        return nullptr;
    }
    size_t Write(FILE* file, const void* bytes, size_t size) override
    {
        if (m_fault != Fault::HalfWrite)
            return SystemFileWriter::Write(file, bytes, size);
        return SystemFileWriter::Write(file, bytes, size / 2);
    }
    bool Flush(FILE* file) override { return m_fault != Fault::Flush && SystemFileWriter::Flush(file); }
    bool Close(FILE* file) override
    {
        const bool closed = SystemFileWriter::Close(file);
        return m_fault != Fault::Close && closed;
    }
    bool Rename(const std::string& from, const std::string& to) override
    {
        if (m_onRename)
            m_onRename();
        return m_fault != Fault::Rename && SystemFileWriter::Rename(from, to);
    }

private:
    Fault m_fault;
    std::function<void()> m_onRename;
};

} // namespace TestSupport
