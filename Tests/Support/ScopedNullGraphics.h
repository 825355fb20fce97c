#pragma once
#include "Graphics/GraphicsSystem.h"
#include "Graphics/Null/NullGraphicsControl.h"
#include "Graphics/Null/NullGraphicsSystem.h"

#include <memory>

namespace TestSupport {

// Makes every graphics system created while the object lives a recording
// one, steered and watched through Control().
class ScopedNullGraphics {
public:
    ScopedNullGraphics() : m_control(std::make_shared<Platform::NullGraphicsControl>())
    {
        std::shared_ptr<Platform::NullGraphicsControl> control = m_control;
        Platform::SetGraphicsSystemFactory(
            [control]() -> Platform::GraphicsSystem* { return new Platform::NullGraphicsSystem(control); });
    }
    ~ScopedNullGraphics() { Platform::SetGraphicsSystemFactory(nullptr); }
    ScopedNullGraphics(const ScopedNullGraphics&) = delete;
    ScopedNullGraphics& operator=(const ScopedNullGraphics&) = delete;

    Platform::NullGraphicsControl& Control() { return *m_control; }
    Platform::GraphicsRecorder& Recorder() { return m_control->recorder; }

private:
    std::shared_ptr<Platform::NullGraphicsControl> m_control;
};

} // namespace TestSupport
