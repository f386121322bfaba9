#!/usr/bin/env bash
# A sensible player: builds housing ahead of the people, then producers in an
# order that feeds their chains (water for the farms, food and wood for the
# mines, coal and water for the power station), sells what lies beyond a
# working reserve every month, restores the buildings in autumn and saves
# for the main tax of each decade. It prints the state once a year through
# UNTIL (default 1901, in a scenario 1920) or until the scenario is won or
# lost, then the result line, and saves the game to SAVE when that is set.
# PLAN="Well Farm ..." replaces the order of the producers; a scenario's
# Allowed types and start buildings are taken into account.
set -euo pipefail
source "$(dirname "$0")/common.sh"
if [[ -n $SCENARIO ]]; then UNTIL=${UNTIL:-1920}; else UNTIL=${UNTIL:-1901}; fi

# The map's grid and start position: a random island as the generator writes
# it for that seed, a map's path, or a name in the data folder.
case $MAP in
random:*)
    MAPDIR=$(mktemp -d)
    trap 'rm -rf "$MAPDIR"' EXIT
    "${GEN:-$(dirname "$SIM")/tarvenia-gen-map}" "$MAPDIR" --seed "${MAP#random:}" 2>/dev/null
    MAPBASE=$MAPDIR/${MAP#random:}
    ;;
*/* | *.LTS) MAPBASE=${MAP%.LTS} ;;
*) MAPBASE=$DATA/MAPS/$MAP ;;
esac
# The terrain kind of every cell, column by column as in the map file.
mapfile -t KIND < <(od -An -v -tu1 -w4 "$MAPBASE.LTS" | awk '{print $1}')
START_COL=$(sed -n 's/^SelX=\([0-9]*\).*/\1/p' "$MAPBASE.INI")
START_ROW=$(sed -n 's/^SelY=\([0-9]*\).*/\1/p' "$MAPBASE.INI")
declare -A TAKEN=(["$START_COL,$START_ROW"]=1)

# Type: ground kind (10 any buildable), workers, price, may stand apart.
declare -A EARTH=([Hut]=2 [House]=2 [Tenement]=2 [Farm]=2 [Well]=3 [Fishery]=3 [Sawmill]=4
    [Kiln]=4 [CoalMine]=5 [IronMine]=6 [Quarry]=2 [CoalPower]=2 [Brickworks]=2 [WaterWorks]=3
    [Forestry]=4 [Greenhouse]=2)
declare -A WORKERS=([Hut]=0 [House]=0 [Tenement]=0 [Farm]=4 [Well]=2 [Fishery]=3 [Sawmill]=5
    [Kiln]=2 [CoalMine]=8 [IronMine]=10 [Quarry]=4 [CoalPower]=5 [Brickworks]=6 [WaterWorks]=3
    [Forestry]=2 [Greenhouse]=2)
declare -A HOMES=([Hut]=8 [House]=20 [Tenement]=50 [Barracks]=12)
declare -A PRICE=([Barracks]=2500 [Hut]=1500 [House]=4000 [Tenement]=12000 [Farm]=3000 [Well]=900 [Fishery]=2500
    [Sawmill]=4500 [Kiln]=2000 [CoalMine]=10000 [IronMine]=14000 [Quarry]=2500 [CoalPower]=22000
    [Brickworks]=8000 [WaterWorks]=9000 [Forestry]=1200 [Greenhouse]=5000)

# The types the scenario lets the player build, lower case between commas;
# empty when every type is allowed.
ALLOWED=$(scenario_key Allowed | tr -d ' \t' | tr '[:upper:]' '[:lower:]')
allowed() {
    [[ -z $ALLOWED || ,$ALLOWED, == *,${1,,},* ]]
}

# What to build, in order, as workers and money allow.
PLAN=(${PLAN:-Well Farm Sawmill Farm CoalMine Well Quarry Farm Fishery Sawmill CoalPower Well IronMine
    Farm Brickworks Farm CoalMine Fishery Farm Well IronMine Farm Sawmill})
for i in "${!PLAN[@]}"; do allowed "${PLAN[i]}" || unset "PLAN[i]"; done
PLAN=("${PLAN[@]}")
NEXT=0
HOUSE=House SMALL_HOUSE=Hut BIG_HOUSE=Tenement
allowed House || HOUSE=$SMALL_HOUSE
allowed Tenement || BIG_HOUSE=$HOUSE
# Housing and work places of everything built, also while still under construction.
PLANNED_HOMES=30
PLANNED_WORK=0
# The scenario's start buildings: "Building1=Farm 12,14" ...
for ((n = 1; ; n++)); do
    line=$(scenario_key "Building$n")
    [[ -n $line ]] || break
    read -r type cell <<<"$line"
    TAKEN[${cell// /}]=1
    PLANNED_HOMES=$((PLANNED_HOMES + ${HOMES[$type]:-0}))
    PLANNED_WORK=$((PLANNED_WORK + ${WORKERS[$type]:-0}))
done

# Goods kept back from sale: a winter's food for the mines, fuel and timber
# for the chains.
RESERVE=(0 3000 300 0 100 0 200 150 50)

# Cells in growing squares around the colony's first building, nearest first.
RING=()
for radius in $(seq 1 40); do
    for ((dc = -radius; dc <= radius; dc++)); do
        for ((dr = -radius; dr <= radius; dr++)); do
            ((dc == -radius || dc == radius || dr == -radius || dr == radius)) || continue
            c=$((START_COL + dc)) r=$((START_ROW + dr))
            ((c >= 0 && c < 280 && r >= 0 && r < 280)) && RING+=("$c $r")
        done
    done
done

suits() {
    local kind=${KIND[$(($2 * 280 + $3))]}
    [[ -z ${TAKEN[$2,$3]:-} ]] && ((kind >= 2 && kind <= 8)) && (($1 == 10 || kind == $1))
}

beside_taken() {
    [[ -n ${TAKEN[$(($1 - 1)),$2]:-}${TAKEN[$(($1 + 1)),$2]:-}${TAKEN[$1,$(($2 - 1))]:-}${TAKEN[$1,$(($2 + 1))]:-} ]]
}

# The nearest free cell of the wanted ground; with "beside", only one with a
# building next to it.
find_site() {
    local cell
    for cell in "${RING[@]}"; do
        set -- $cell
        suits "$EARTH_WANTED" "$1" "$2" || continue
        if [[ $BESIDE == no ]] || beside_taken "$1" "$2"; then
            echo "$1 $2"
            return 0
        fi
    done
    return 1
}

place() {
    run select $2 $3
    run build "$1"
    printed "sound Base" || return 1
    TAKEN[$2,$3]=1
    PLANNED_HOMES=$((PLANNED_HOMES + ${HOMES[$1]:-0}))
    PLANNED_WORK=$((PLANNED_WORK + ${WORKERS[$1]:-0}))
    echo "  ${S[date]}: $1 at $2 $3"
}

# Builds next to the colony when the ground is there; otherwise puts workers'
# barracks beside the nearest such ground first, as the barracks may stand
# apart from the colony.
build() {
    local site c r
    EARTH_WANTED=${EARTH[$1]} BESIDE=yes
    if site=$(find_site); then
        place "$1" $site
        return
    fi
    BESIDE=no
    site=$(find_site) || return 1
    set -- "$1" $site
    for c in "$(($2 - 1)) $3" "$(($2 + 1)) $3" "$2 $(($3 - 1))" "$2 $(($3 + 1))"; do
        if suits 10 $c; then
            place Barracks $c || return 1
            place "$1" "$2" "$3"
            return
        fi
    done
    return 1
}


sell_surplus() {
    local fields=() i n any=0
    for i in $(seq 0 8); do
        n=$((STOCK[i] - RESERVE[i]))
        if ((n > 0)); then
            fields+=("$((n > 999999 ? 999999 : n))")
            any=1
        else
            fields+=(_)
        fi
    done
    ((any)) && run sell "${fields[@]}"
    return 0
}

run "#"
report
week=0
while :; do
    run week
    week=$((week + 1))
    date=${S[date]}
    year=${date##*.}
    ((year <= UNTIL)) || break
    if printed refused; then
        echo "a tax was refused on $date"
        break
    fi
    playing || break

    # Money kept back: the yearly taxes, and in the three years before each
    # main tax (125 000 in 1900, doubling every ten years) that tax too.
    keep=15000
    decade=$(((year + 2) / 10 * 10))
    if ((decade >= 1900 && year >= decade - 2)); then
        keep=$((125000 * (1 << ((decade - 1900) / 10)) + 25000))
    fi
    # Housing first: the people only grow into free places.
    if ((PLANNED_HOMES - S[people] < 6)); then
        house=$HOUSE
        ((S[people] > 80)) && house=$BIG_HOUSE
        if ((S[money] - PRICE[$house] > keep)); then build "$house" || true; fi
    fi
    # Then the next producer, when there are hands for it.
    if ((NEXT < ${#PLAN[@]})); then
        type=${PLAN[$NEXT]}
        if ((S[people] - PLANNED_WORK >= WORKERS[$type] && S[money] - PRICE[$type] > keep)); then
            if build "$type"; then NEXT=$((NEXT + 1)); fi
        fi
    fi
    if ((week % 4 == 0)); then
        # Food is kept through autumn and winter for the mines.
        month=${date#*.}
        month=${month%.*}
        if ((month >= 9 || month <= 2)); then RESERVE[1]=6000; else RESERVE[1]=3000; fi
        sell_surplus
    fi
    # Restore once a year, in the autumn, when the money allows it.
    if [[ $date == [1-7].10.* ]] && ((S[money] > keep + 30000)); then
        run restoreall
    fi
    [[ $date == [1-7].3.* ]] && report
done
report
result
if [[ -n ${SAVE:-} ]]; then run save "$SAVE"; fi
