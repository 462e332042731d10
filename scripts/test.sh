#!/usr/bin/env bash
# Installs what Velorm needs, builds it and runs every test with ctest.
#   scripts/test.sh              Release build in build/, all tests (unit, integration, ui)
#   scripts/test.sh --sanitize   core and platform under address+undefined sanitizers in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/common.sh

install_packages
if [ "${1:-}" = "--sanitize" ]; then
    configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DVELORM_SANITIZE=ON -DVELORM_BUILD_UI=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        LSAN_OPTIONS=suppressions="$PWD/scripts/sanitizers/lsan.supp" \
        ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -L 'unit|integration'
else
    configure_and_build build -DCMAKE_BUILD_TYPE=Release
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
fi
