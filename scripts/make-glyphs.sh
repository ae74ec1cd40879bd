#!/usr/bin/env bash
# Draws the ten 10x10 tab glyphs into one strip, magenta where transparent:
# 0 loading, 1 document loading, 2 loaded, 3 loaded and active, 4 close
# pressed, 5 close lit, 6 error page, 7 locked, 8 unlock pressed, 9 unlock lit.
# Needs ImageMagick. The strip is committed; run this only to redraw it.
set -euo pipefail
out="$(dirname "$0")/../resources/tabglyphs.png"

convert -size 100x10 xc:'#ff00ff' +antialias \
  -fill none -stroke '#2a6fd6' -strokewidth 1 -draw 'arc 1,1 8,8 0,270' \
  -fill '#2a6fd6' -stroke none -draw 'rectangle 4,0 5,2' \
  -fill none -stroke '#2a6fd6' -draw 'circle 14.5,4.5 14.5,1' \
  -fill '#2a6fd6' -stroke none -draw 'rectangle 12,5 17,7' \
  -fill '#f4f4f4' -stroke '#8a8a8a' -draw 'rectangle 22,1 27,8' \
  -stroke '#b0b0b0' -draw 'line 23,3 26,3 line 23,5 26,5' \
  -fill '#ffffff' -stroke '#2f8a3a' -draw 'rectangle 32,1 37,8' \
  -stroke '#2f8a3a' -draw 'line 33,3 36,3 line 33,5 36,5 line 33,7 35,7' \
  -fill '#9a2020' -stroke '#5a0f0f' -draw 'rectangle 40,0 49,9' \
  -stroke '#ffffff' -strokewidth 2 -draw 'line 42,2 47,7 line 47,2 42,7' \
  -fill '#e05050' -stroke '#b03030' -strokewidth 1 -draw 'rectangle 50,0 59,9' \
  -stroke '#ffffff' -strokewidth 2 -draw 'line 52,2 57,7 line 57,2 52,7' \
  -fill '#d83030' -stroke '#8a1010' -strokewidth 1 -draw 'polygon 64,0 69,9 60,9' \
  -fill '#ffffff' -stroke none -draw 'rectangle 64,3 65,6 rectangle 64,8 65,8' \
  -fill none -stroke '#6a5410' -draw 'arc 72,0 77,6 180,360' \
  -fill '#d8a820' -stroke '#6a5410' -draw 'rectangle 71,4 78,9' \
  -fill none -stroke '#3a3a3a' -draw 'arc 83,0 88,6 180,330' \
  -fill '#8a6a10' -stroke '#3a3a3a' -draw 'rectangle 81,4 88,9' \
  -fill none -stroke '#6a5410' -draw 'arc 93,0 98,6 180,330' \
  -fill '#f8d050' -stroke '#6a5410' -draw 'rectangle 91,4 98,9' \
  PNG24:"$out"
echo "wrote $out"
