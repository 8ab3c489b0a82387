#!/bin/sh
# Installs what is missing, builds with the sanitizers and runs every test:
# first the offscreen ones, then those labelled `display` on a virtual X
# server (24-bit, so that pixel checks see the true colours).
set -e
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON
cmake --build build-test
cd build-test
ctest --output-on-failure -j "$(nproc)" -LE display "$@"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j 1 -L display "$@"
