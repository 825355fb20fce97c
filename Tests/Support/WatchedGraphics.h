#pragma once
#include "Graphics/GraphicsSystem.h"

#include <functional>

namespace TestSupport {

// Sees each frame of the program once it is drawn and before it is shown,
// with the device that drew it (whose back buffer can be read then).
using FrameWatcher = std::function<void(Platform::GraphicsDevice&)>;

// A maker of the real OpenGL graphics whose devices hand every frame to the
// watcher just before they present it; install it with
// Platform::SetGraphicsSystemFactory.
Platform::GraphicsSystemFactory WatchedOpenGl(FrameWatcher watcher);

} // namespace TestSupport
