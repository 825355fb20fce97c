#include "Graphics/GraphicsSystem.h"

#include "Graphics/OpenGl/OpenGlSystem.h"

namespace Platform {

namespace {

GraphicsSystemFactory s_factory;

} // namespace

GraphicsSystem* CreateGraphicsSystem()
{
    if (s_factory)
        return s_factory();
    return new OpenGlSystem();
}

void SetGraphicsSystemFactory(GraphicsSystemFactory factory)
{
    s_factory = std::move(factory);
}

} // namespace Platform
