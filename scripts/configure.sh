#!/bin/sh
# Configures the one build folder, build/, with the flags every script uses,
# so that run.sh, test.sh and package.sh share what each has built. Warnings
# are errors everywhere, so none slips in unnoticed. Extra arguments go to
# cmake (test.sh adds -DBUILD_TESTING=ON).
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@"
