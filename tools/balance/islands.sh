#!/usr/bin/env bash
# The sensible player of play.sh on the random islands of a range of seeds
# (default 1 to 20): one line per island, then how many paid every tax
# through 1901. The environment is play.sh's; LOGS=dir keeps each game's log.
set -uo pipefail
FIRST=${1:-1}
LAST=${2:-20}
LOGS=${LOGS:-$(mktemp -d)}
paid=0
for seed in $(seq "$FIRST" "$LAST"); do
    log=$LOGS/island-$seed.log
    MAP=random:$seed "$(dirname "$0")/play.sh" >"$log" 2>&1
    status=$?
    last=$(grep -E '^[0-9]+\.[0-9]+\.[0-9]+ ' "$log" | tail -1)
    if ((status == 0)) && ! grep -q refused "$log"; then
        paid=$((paid + 1))
        echo "island $seed: every tax paid; $last"
    else
        echo "island $seed: $(grep -m1 -E 'refused|stopped' "$log" || echo "failed ($status)"); $last"
    fi
done
echo "$paid of $((LAST - FIRST + 1)) islands paid every tax through 1901"
