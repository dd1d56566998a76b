#!/usr/bin/env bash
# Draws the trailcam-setup application icon: a trail camera strapped to a
# tree trunk. 48x48, 8-bit RGB without alpha. Uses ImageMagick drawing
# primitives only, so the icon can be regenerated from this file alone.
#
# Usage: tools/make-icon.sh [OUTPUT.png]   (default: src/res/app_icon.png)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/src/res/app_icon.png}"
mkdir -p "$(dirname "$out")"

# Palette
sky='#d8eef2'        # pale sky
leaf='#4f9a4a'       # foliage
leaf_dark='#2f6b2e'  # ground and shadowed foliage
bark='#8a5a2e'
bark_dark='#4a2c12'
bark_light='#a8753f'
strap='#181818'
body='#73873a'       # olive camouflage
body_dark='#56672a'
outline='#161b0a'
lens='#0b0e11'
lens_ring='#6a7076'
glint='#f2f8ff'
pir='#1c2024'
led='#ff2a2a'

convert -size 48x48 "xc:$sky" -stroke none \
  -fill "$leaf" \
    -draw "circle 3,5 9,5" \
    -draw "circle 44,5 50,5" \
  -fill "$leaf_dark" \
    -draw "rectangle 0,41 47,47" \
    -draw "circle 4,41 10,41" \
    -draw "circle 44,40 50,40" \
  -fill "$bark" \
    -draw "rectangle 12,0 35,47" \
  -fill "$bark_light" \
    -draw "rectangle 14,0 15,47" \
  -fill "$bark_dark" \
    -draw "rectangle 12,0 12,47" \
    -draw "rectangle 35,0 35,47" \
    -draw "line 19,0 18,6" \
    -draw "line 29,0 30,5" \
    -draw "line 24,0 24,4" \
    -draw "line 18,43 19,47" \
    -draw "line 30,42 29,47" \
    -draw "line 24,44 24,47" \
  -fill "$strap" \
    -draw "rectangle 11,11 36,14" \
    -draw "rectangle 11,33 36,36" \
  -fill "$outline" \
    -draw "roundrectangle 14,7 33,41 5,5" \
  -fill "$body" \
    -draw "roundrectangle 15,8 32,40 4,4" \
  -fill "$body_dark" \
    -draw "polygon 16,12 20,10 21,14 16,16" \
    -draw "polygon 27,36 31,34 31,39 25,39" \
  -fill "$lens_ring" \
    -draw "circle 23.5,21.5 23.5,14.5" \
  -fill "$lens" \
    -draw "circle 23.5,21.5 23.5,16.5" \
  -fill "$glint" \
    -draw "rectangle 21,18 22,19" \
  -fill "$pir" \
    -draw "roundrectangle 19,31 28,34 1,1" \
  -fill "$led" \
    -draw "rectangle 28,10 29,11" \
  -alpha off -depth 8 -type TrueColor -define png:color-type=2 \
  "PNG24:$out"
