# Shared by the balance scripts: runs tarvenia-sim as a co-process and talks
# to it one command at a time. Sourced, not run.
#
# Environment: SIM (the simulator, default build/tarvenia-sim), DATA (the data
# folder, default data), SEED (default 1), MAP (the map as --map takes it,
# default 01, or the scenario's land), SCENARIO (a scenario as --scenario takes
# it: a name in DATA/SCENARIOS or a file's path) and LEVEL (easy, normal or
# hard).

SIM=${SIM:-build/tarvenia-sim}
DATA=${DATA:-data}
SEED=${SEED:-1}
SCENARIO=${SCENARIO:-}
LEVEL=${LEVEL:-}

# The scenario's file, for the keys of its [Scenario] section.
if [[ -n $SCENARIO ]]; then
    case $SCENARIO in
    */* | *.ini) SCENARIO_FILE=$SCENARIO ;;
    *) SCENARIO_FILE=$DATA/SCENARIOS/$SCENARIO.ini ;;
    esac
fi

# A key of the scenario's [Scenario] section, trimmed and unquoted as the game
# reads it; empty when the key or the scenario is missing.
scenario_key() {
    [[ -n $SCENARIO ]] || return 0
    awk -v key="$(tr '[:upper:]' '[:lower:]' <<<"$1")" '
        { sub(/\r$/, "") }
        /^[ \t]*\[/ { section = tolower($0); gsub(/[ \t\[\]]/, "", section); next }
        section == "scenario" && index($0, "=") {
            name = tolower(substr($0, 1, index($0, "=") - 1)); gsub(/[ \t]/, "", name)
            if (name != key) next
            value = substr($0, index($0, "=") + 1); gsub(/^[ \t]+|[ \t]+$/, "", value)
            if (value ~ /^".*"$/) value = substr(value, 2, length(value) - 2)
            print value; exit
        }' "$SCENARIO_FILE"
}

OPTIONS=(--data "$DATA" --seed "$SEED")
[[ -n $SCENARIO ]] && OPTIONS+=(--scenario "$SCENARIO")
[[ -n $LEVEL ]] && OPTIONS+=(--difficulty "$LEVEL")
# A scenario plays its own land unless a map is given.
if [[ -n ${MAP:-} || -z $SCENARIO ]]; then
    MAP=${MAP:-01}
    OPTIONS+=(--map "$MAP")
else
    MAP=$(scenario_key Land)
    MAP=${MAP:-01}
fi

coproc SIMPROC { "$SIM" "${OPTIONS[@]}" 2>/dev/null; }

# The lines the last command printed, and the colony's state after it: S[money],
# S[date] ... and the nine goods in STOCK.
OUTPUT=()
declare -A S=()
STOCK=()

# Sends one command, then "state", and collects everything up to the state
# line. Tax dialogs and their answers are echoed to the log as they come.
run() {
    [[ -n ${TRACE:-} ]] && echo "$*" >>"$TRACE"
    echo "$*" >&"${SIMPROC[1]}"
    echo state >&"${SIMPROC[1]}"
    OUTPUT=()
    local line word
    while IFS= read -r line <&"${SIMPROC[0]}"; do
        case $line in
        state\ *)
            for word in ${line#state }; do
                S[${word%%=*}]=${word#*=}
            done
            IFS=, read -ra STOCK <<<"${S[stock]}"
            return 0
            ;;
        taxes\ * | maintax\ * | paid | refused)
            echo "  $line"
            ;;
        esac
        OUTPUT+=("$line")
    done
    echo "the simulator stopped" >&2
    exit 1
}

# The yearly report line.
report() {
    printf '%-10s money=%-8s people=%-4s health=%-4s homes=%-4s work=%-4s buildings=%-3s stock=%s\n' \
        "${S[date]}" "${S[money]}" "${S[people]}" "${S[health]}" "${S[homes]}" "${S[work]}" \
        "${S[buildings]}" "${S[stock]}"
}

# Whether the last command's output holds a line starting with the text.
printed() {
    local line
    for line in "${OUTPUT[@]}"; do
        [[ $line == "$1"* ]] && return 0
    done
    return 1
}

# Whether the scenario in play is still being played; the free game always is.
# Sets SCENARIO_STATE to playing, won or lost.
playing() {
    SCENARIO_STATE=playing
    [[ -n $SCENARIO ]] || return 0
    run scenario
    local line
    for line in "${OUTPUT[@]}"; do
        [[ $line == scenario\ * ]] || continue
        SCENARIO_STATE=${line##*state=}
        LEVEL_PLAYED=$(sed 's/.*difficulty=\([a-z]*\).*/\1/' <<<"$line")
    done
    [[ $SCENARIO_STATE == playing ]]
}

# The game's last line: how the scenario ended, at the level it was played.
result() {
    playing || true
    echo "result ${SCENARIO:-free} ${LEVEL_PLAYED:-${LEVEL:-normal}} $SCENARIO_STATE ${S[date]}" \
        "money=${S[money]} people=${S[people]}"
}
