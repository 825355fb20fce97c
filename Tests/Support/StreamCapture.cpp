#include "Support/StreamCapture.h"

#include "Support/Files.h"

#include <unistd.h>

namespace TestSupport {

StreamCapture::StreamCapture(FILE* stream) : m_pStream(stream)
{
    std::fflush(m_pStream);
    m_pFile = std::tmpfile();
    if (!m_pFile)
        return;
    m_iSaved = dup(fileno(m_pStream));
    dup2(fileno(m_pFile), fileno(m_pStream));
}

StreamCapture::~StreamCapture()
{
    if (!m_pFile)
        return;
    std::fflush(m_pStream);
    dup2(m_iSaved, fileno(m_pStream));
    close(m_iSaved);
    std::fclose(m_pFile);
}

std::string StreamCapture::Text() const
{
    std::fflush(m_pStream);
    return m_pFile ? ReadDescriptor(fileno(m_pFile)) : std::string();
}

std::string StreamCapture::Take()
{
    std::string text = Text();
    // The stream's descriptor shares the file's offset, so rewinding the file
    // rewinds the stream.
    if (m_pFile && ftruncate(fileno(m_pFile), 0) == 0)
        lseek(fileno(m_pFile), 0, SEEK_SET);
    return text;
}

} // namespace TestSupport
