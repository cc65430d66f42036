#!/bin/sh
# Installs what is needed, builds, and runs every test.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
# Warnings are errors here, so none slips in unnoticed.
sh scripts/build.sh -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
ctest --test-dir build --output-on-failure -j2
