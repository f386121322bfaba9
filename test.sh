#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test headless twice:
# once optimised, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVENIA_WERROR=ON
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVENIA_WERROR=ON \
    -DTARVENIA_SANITIZE=ON -DTARVENIA_BENCH=OFF
cmake --build build-asan -j "$jobs"
# Qt and the font libraries keep some allocations until exit on purpose, so
# leaks are not counted; every other report fails the run.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
