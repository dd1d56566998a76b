#!/usr/bin/env bash
# Generating on a FAT file system, as a card has: trailcam-generate-bench (or
# trailcam-check-costs) in a FAT16 image made with mkfs.vfat and mounted with fusefat (a FAT driver
# in user space, for kernels without vfat). Each call on the file system is a round trip to that
# driver, so the ratios say what the calls beyond the floor's cost there, more than what a card
# costs: a card's syncs take milliseconds.
#   bench/fat_card.sh BENCH [ROUNDS]     BENCH: trailcam-generate-bench or trailcam-check-costs;
#                                        30 rounds unless given
set -euo pipefail
if [ $# -lt 1 ]; then
    echo "usage: $0 BENCH [ROUNDS]" >&2
    exit 2
fi
bench=$1 rounds=${2:-30}
if ! command -v fusefat >/dev/null || ! command -v mkfs.vfat >/dev/null || [ ! -c /dev/fuse ]; then
    echo "no fusefat, mkfs.vfat or /dev/fuse here (apt-get install fusefat dosfstools): not timed"
    exit 0
fi
work=$(mktemp -d)
driver=
finish() {
    # fusefat can hang on a removal in a folder with many removed names, as the bench's own clean
    # up makes, so the driver is stopped before its mount is let go.
    # Either may have ended already.
    [ -n "${timer:-}" ] && kill -9 "$timer" 2>/dev/null || true
    [ -n "$driver" ] && kill -9 "$driver" 2>/dev/null || true
    umount -l "$work/card" 2>/dev/null || fusermount -uz "$work/card" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT
truncate -s 64M "$work/card.img"
mkfs.vfat -n CARD "$work/card.img" >/dev/null
mkdir "$work/card"
fusefat -f -o rw+ "$work/card.img" "$work/card" >/dev/null 2>&1 &
driver=$!
disown
for _ in $(seq 50); do
    mountpoint -q "$work/card" && break
    sleep 0.1
done
if ! mountpoint -q "$work/card"; then
    echo "fusefat did not mount the image: not timed"
    exit 0
fi
# The table is complete once its three files or all checks are timed; what follows is the clean
# up.
stdbuf -oL "$bench" "$work/card" "$rounds" >"$work/out" 2>&1 &
timer=$!
disown
for _ in $(seq 1200); do
    [ "$(grep -c '^[A-Za-z]*Set\.dat' "$work/out")" -ge 3 ] && break
    grep -q '^all checks' "$work/out" && break
    kill -0 "$timer" 2>/dev/null || break
    sleep 0.1
done
cat "$work/out"
