#!/bin/sh
# Installs what is needed, builds, and starts the program.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
sh scripts/build.sh
exec build/bin/encoder "$@"
