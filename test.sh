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

# The monkey on the window under the sanitizers, side by side: a new game,
# and the balance player's colony of 1901, each checked after every event and
# replayed at its end. Their logs go to a folder of their own, since each
# monkey watches the programs' folder, where the game's data lies, for
# stray writes.
mkdir -p build-asan/monkey
monkey() {
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        build-asan/tarvenia-monkey --seed "$1" --events 20000 "${@:2}" >"build-asan/monkey/$1.log" 2>&1
}
monkey 1 &
monkey 2 --load tests/data/replays/balance1901.dat &
failed=0
for job in $(jobs -p); do wait "$job" || failed=1; done
grep -h -A60 '^monkey' build-asan/monkey/*.log
[ "$failed" -eq 0 ] || { echo "the monkey found a fault (build-asan/monkey/*.log)" >&2; exit 1; }
