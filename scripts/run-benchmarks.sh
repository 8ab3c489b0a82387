#!/bin/sh
# Installs what is missing, builds the release build of the benchmarks into
# build-bench/ (a folder of their own, so that neither the IDE's build/ nor
# the tests' build-test/ is rebuilt) and runs every benchmark program.
# Arguments go to each benchmark (e.g. --benchmark_filter=...).
set -e
cd "$(dirname "$0")/.."
scripts/install-deps.sh --benchmarks
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_TESTS=OFF -DCORVANE_BENCHMARKS=ON
cmake --build build-bench
found=""
failed=""
for benchmark in build-bench/benchmarks/bench_*; do
  [ -x "$benchmark" ] || continue
  found="yes"
  echo "== $benchmark"
  "$benchmark" "$@" || failed="$failed $benchmark"
done
if [ -z "$found" ]; then
  echo "No benchmark program was built in build-bench/benchmarks." >&2
  exit 1
fi
if [ -n "$failed" ]; then
  echo "Failed:$failed" >&2
  exit 1
fi
