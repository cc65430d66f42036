#!/bin/sh
# Configures and builds into build/ (the program lands in build/bin). Extra
# arguments go to the configure step.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build build
