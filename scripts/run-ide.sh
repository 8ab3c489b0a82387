#!/bin/sh
# Installs what the IDE needs, builds it (without tests and benchmarks) and
# starts it.
set -e
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_TESTS=OFF -DCORVANE_BENCHMARKS=OFF
cmake --build build
exec build/bin/corvane-ide "$@"
