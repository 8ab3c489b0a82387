#!/bin/sh
# Installs what is missing, builds the IDE and starts it.
set -e
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
exec build/bin/corvane-ide "$@"
