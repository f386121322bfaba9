#!/usr/bin/env bash
# The long soak: builds tarvenia-soak under AddressSanitizer and
# UndefinedBehaviorSanitizer and plays the game's data for many years with
# random commands, checking the colony after every command.
#   tools/soak/run.sh [YEARS] [SEED]
set -euo pipefail
cd "$(dirname "$0")/../.."
years=${1:-200}
seed=${2:-1}
cmake -S . -B build-f-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVENIA_WERROR=ON \
    -DTARVENIA_SANITIZE=ON -DTARVENIA_BENCH=OFF >/dev/null
cmake --build build-f-asan --target tarvenia-soak gamedata
export QT_QPA_PLATFORM=offscreen
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build-f-asan/tarvenia-soak --years "$years" --seed "$seed"
