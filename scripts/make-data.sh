#!/usr/bin/env bash
# Makes the pictures and sounds shipped in data/: the start-up logo (an
# animated GIF) and the short effect sounds. Needs ImageMagick and sox
# (apt-get install imagemagick sox). The results are committed; run this only
# to change them.
set -euo pipefail
cd "$(dirname "$0")/../data"
convert=/usr/bin/convert

# Logo: an evening sky whose star brightens and fades, with the name below.
frames=()
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for i in 0 1 2 3 4 5 6 7; do
  glow=$(( i < 4 ? i : 8 - i ))
  radius=$(( 4 + glow * 2 ))
  shade=$(( 150 + glow * 25 ))
  "$convert" -size 320x120 gradient:'#1b2a5c-#e8875b' \
    -fill "rgb(255,$shade,120)" -draw "circle 262,34 $((262 + radius)),34" \
    -fill '#fdf6e3' -font DejaVu-Sans-Bold -pointsize 40 -annotate +24+82 'Vesperal' \
    -fill '#fdf6e3' -font DejaVu-Sans -pointsize 14 -annotate +28+106 'an evening browser' \
    "$tmp/frame$i.png"
  frames+=("$tmp/frame$i.png")
done
"$convert" -delay 12 -loop 0 "${frames[@]}" -layers Optimize logo.gif

# Sounds: short, soft and distinct.
sox -n -r 22050 -c 1 -b 16 new.wav synth 0.12 sine 660:990 fade q 0.005 0.12 0.06 vol 0.5
sox -n -r 22050 -c 1 -b 16 TabSelect.wav synth 0.05 sine 1200 fade q 0.003 0.05 0.03 vol 0.4
sox -n -r 22050 -c 1 -b 16 type.wav synth 0.02 pinknoise fade q 0.002 0.02 0.015 vol 0.3
sox -n -r 22050 -c 1 -b 16 UserSelect.wav synth 0.08 sine 880 fade q 0.004 0.08 0.04 vol 0.4
