#!/bin/sh
# Configures and builds one configuration: build.sh <build dir> [cmake options...]
set -eu
cd "$(dirname "$0")/../.."
dir="$1"
shift
cmake -S . -B "$dir" "$@"
cmake --build "$dir" -j "$(nproc)"
