#!/usr/bin/env bash
# Draws the program's own images with ImageMagick: the maker's logo (JPEG, as
# the windows store it), the window icon and the hand pointer of the link labels.
# The results are committed under resources/; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")/.."
im=/usr/bin/convert   # ImageMagick's own; another "convert" may come first on PATH
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
out=resources

# Logo: a toroid (ring) beside the brand name, on white.
"$im" -size 184x142 xc:white \
  -fill none -stroke '#1f4e8c' -strokewidth 14 -draw 'circle 46,56 46,24' \
  -stroke '#c8102e' -strokewidth 3 \
  -draw 'line 22,40 34,48' -draw 'line 20,56 32,58' -draw 'line 22,72 34,66' \
  -draw 'line 70,40 58,48' -draw 'line 72,56 60,58' -draw 'line 70,72 58,66' \
  -stroke none -fill '#1f4e8c' -font "$font" -pointsize 30 -annotate +92+68 'ZOVA' \
  -fill '#444444' -pointsize 15 -annotate +16+120 '磁芯  Magnetics' \
  -quality 92 "$out/logo.jpg"

# The About box's logo: the ring and the name drawn for its 84 x 34 picture box,
# so it is shown as stored rather than cropped or scaled at run time.
"$im" -size 84x34 xc:white \
  -fill none -stroke '#1f4e8c' -strokewidth 5 -draw 'circle 17,17 17,5' \
  -stroke '#c8102e' -strokewidth 2 -draw 'line 6,12 10,14' -draw 'line 28,12 24,14' \
  -draw 'line 6,22 10,20' -draw 'line 28,22 24,20' \
  -stroke none -fill '#1f4e8c' -font "$font" -pointsize 17 -annotate +36+24 'ZOVA' \
  -quality 92 "$out/logo-small.jpg"

# Window icon: the ring alone, transparent background.
"$im" -size 64x64 xc:none \
  -fill none -stroke '#1f4e8c' -strokewidth 12 -draw 'circle 32,32 32,10' \
  -stroke '#c8102e' -strokewidth 3 -draw 'line 32,2 32,20' -draw 'line 32,44 32,62' \
  "$out/app-icon.png"

# The same icon drawn at 256 x 256 for the desktop menu, which shows icons larger
# than the window's title bar does. No time stamps, so redrawing changes nothing.
"$im" -size 256x256 xc:none \
  -fill none -stroke '#1f4e8c' -strokewidth 48 -draw 'circle 128,128 128,40' \
  -stroke '#c8102e' -strokewidth 12 -draw 'line 128,8 128,80' -draw 'line 128,176 128,248' \
  -define png:exclude-chunks=date,time "$out/app-icon-256.png"

# Hand pointer, 32 x 32, hot spot at the fingertip (9, 1): drawn as a polygon.
"$im" -size 32x32 xc:none -fill white -stroke black -strokewidth 1 \
  -draw 'polygon 9,1 12,1 13,2 13,11 15,10 17,11 18,12 20,11 22,12 23,13 25,13 27,15 27,23 25,27 24,30 12,30 11,27 6,21 4,18 5,16 7,16 9,18 8,2' \
  -stroke black -draw 'line 13,12 13,18' -draw 'line 18,12 18,18' -draw 'line 23,13 23,18' \
  "$out/hand-cursor.png"
