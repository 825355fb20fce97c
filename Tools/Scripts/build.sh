#!/bin/sh
# Configures and builds one configuration of the project: build.sh release|sanitize
# The run command (play.sh) and the test command (test.sh) build "release" into
# build/ with these same options, so that neither recompiles what the other built.
set -eu
cd "$(dirname "$0")/../.."
case "${1:-}" in
release)
  dir=build
  set -- -DCMAKE_BUILD_TYPE=Release -DVELMARSH_SANITIZE=OFF -DVELMARSH_WERROR=ON -DVELMARSH_BENCHMARKS=ON
  ;;
sanitize)
  dir=build-sanitize
  set -- -DCMAKE_BUILD_TYPE=Debug -DVELMARSH_SANITIZE=ON -DVELMARSH_WERROR=ON -DVELMARSH_BENCHMARKS=OFF
  ;;
*)
  echo "usage: $0 release|sanitize" >&2
  exit 2
  ;;
esac
cmake -S . -B "$dir" "$@"
cmake --build "$dir" -j "$(nproc)"
