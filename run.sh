#!/usr/bin/env bash
# Installs what is missing, builds the game in build/ (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVENIA_TESTS=OFF -DTARVENIA_BENCH=OFF
cmake --build build
if [ -x build/tarvenia ]; then
    exec build/tarvenia "$@"
elif [ -x build/tarvenia-sim ]; then
    echo "The game window is not built yet; playing a week in the colony simulator."
    printf 'state\nweek\nstate\n' | exec build/tarvenia-sim
else
    echo "Built the colony core; the game window is not there yet."
fi
