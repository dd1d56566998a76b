#!/usr/bin/env bash
# trailcam-card writing CameraSet.dat onto 1, 2, 4 and 8 cards at once, each card a file system of
# its own whose every sync takes SLOW_SYNC_MS milliseconds (100 unless given; the slow sync is
# a model, loaded into the program, of a card that takes its time). Written one card after the
# other, N cards would take N times as long as one; written at the same time, about as long.
# The cards are tmpfs mounts in a private mount namespace, which needs root or user namespaces.
#   bench/many_cards.sh TRAILCAM_CARD SLOW_SYNC_LIBRARY
set -euo pipefail
if [ $# -ne 2 ]; then
    echo "usage: $0 TRAILCAM_CARD SLOW_SYNC_LIBRARY" >&2
    exit 2
fi
if ! unshare -m --propagation private true 2>/dev/null; then
    echo "no private mount namespace on this machine: not timed"
    exit 0
fi
export SLOW_SYNC_MS=${SLOW_SYNC_MS:-100}
exec unshare -m --propagation private bash -s "$1" "$2" <<'SCRIPT'
set -euo pipefail
program=$1 slow=$2
cards=$(mktemp -d)
for i in 1 2 3 4 5 6 7 8; do
    mkdir "$cards/card$i"
    mount -t tmpfs -o size=1m "card$i" "$cards/card$i"
done
milliseconds() { echo $(( $(date +%s%N) / 1000000 )); }
printf '%-6s %12s %14s %8s\n' cards "one by one" "at once, ms" ratio
for n in 1 2 4 8; do
    folders=()
    for i in $(seq 1 "$n"); do folders+=("$cards/card$i"); done
    best=
    for round in 1 2 3; do
        begin=$(milliseconds)
        LD_PRELOAD=$slow "$program" write camera "${folders[@]}" >/dev/null
        took=$(( $(milliseconds) - begin ))
        if [ -z "$best" ] || [ "$took" -lt "$best" ]; then best=$took; fi
    done
    [ "$n" -eq 1 ] && one=$best
    awk -v n="$n" -v one="$one" -v best="$best" \
        'BEGIN { printf "%-6d %12d %14d %8.2f\n", n, n * one, best, best / one }'
done
SCRIPT
