# The real libraries behind the platform layer. Each service adds its own here;
# the Debian packages that provide them are listed in packages.txt.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)

pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)

set(VELMARSH_PLATFORM_LIBRARIES
  PkgConfig::SDL2
  Threads::Threads
)
