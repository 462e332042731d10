#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench/) and runs every one of them.
#   bench/run.sh           JOBS=n bench/run.sh to build with n jobs (2 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELORM_BUILD_UI=OFF >/dev/null
cmake --build build-bench -j"${JOBS:-2}" --target benchmarks
for bench in build-bench/bench/*_bench; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench"
done
