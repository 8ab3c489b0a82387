#!/bin/sh
# Installs what is missing, builds with the sanitizers and runs every test.
set -e
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON
cmake --build build-test
cd build-test
ctest --output-on-failure -j "$(nproc)" "$@"
