#pragma once
#include <cstdio>
#include <string>

namespace TestSupport {

// Catches what is written straight to standard output or standard error (by
// this process or by the children it starts) while the object lives, at the
// file-descriptor level. Text that goes through the log is better read with
// LogCapture, which does not depend on the stream the log uses.
class StreamCapture {
public:
    explicit StreamCapture(FILE* stream);
    ~StreamCapture();
    StreamCapture(const StreamCapture&) = delete;
    StreamCapture& operator=(const StreamCapture&) = delete;

    // What was written so far.
    std::string Text() const;
    // What was written so far; the capture starts again empty.
    std::string Take();

private:
    FILE* m_pStream;
    int m_iSaved = -1;
    FILE* m_pFile = nullptr;
};

// What reaches standard error while `call` runs.
template <typename Call>
std::string StderrOf(Call&& call)
{
    StreamCapture capture(stderr);
    call();
    return capture.Text();
}

} // namespace TestSupport
