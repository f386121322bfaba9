#!/usr/bin/env bash
# The colony left to itself: the player only ends days and agrees to pay every
# tax. It prints the state once a year through 1901; the money runs out, a tax
# is refused and the calendar stops.
set -euo pipefail
source "$(dirname "$0")/common.sh"

run "#"
report
for year in $(seq 1890 1901); do
    run days 365
    report
    if printed refused; then
        echo "a tax could not be paid: the calendar stops on ${S[date]}"
        exit 0
    fi
done
