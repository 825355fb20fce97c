# The real libraries behind the platform layer. Each service adds its own here;
# the Debian packages that provide them are listed in packages.txt.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)

pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(FAUDIO REQUIRED IMPORTED_TARGET FAudio)

set(VELMARSH_PLATFORM_LIBRARIES
  PkgConfig::SDL2
  PkgConfig::FAUDIO
  Threads::Threads
)
