# Warning and sanitizer flags shared by every target of the project; the
# sanitizer builds' programs also carry the runtime's settings.
function(velmarsh_apply_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(VELMARSH_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  get_target_property(type ${target} TYPE)
  if((VELMARSH_SANITIZE OR VELMARSH_FUZZ) AND type STREQUAL "EXECUTABLE")
    target_link_libraries(${target} PRIVATE velmarsh_sanitizer_options)
  endif()
endfunction()

if(VELMARSH_SANITIZE)
  # Line tables are all a sanitizer report needs, and full debug information
  # makes every object of the test programs slower to compile and link. The
  # checked code is optimised a little: unoptimised, every check reloads what
  # it checks from the stack, and the tests ran about twice as long. Optimised
  # and instrumented, the standard library's regex code draws false "may be
  # used uninitialized" warnings from GCC; the normal build keeps that warning.
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined -g1 -O1
                      -Wno-maybe-uninitialized)
  add_link_options(-fsanitize=address,undefined)
endif()

# Programs record only the shared libraries they call. GCC does this by
# default, except when linking with the sanitizers: there every test program
# would load all of the engine's and the content builder's libraries and
# the libraries they stand on (about 170), at every test's start.
add_link_options(-Wl,--as-needed)

# Each test program links the whole engine: mold does it several times faster
# than the default linker, so it is used where it is installed.
find_program(VELMARSH_MOLD mold)
if(VELMARSH_MOLD)
  add_link_options(-fuse-ld=mold)
endif()

# The fuzz build: coverage for libFuzzer on every target (the harnesses add
# the fuzzer's own main), with the same sanitizers.
if(VELMARSH_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELMARSH_FUZZ needs clang: CC=clang CXX=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# The sanitizer runtime's settings: compiled once, after the flags above,
# and linked into every program.
if(VELMARSH_SANITIZE OR VELMARSH_FUZZ)
  add_library(velmarsh_sanitizer_options OBJECT ${PROJECT_SOURCE_DIR}/cmake/SanitizerOptions.cpp)
  velmarsh_apply_options(velmarsh_sanitizer_options)
endif()
