#!/usr/bin/env bash
# The same settings give the same bytes from the Linux and the Windows build: the trailcam-card
# of each writes the three files with the same values, the clock given too, into a folder of its
# own; every file must be equal, byte for byte, to the other build's.
#   tools/windows/same-bytes.sh LINUX_TRAILCAM_CARD WINDOWS_TRAILCAM_CARD_EXE
# WINEPREFIX must be set, as for tools/windows/wine-run.sh.
set -euo pipefail
linux=$1 windows=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/linux" "$work/windows"

# Every list away from its default where the form allows it, and texts in every field that
# takes one.
camera=(MODE=2 PRES=0 MRES=0 IMGB=2 VLEN=3 BEEP=0 SENL=2 TSTP=0 IRLED=0 YMD=0
    "CLK=2026-12-06 14:05:09" PINV=1 PINVT=01:30 TINV=1 TINVT=02:15 SNUM=1 SNUMS=K9Z2
    TIMER=1 "TIMERT1=06:00 20:00" "TIMERT2=21:30 23:45" "TIMERT3=00:00 00:00")
mms=(MMSS=2 MMSDNUM=5 MMSDR=1 MMSDRT=3 URL=http://mms.example.org/ APN=mms.example IP=10.0.0.1
    PORT=8080 ACC=ranger PWD=secret PHNO1=+4930123 PHNUM2=+4930456 EML1=ranger@example.org
    EMN2=warden@example.org)
smtp=(SMTPS=1 SMTPDNUM=3 SMTPDR=1 SMTPDRT=2 APN=internet.example ACC=ranger PWD1=secret
    SRV=smtp.example.org PORT=587 SEND=camera@example.org PWD2=mailsecret
    EML1=ranger@example.org EMN2=warden@example.org)

write() { # KIND VALUE...
    local kind=$1
    shift
    local sets=()
    for value in "$@"; do sets+=(--set "$value"); done
    "$linux" write "$kind" "${sets[@]}" "$work/linux" >/dev/null
    "$here/wine-run.sh" "$windows" write "$kind" "${sets[@]}" "$(winepath -w "$work/windows")" \
        >/dev/null
}
write camera "${camera[@]}"
write mms "${mms[@]}"
write smtp "${smtp[@]}"

status=0
for file in CameraSet.dat MmsSet.dat SmtpSet.dat; do
    if cmp "$work/linux/$file" "$work/windows/$file"; then
        echo "$file: the same $(stat -c %s "$work/linux/$file") bytes from both builds"
    else
        status=1
    fi
done
exit $status
