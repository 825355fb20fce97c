#!/bin/sh
# Fails when a C++ source of the project differs from what the formatter makes of it.
set -eu
cd "$(dirname "$0")/../.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
