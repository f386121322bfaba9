# Shared by the balance scripts: runs tarvenia-sim as a co-process and talks
# to it one command at a time. Sourced, not run.
#
# Environment: SIM (the simulator, default build/tarvenia-sim), DATA (the data
# folder, default data), SEED (default 1), MAP (the map as --map takes it,
# default 01).

SIM=${SIM:-build/tarvenia-sim}
DATA=${DATA:-data}
SEED=${SEED:-1}
MAP=${MAP:-01}

coproc SIMPROC { "$SIM" --data "$DATA" --seed "$SEED" --map "$MAP" 2>/dev/null; }

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
