#!/usr/bin/env bash
# Draws the caption-button images of the skinned windows, 148 to 155: 16x15, 24-bit BMP without
# alpha. Each is a 14x13 coloured square in a one-pixel near-white ring whose corner pixels take
# the title band's colour, so the squares look rounded on the band, with a white glyph inside.
# Uses ImageMagick drawing primitives only, so the images can be regenerated from this file alone.
#
# Usage: tools/make-caption-images.sh [OUTPUT_FOLDER]   (default: src/res)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/src/res}"
mkdir -p "$out"

band='rgb(187,200,143)'   # the title band behind the rounded corners
ring='rgb(246,246,240)'   # near-white ring
sage='rgb(159,175,127)'   # at rest (minimise, maximise), under the pointer (close)
orange='rgb(231,77,24)'   # at rest (close), under the pointer (minimise, maximise)

# Glyphs, drawn in white inside the square (x 1..14, y 1..13).
cross=(-draw "line 4,3 11,10" -draw "line 5,3 12,10" -draw "line 11,3 4,10" -draw "line 12,3 5,10")
window=(-draw "rectangle 4,3 11,5" -draw "rectangle 4,3 4,10" -draw "rectangle 11,3 11,10"
        -draw "rectangle 4,10 11,10")
bar=(-draw "rectangle 4,9 10,10")
# Restore: a window behind another one, the front one hiding the back one's lower left.
restore=(-draw "rectangle 6,2 12,3" -draw "rectangle 12,2 12,8" -draw "rectangle 10,8 12,8"
         -draw "rectangle 6,2 6,4"
         -draw "rectangle 3,5 9,6" -draw "rectangle 3,5 3,11" -draw "rectangle 9,5 9,11"
         -draw "rectangle 3,11 9,11")

draw() {  # draw NUMBER COLOUR GLYPH...
    local number=$1 colour=$2
    shift 2
    convert -size 16x15 "xc:$ring" +antialias -stroke none \
        -fill "$band" -draw "point 0,0" -draw "point 15,0" -draw "point 0,14" -draw "point 15,14" \
        -fill "$colour" -draw "rectangle 1,1 14,13" \
        -fill white -stroke none "$@" \
        -alpha off -depth 8 -type TrueColor "BMP3:$out/caption_$number.bmp"
}

draw 148 "$orange" "${cross[@]}"     # close at rest
draw 149 "$sage" "${cross[@]}"       # close under the pointer
draw 150 "$sage" "${window[@]}"      # maximise at rest
draw 151 "$orange" "${window[@]}"    # maximise under the pointer
draw 152 "$orange" "${bar[@]}"       # minimise under the pointer
draw 153 "$sage" "${bar[@]}"         # minimise at rest
draw 154 "$orange" "${restore[@]}"   # restore under the pointer, while maximised
draw 155 "$sage" "${restore[@]}"     # restore at rest, while maximised
