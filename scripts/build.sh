#!/bin/sh
# Builds into build/ without installing anything: the program, L3ENC and the
# window library land in build/bin (with -DBUILD_TESTING=ON, the tests too).
# Extra arguments go to the configure step.
set -eu
cd "$(dirname "$0")/.."
sh scripts/configure.sh "$@"
cmake --build build
