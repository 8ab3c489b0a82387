#!/bin/sh
# Installs what is missing, builds the release build and runs every benchmark.
# Arguments go to each benchmark (e.g. --benchmark_filter=...).
set -e
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
failed=""
for benchmark in build/benchmarks/bench_*; do
  echo "== $benchmark"
  "$benchmark" "$@" || failed="$failed $benchmark"
done
if [ -n "$failed" ]; then
  echo "Failed:$failed" >&2
  exit 1
fi
