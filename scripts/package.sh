#!/bin/sh
# Builds the Debian package into build/: trelvin-sondrake_<version>_<arch>.deb.
set -eu
cd "$(dirname "$0")/.."
[ -f build/CMakeCache.txt ] || sh scripts/build.sh
cmake --build build
(cd build && cpack -G DEB)
