#!/usr/bin/env bash
# Checks that saves that cannot be written fail with the game's error text,
# and that the earlier save stays as it was and loads, with nothing else left
# beside it. With FOLDER, the writes fail on a full file system: FOLDER (a
# small one, e.g. mount -t tmpfs -o size=1M tmpfs /tmp/full) is filled up
# after the first save. Without it, a file size limit of 0 (ulimit -f) makes
# them fail in a temporary folder, with no need to mount anything.
#   tools/killtest/full-disk.sh SIM DATA [FOLDER]
set -euo pipefail
sim=$1
data=$2
folder=${3:-}
limit=unlimited
if [[ -z $folder ]]; then
    folder=$(mktemp -d)
    trap 'rm -rf "$folder"' EXIT
    limit=0
fi
file=$folder/game.dat
fail() {
    echo "$*" >&2
    exit 1
}
play() { "$sim" --data "$data" --seed 7; }
loaded() { printf 'load %s\nstate\n' "$file" | play; }

[[ $(echo "save $file" | play) == "saved $file" ]] || fail "the first save failed"
bytes=$(cksum <"$file")
before=$(loaded)
if [[ $limit == unlimited ]]; then
    trap 'rm -f "$folder/filler"' EXIT
    dd if=/dev/zero of="$folder/filler" bs=4k 2>/dev/null || true
fi
saves=$(
    trap '' XFSZ
    ulimit -f $limit
    printf 'week\nweek\nsave %s\nsave %s\n' "$file" "$folder/new.dat" | play | grep -v '^sound '
)
echo "$saves"
for name in "$file" "$folder/new.dat"; do
    grep -qF "error Не удалось сохранить игру в файл $name: " <<<"$saves" ||
        fail "no error for $name"
done
[[ $(cksum <"$file") == "$bytes" ]] || fail "the earlier save changed"
[[ $(loaded) == "$before" ]] || fail "the earlier save does not load as before"
rm -f "$folder/filler"
left=$(ls -A "$folder")
[[ $left == game.dat ]] || fail "left in the folder: $left"
echo "the earlier save is whole"
