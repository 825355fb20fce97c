#pragma once
#include "Log/CoreLog.h"
#include "Sound/SoundOutput.h"
#include "System/MessageBoxes.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace Fuzz {

// What a reader reports about a bad file is not a finding: the log and the
// assert boxes are silenced, and every assert is ignored so that reading goes
// on as it does for a player who ignores it.
class Quiet final : public CoreLogCapture, public Platform::MessageBoxes {
public:
    void Write(const char*) override { }
    void ShowOk(const char*, const char*) override { }
    void ShowError(const char*, const char*) override { }
    Platform::AssertAnswer ShowAssert(const char*) override { return Platform::AssertAnswer::Ignore; }
};

inline void SilenceEngine()
{
    static Quiet s_quiet;
    SetLogCapture(&s_quiet);
    Platform::SetMessageBoxes(&s_quiet);
}

// Sound engines and movies opened from now on play into nothing, each
// buffer as soon as the last is done: their sound passes in a fraction of
// its time.
inline void SelectFastSilentOutput()
{
    setenv("SDL_DISKAUDIODELAY", "1", 1);
    Platform::SelectSoundOutput(Platform::SoundOutput::File, "/dev/null");
}

// A file of the harness's own that holds each input in turn, for the
// readers that open a path; removed at exit.
class InputFile {
public:
    explicit InputFile(const char* extension)
        : m_path(std::filesystem::temp_directory_path() /
                 ("velmarsh-fuzz-" + std::to_string(getpid()) + std::string(extension)))
    {
    }
    ~InputFile()
    {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const std::string& Write(const uint8_t* data, size_t size)
    {
        std::ofstream(m_path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), std::streamsize(size));
        m_text = m_path.string();
        return m_text;
    }

private:
    std::filesystem::path m_path;
    std::string m_text;
};

} // namespace Fuzz
