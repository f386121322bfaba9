#!/usr/bin/env bash
# Kills tarvenia-sim with SIGKILL at random moments while it saves over one
# file again and again, and checks after each kill that the file loads to
# one of the states the same play saved when it ran to its end (the file may
# be missing only while no run has saved yet), and that nothing piles up
# beside it: a kill may leave a temporary file of the save it cut short, but
# the next save that is made must clear it. A kill that finds a file of the
# save folder open counts as landing mid-write.
#   tools/killtest/kill-loop.sh SIM DATA [KILLS] [SEED]
set -euo pipefail
sim=$1
data=$2
kills=${3:-200}
RANDOM=${4:-1}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
saves=$work/saves
file=$saves/game.dat
mkdir "$saves"

# Days, weeks and buildings near the founding cell, each step saved.
for step in $(seq 1 60); do
    case $((step % 4)) in
    0) echo week ;;
    1) printf 'select %d %d\nbuild Farm\n' $((100 + step % 12)) $((100 + step / 12)) ;;
    2) echo "days 3" ;;
    3) echo day ;;
    esac
    printf 'save %s\nstate\n' "$file"
done >"$work/play.txt"

# The states the play saves, from a run that is not killed.
start=$(date +%s%N)
"$sim" --data "$data" --seed 7 <"$work/play.txt" | grep '^state ' | sort -u >"$work/states"
# Kill moments are drawn over the whole run and a little beyond it.
span=$((($(date +%s%N) - start) * 11 / 10000 + 1))
rm -f "$file"

fail() {
    echo "kill $killed: $*" >&2
    exit 1
}
# The state letter of the running program, empty when it is gone.
state() { cut -d' ' -f3 "/proc/$pid/stat" 2>/dev/null || true; }
# The save's checksum, empty while there is none.
sum() { cksum "$file" 2>/dev/null || true; }
# The names of the files beside the save.
others() {
    local path
    for path in "$saves"/*; do
        [[ $path == "$file" ]] || echo "${path##*/}"
    done
}
shopt -s nullglob dotglob
killed=0
midWrite=0
leftBehind=0
while ((killed < kills)); do
    earlier=$(others)
    bytes=$(sum)
    "$sim" --data "$data" --seed 7 <"$work/play.txt" >/dev/null 2>&1 &
    pid=$!
    delay=$(((RANDOM * 32768 + RANDOM) % span))
    sleep "$(printf '%d.%06d' $((delay / 1000000)) $((delay % 1000000)))"
    # Stopped first, so that its open files are seen as they are at the kill;
    # a run that has ended (gone, or a zombie not yet reaped) is not a kill.
    kill -STOP "$pid" 2>/dev/null || true
    until [[ $(state) == [TZ] || -z $(state) ]]; do :; done
    if [[ $(state) == T ]]; then
        if find "/proc/$pid/fd" -lname "$saves/*" | grep -q .; then
            midWrite=$((midWrite + 1))
        fi
        kill -KILL "$pid"
        killed=$((killed + 1))
    fi
    wait "$pid" 2>/dev/null || true

    for name in $(others); do
        [[ $name == game.dat.?????? ]] || fail "left in the save folder: $name"
        if ! grep -qxF "$name" <<<"$earlier"; then
            leftBehind=$((leftBehind + 1))
        elif [[ $(sum) != "$bytes" ]]; then
            fail "still in the save folder after a save: $name"
        fi
    done
    if [[ ! -e $file ]]; then
        [[ -z ${saved:-} ]] || fail "the save is gone"
        continue
    fi
    saved=1
    loaded=$(printf 'load %s\nstate\n' "$file" | "$sim" --data "$data" --seed 7)
    [[ $(head -1 <<<"$loaded") == "loaded $file" ]] || fail "$(head -1 <<<"$loaded")"
    grep -qxF "$(tail -1 <<<"$loaded")" "$work/states" || fail "a state never saved: $loaded"
done
echo "kills $killed mid-write $midWrite left-behind $leftBehind states $(wc -l <"$work/states")"
