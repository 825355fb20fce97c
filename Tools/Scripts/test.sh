#!/bin/sh
# Installs what is missing, builds the normal and the sanitizer configurations
# and runs every test in both; fails when either fails. The normal build comes
# first: the sanitizer build takes its sample content from it.
set -eu
cd "$(dirname "$0")/../.."
sh Tools/Scripts/install.sh
sh Tools/Scripts/check-format.sh
export SDL_VIDEODRIVER=offscreen
export SDL_AUDIODRIVER=dummy
jobs="$(nproc)"

sh Tools/Scripts/build.sh release
status=0
(cd build && ctest --output-on-failure -j "$jobs") || status=$?

sh Tools/Scripts/build.sh sanitize
sanitize_status=0
(cd build-sanitize && ctest --output-on-failure -j "$jobs") || sanitize_status=$?

if [ "$sanitize_status" -ne 0 ]; then
  exit "$sanitize_status"
fi
exit "$status"
