#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a bounded time;
# any crash, leak or sanitizer report fails the script.
#   scripts/fuzz.sh [SECONDS]     (20 seconds per target by default)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/common.sh

seconds=${1:-20}
install_packages
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DVELORM_FUZZ=ON -DVELORM_BUILD_UI=OFF
targets=()
for source in fuzz/fuzz_*.cpp; do
    [ "$source" = fuzz/fuzz_db.cpp ] || targets+=("$(basename "$source" .cpp)")
done
cmake --build build-fuzz -j"${VELORM_JOBS:-2}" --target "${targets[@]}"
for t in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$t
    mkdir -p "$corpus"
    echo "== $t (${seconds}s)"
    build-fuzz/fuzz/$t -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 "$corpus"
done
