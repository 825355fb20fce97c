#pragma once
#include "Graphics/GraphicsSystem.h"

#include <functional>

namespace TestSupport {

// Sees each frame of the program once it is drawn and before it is shown,
// with the device that drew it (whose back buffer can be read then).
using FrameWatcher = std::function<void(Platform::GraphicsDevice&)>;
// Whether the watcher will look at the pixels of the next frame.
using PictureWanted = std::function<bool()>;

// A maker of the real OpenGL graphics whose devices hand every frame to the
// watcher just before they present it; install it with
// Platform::SetGraphicsSystemFactory. Every call reaches OpenGL, but a frame
// whose picture is not wanted is drawn into one pixel only: filling the
// pixels is nearly all of a software driver's work, and a play looks at few
// of its frames.
Platform::GraphicsSystemFactory WatchedOpenGl(FrameWatcher watcher, PictureWanted pictureWanted);

} // namespace TestSupport
