#include "Scene/Common/SceneScreen.h"

#include "Common/TwGame.h"
#include "Screen/CoreVirtualScreen.h"

namespace {

constexpr uint32_t DEFAULT_WINDOW_WIDTH = 1280;
constexpr uint32_t DEFAULT_WINDOW_HEIGHT = 960;
constexpr uint32_t NO_SIZE = 0xFFFFFFFFu;

} // namespace

SceneWindow SceneWindow::Current()
{
    const TwGame::DisplaySettings& display = g_oTwGame.m_oDisplaySettings;
    if (display.uWidth == NO_SIZE || display.uHeight == NO_SIZE)
        return {DEFAULT_WINDOW_WIDTH, DEFAULT_WINDOW_HEIGHT};
    return {display.uWidth, display.uHeight};
}

fx32 SceneWindow::VisibleWidth() const
{
    return CoreVisibleScreenWidth(m_uWidth, m_uHeight);
}

fx32 SceneWindow::Margin() const
{
    return static_cast<fx32>((static_cast<int64_t>(VisibleWidth()) - VIRTUAL_SCREEN_WIDTH) / 2);
}
