#!/bin/sh
# Installs what is missing, builds the game and its sample content, and starts it.
set -eu
cd "$(dirname "$0")/../.."
sh Tools/Scripts/install.sh
sh Tools/Scripts/build.sh release
cd build/Data
exec ../velmarsh "$@"
