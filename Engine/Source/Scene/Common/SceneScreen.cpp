#include "Scene/Common/SceneScreen.h"

#include "Common/GameLink.h"
#include "Screen/CoreVirtualScreen.h"

namespace {

constexpr uint32_t DEFAULT_WINDOW_WIDTH = 1280;
constexpr uint32_t DEFAULT_WINDOW_HEIGHT = 960;
constexpr uint32_t NO_SIZE = 0xFFFFFFFFu;

} // namespace

SceneWindow SceneWindow::Current()
{
    const uint32_t uWidth = GetGameLink().GetWindowWidth();
    const uint32_t uHeight = GetGameLink().GetWindowHeight();
    if (uWidth == NO_SIZE || uHeight == NO_SIZE)
        return {DEFAULT_WINDOW_WIDTH, DEFAULT_WINDOW_HEIGHT};
    return {uWidth, uHeight};
}

fx32 SceneWindow::VisibleWidth() const
{
    return CoreVisibleScreenWidth(m_uWidth, m_uHeight);
}

fx32 SceneWindow::Margin() const
{
    return static_cast<fx32>((static_cast<int64_t>(VisibleWidth()) - VIRTUAL_SCREEN_WIDTH) / 2);
}
