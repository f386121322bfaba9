#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (and the address and
# undefined-behaviour sanitizers) and runs each for the given number of
# seconds, starting from the seed corpus.
#   fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        { echo "Install $p first (apt-get install $p)"; exit 1; }
done
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTARVENIA_SANITIZE=ON -DTARVENIA_FUZZ=ON \
    -DTARVENIA_TESTS=OFF -DTARVENIA_BENCH=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    mapfile -t targets < <(sed -n 's/^tarvenia_add_fuzzer(\([a-z_]*\).*/\1/p' fuzz/CMakeLists.txt)
fi
cmake --build build-fuzz --target "${targets[@]}"
export QT_QPA_PLATFORM=offscreen
# Qt and fontconfig keep their font caches until exit on purpose, so leaks are
# not counted, as in the tests; every other report stops the run.
export ASAN_OPTIONS=detect_leaks=0
for t in "${targets[@]}"; do
    seeds=fuzz/seeds/${t#fuzz_}
    corpus=fuzz/corpus-${t#fuzz_}
    mkdir -p "$corpus"
    echo "== $t for ${seconds}s"
    # The whole output stays in build-fuzz/TARGET.log; failing inputs are
    # written to build-fuzz/ as crash-*, leak-* or timeout-* files.
    build-fuzz/"$t" -max_total_time="$seconds" -max_len=262144 -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix=build-fuzz/ "$corpus" "$seeds" >build-fuzz/"$t".log 2>&1 || true
    grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|Done' build-fuzz/"$t".log || true
done
