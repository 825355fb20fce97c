#pragma once
#include <SDL_opengl.h>

#include <cstdint>

namespace Platform {

// The OpenGL values of the device's state values. Unknown values map to the
// state's default.
GLenum GlCompareFunction(uint32_t function);
GLenum GlBlendFactor(uint32_t factor);
GLenum GlStencilOperation(uint32_t operation);
GLenum GlPrimitiveMode(uint32_t primitiveType);
GLenum GlPolygonMode(uint32_t fillMode);
GLint GlAddressMode(uint32_t address);
GLint GlMagFilter(uint32_t filter);
GLint GlMinFilter(uint32_t filter, uint32_t mipFilter, bool hasMipLevels);

// The four channels of a 0xAARRGGBB colour as floats, in red, green, blue,
// alpha order.
void ColorToFloats(uint32_t color, float out[4]);

} // namespace Platform
