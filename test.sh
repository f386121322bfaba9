#!/usr/bin/env bash
# Installs what is missing, builds every test headless and runs them all.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVENIA_WERROR=ON
cmake --build build-test
ctest --test-dir build-test --output-on-failure -j2
