#!/bin/sh
# Installs the Debian packages of packages.txt that are not installed yet.
set -eu
cd "$(dirname "$0")/../.."
missing=""
for package in $(grep -v '^#' packages.txt); do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
if [ -n "$missing" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y $missing
fi
