#!/usr/bin/env bash
# Makes the golden saves of this folder: one colony saved in each format the
# game has written, each by a program of a commit that wrote that format, and
# beside it what today's simulator prints after loading it (NAME.expected).
# The test sim_saves loads every *.dat here and compares, so a new format
# only adds its file and its .expected.
#
#   make.sh save FORMAT SIM   plays play.txt with SIM on the fixture data and
#                             saves formatFORMAT.dat; prints the state line
#                             before the save, to compare by hand. With
#                             SCENARIO=FILE set, plays the scenario of that
#                             file (golden.ini here); with MORE=FILE set,
#                             plays that file's lines after play.txt
#   make.sh expected SIM      writes NAME.expected for every NAME.dat with
#                             today's simulator: "load NAME.dat" and check.txt
#
# How the files were made (the simulator of an old commit, built on its own):
#   format 1 (written from c54a4e2 up to the parent of 30f553a):
#     git worktree add --detach /tmp/v1 30f553a~1
#     cmake -S /tmp/v1 -B /tmp/v1-build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
#         -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
#     cmake --build /tmp/v1-build --target tarvenia-sim
#     tests/data/saves/make.sh save 1 /tmp/v1-build/tarvenia-sim
#   format 2: the same with a worktree at c5ce67e, then make.sh save 2 ...
#   format 3: written by the commit before scenarios came
#   format 4: SCENARIO=golden.ini make.sh save 4 build/tarvenia-sim at the commit
#     that brought the format, so that the file carries a scenario
#   format 5: the same as format 4 at the commit that brought the journal;
#     check.txt's "journal 8" prints its last entries (an older save has none)
#   format 6: SCENARIO=golden.ini MORE=orders.txt make.sh save 6 build/tarvenia-sim
#     at the commit that brought standing orders, so that the file carries two
#     and a day of their deals; check.txt's "orders" prints them
#   format 7: the same as format 6 at the commit that brought the command log;
#     "tarvenia-sim --replay format7.dat" plays its log again (test sim_replays)
#   then, with today's build: tests/data/saves/make.sh expected build/tarvenia-sim
# Each state line that "save" printed was the same as the one in the
# .expected file; a format-1 game has no history before its load, so its
# file lists none.
set -euo pipefail
cd "$(dirname "$0")"
sim=$(realpath "${@: -1}")
case $1 in
save)
    { cat play.txt; [ -z "${MORE:-}" ] || cat "$MORE"; echo "save format$2.dat"; } |
        "$sim" --data ../sim --seed 7 ${SCENARIO:+--scenario "$SCENARIO"} |
        grep -E '^(state|saved|error) '
    ;;
expected)
    for save in *.dat; do
        { echo "load $save"; cat check.txt; } | "$sim" --data ../sim >"${save%.dat}.expected"
    done
    ;;
esac
