#!/bin/sh
# Installs what is missing, builds what the program needs, and starts it.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
sh scripts/configure.sh
# Only the program: it brings L3ENC and the window library with it, so even
# a build folder with the tests on builds no test here.
cmake --build build --target encoder
exec build/bin/encoder "$@"
