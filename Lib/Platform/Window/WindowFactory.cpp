#include "Window/SdlWindow.h"

namespace Platform {
namespace {

std::unique_ptr<Window> MakeSdlWindow()
{
    return std::make_unique<SdlWindow>();
}

WindowFactory s_factory = MakeSdlWindow;

} // namespace

std::unique_ptr<Window> CreatePlatformWindow()
{
    return s_factory();
}

void SetWindowFactory(WindowFactory factory)
{
    s_factory = factory ? factory : MakeSdlWindow;
}

} // namespace Platform
