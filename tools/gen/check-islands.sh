#!/usr/bin/env bash
# Checks the islands that the game makes from the first N seeds (and from the
# largest seed) for everything a playable map needs, with the same check that
# ctest runs for 50 seeds. Stops at the first island that fails.
#
#   tools/gen/check-islands.sh [BUILD] [N]      (defaults: build, 1000)
set -euo pipefail
BUILD=${1:-build}
N=${2:-1000}
TARVENIA_ISLAND_SEEDS=$N QT_QPA_PLATFORM=offscreen \
    "$BUILD/island_tests" --gtest_filter=Island.EverySeedMakesAPlayableIsland
echo "the islands of $N seeds are playable"
