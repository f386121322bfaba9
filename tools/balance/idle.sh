#!/usr/bin/env bash
# The colony left to itself: the player only ends days and agrees to pay every
# tax. It prints the state once a year through UNTIL (default 1901, in a
# scenario 1920); the money runs out, a tax is refused and the calendar stops.
# In a scenario it stops when the scenario is won or lost, and prints the
# result line last.
set -euo pipefail
source "$(dirname "$0")/common.sh"
if [[ -n $SCENARIO ]]; then UNTIL=${UNTIL:-1920}; else UNTIL=${UNTIL:-1901}; fi

run "#"
report
while ((${S[date]##*.} <= UNTIL)); do
    run week
    if printed refused; then
        report
        echo "a tax could not be paid: the calendar stops on ${S[date]}"
        break
    fi
    playing || break
    [[ ${S[date]} == [1-7].3.* ]] && report
done
result
