# The real libraries behind the platform layer. Each service adds its own here;
# the Debian packages that provide them are listed in packages.txt.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)

pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
# Mesh service: X-file meshes, skins and animation sets.
pkg_check_modules(ASSIMP REQUIRED IMPORTED_TARGET assimp)

# The graphics device: OpenGL's fixed-function pipeline, and PNG files for
# back-buffer read-backs.
set(OpenGL_GL_PREFERENCE GLVND)
find_package(OpenGL REQUIRED)
pkg_check_modules(PNG REQUIRED IMPORTED_TARGET libpng)

# The sound service: FAudio's FACT and F3DAudio.
pkg_check_modules(FAUDIO REQUIRED IMPORTED_TARGET FAudio)

# The video service: FFmpeg's demuxers, decoders, scaler and resampler. The
# game loads them when it first plays a movie (Video/FfmpegLibrary.h), so it
# takes only their headers here, and the dynamic loader.
pkg_check_modules(FFMPEG REQUIRED IMPORTED_TARGET libavformat libavcodec libavutil libswscale libswresample)
add_library(velmarsh_ffmpeg_headers INTERFACE)
target_include_directories(velmarsh_ffmpeg_headers INTERFACE ${FFMPEG_INCLUDE_DIRS})
target_link_libraries(velmarsh_ffmpeg_headers INTERFACE ${CMAKE_DL_LIBS})

set(VELMARSH_PLATFORM_LIBRARIES
  PkgConfig::SDL2
  OpenGL::GL
  PkgConfig::PNG
  PkgConfig::ASSIMP
  PkgConfig::FAUDIO
  velmarsh_ffmpeg_headers
  Threads::Threads
)
