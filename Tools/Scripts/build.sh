#!/bin/sh
# Configures and builds one configuration of the project: build.sh release|sanitize
# The run command (play.sh) and the test command (test.sh) build "release" into
# build/ with these same options, so that neither recompiles what the other built.
# The sanitizer build's sample content is written by the normal build's content
# builder (the same bytes, without the sanitizers' cost), and its test programs
# link the normal build's compiled test code, so "sanitize" builds that first.
set -eu
cd "$(dirname "$0")/../.."
# A new build folder is generated for Ninja, which schedules the compiles of
# every target together; a folder configured before keeps its generator, as
# CMake cannot change it in place.
generator() {
  if [ ! -f "$1/CMakeCache.txt" ]; then
    echo "-G Ninja"
  fi
}
release() {
  cmake $(generator build) -S . -B build -DCMAKE_BUILD_TYPE=Release -DVELMARSH_SANITIZE=OFF -DVELMARSH_WERROR=ON -DVELMARSH_BENCHMARKS=ON
  cmake --build build -j "$(nproc)" "$@"
}
case "${1:-}" in
release)
  release
  ;;
sanitize)
  release
  cmake $(generator build-sanitize) -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVELMARSH_SANITIZE=ON -DVELMARSH_WERROR=ON \
    -DVELMARSH_BENCHMARKS=OFF -DVELMARSH_CONTENT_BUILDER="$PWD/build/ContentBuilder" -DVELMARSH_TEST_OBJECTS_FROM="$PWD/build"
  cmake --build build-sanitize -j "$(nproc)"
  ;;
*)
  echo "usage: $0 release|sanitize" >&2
  exit 2
  ;;
esac
