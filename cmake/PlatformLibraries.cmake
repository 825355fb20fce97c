# The real libraries behind the platform layer. Each service adds its own here;
# the Debian packages that provide them are listed in packages.txt.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)

pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)

# The graphics device: OpenGL's fixed-function pipeline, and PNG files for
# back-buffer read-backs.
set(OpenGL_GL_PREFERENCE GLVND)
find_package(OpenGL REQUIRED)
pkg_check_modules(PNG REQUIRED IMPORTED_TARGET libpng)

set(VELMARSH_PLATFORM_LIBRARIES
  PkgConfig::SDL2
  OpenGL::GL
  PkgConfig::PNG
  Threads::Threads
)
