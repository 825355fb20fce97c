#include "Window/HeadlessWindow.h"

namespace Platform {

bool HeadlessWindow::RegisterClass(const char* className)
{
    m_className = className;
    return true;
}

bool HeadlessWindow::Create(const char* title, bool fullScreen, WindowProcedure* procedure)
{
    if (m_bExists)
        return false;
    m_title = title;
    m_bFullScreen = fullScreen;
    m_pProcedure = procedure;
    m_bExists = true;
    m_bVisible = true;
    return true;
}

void HeadlessWindow::Destroy()
{
    m_bExists = false;
    m_bVisible = false;
    m_pProcedure = nullptr;
}

void HeadlessWindow::PumpMessages()
{
    ++m_iPumpCount;
    HandleCloseSignal();
    while (!m_events.empty()) {
        const SDL_Event event = m_events.front();
        m_events.pop_front();
        HandleEvent(event, WINDOW_ID);
    }
}

void HeadlessWindow::GetClientSize(int& width, int& height) const
{
    width = m_bExists ? m_iWidth : 0;
    height = m_bExists ? m_iHeight : 0;
}

void HeadlessWindow::SetClientSize(int width, int height)
{
    m_iWidth = width;
    m_iHeight = height;
}

} // namespace Platform
