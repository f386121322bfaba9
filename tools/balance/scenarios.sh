#!/usr/bin/env bash
# Every shipped scenario played by the sensible player of play.sh at the three
# levels and left to itself by idle.sh at «Обычная»: one result line each
# ("result NAME LEVEL STATE DATE money=.. people=..", LEVEL as played: a fixed
# level overrides the asked one), preceded by the strategy. A scenario's own
# order of producers for play.sh, if any, is its file's BalancePlan key (the
# game ignores it). The environment is play.sh's (SIM, DATA, SEED); LOGS=dir
# keeps each game's log.
set -uo pipefail
DATA=${DATA:-data}
LOGS=${LOGS:-$(mktemp -d)}
mkdir -p "$LOGS"
here=$(dirname "$0")
for file in "$DATA"/SCENARIOS/*.ini; do
    name=$(basename "$file" .ini)
    plan=$(sed -n 's/^BalancePlan=//p' "$file" | tr -d '\r')
    for game in play:easy play:normal play:hard idle:normal; do
        strategy=${game%:*} level=${game#*:}
        log=$LOGS/$name-$strategy-$level.log
        PLAN=${plan:-${PLAN:-}} SCENARIO=$name LEVEL=$level "$here/$strategy.sh" >"$log" 2>&1
        echo "$strategy $(grep '^result ' "$log" || echo "result $name $level failed")"
    done
done
