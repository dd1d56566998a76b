#!/usr/bin/env bash
# Renders the trailcam-setup icon, a trail camera strapped to a tree trunk, from its one
# drawing: the scalable picture in data/icons/hicolor/scalable/apps. It makes the program's own
# icon (src/res/app_icon.bmp: 48x48, 24-bit BMP without alpha), the title band's icon for the
# scales above 100 % (src/res/title_icon_WxH.bmp, at the sizes the skin lists in kTitleIconSizes),
# the sizes that desktops pick from the icon theme (data/icons/hicolor/SIZExSIZE/apps) and the
# Windows icon (src/res/app_icon.ico). The results are committed, so the build needs no renderer; run this
# after changing the drawing.
#
# Needs rsvg-convert (Debian: librsvg2-bin) and ImageMagick.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
icons="$root/data/icons/hicolor"
drawing=("$icons"/scalable/apps/*.svg)
name="$(basename "${drawing[0]}" .svg)"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2; exit 1; }

for size in 48 64 128 256; do
    mkdir -p "$icons/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "${drawing[0]}" |
        convert - -strip "PNG32:$icons/${size}x${size}/apps/$name.png"
done

bitmap() { # WIDTH HEIGHT FILE: the drawing stretched to WIDTH x HEIGHT, as the program reads it
    rsvg-convert -w "$1" -h "$2" "${drawing[0]}" |
        convert - -strip -alpha off -depth 8 -type TrueColor "BMP3:$3"
}
bitmap 48 48 "$root/src/res/app_icon.bmp"
# At 100 % the title band shows the program's icon at 16x15; at 125, 150, 175, 200, 250 and 300 %
# its place is as many device pixels as these, and it shows the drawing made at that size.
for size in 20x19 24x23 28x26 32x30 40x38 48x45; do
    bitmap "${size%x*}" "${size#*x}" "$root/src/res/title_icon_$size.bmp"
done

# The Windows program's icon (src/res/app_icon.ico): the rendered sizes, and the small ones that
# Explorer and the Start menu show, scaled down from the largest.
ico_sizes=()
for size in 256 128 64 48; do
    ico_sizes+=("$icons/${size}x${size}/apps/$name.png")
done
convert "${ico_sizes[@]}" \
    \( "$icons/256x256/apps/$name.png" -resize 32x32 \) \
    \( "$icons/256x256/apps/$name.png" -resize 24x24 \) \
    \( "$icons/256x256/apps/$name.png" -resize 16x16 \) \
    -strip "$root/src/res/app_icon.ico"
