#!/usr/bin/env bash
# Draws the applet's icons with ImageMagick and writes them to src/res/icons.
# Each picture is drawn once on a 256 px canvas and scaled down to the 48, 32
# and 16 px images of its .ico (32-bit with alpha).  The .ico files are kept in
# the repository; run this again only to change a picture.
#   tools/make-icons.sh [output-folder]   (needs `convert`)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../src/res/icons}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# draw NAME ARGS...: renders ARGS (convert drawing options) on a transparent
# canvas and packs the scaled images into NAME.ico.
draw() {
  local name=$1
  shift
  convert -size 256x256 xc:none "$@" "$work/$name.png"
  local sizes=()
  for px in 16 32 48; do
    convert "$work/$name.png" -resize "${px}x${px}" "$work/$name-$px.png"
    sizes+=("$work/$name-$px.png")
  done
  convert "${sizes[@]}" "$out/$name.ico"
}

# waves CX CY COLOUR WIDTH KEEP RADIUS...: sets `layer` to convert options that
# lay arcs around CX,CY over the picture: rings of the given radii, kept only
# inside the shapes that the drawing primitives KEEP cover.  Arcs are cut out of
# full rings because this ImageMagick fills stroked open paths.
waves() {
  local cx=$1 cy=$2 colour=$3 width=$4 keep=$5
  shift 5
  local rings=()
  for r in "$@"; do
    rings+=(-draw "circle $cx,$cy $cx,$((cy - r))")
  done
  layer=(
    '(' -size 256x256 xc:none -fill none -stroke "$colour" -strokewidth "$width" "${rings[@]}"
        '(' -size 256x256 xc:none -fill white -draw "$keep" ')'
        -compose DstIn -composite ')'
    -compose Over -composite
  )
}

# Local device (207): a monitor on a stand with radio waves above its corner.
waves 172 82 '#1d6fd8' 18 'polygon 172,82 172,0 255,0 255,82' 40 72
draw local-device \
  -fill '#3b4651' -draw 'roundrectangle 12,86 188,210 14,14' \
  -fill '#5fb0f5' -draw 'rectangle 26,100 174,196' \
  -fill '#3b4651' -draw 'polygon 84,210 116,210 124,232 76,232' \
  -draw 'roundrectangle 52,228 148,244 6,6' \
  "${layer[@]}" -fill '#1d6fd8' -draw 'circle 172,82 172,71'

# Applet (215): a blue rounded square with a radio sending waves to both sides.
waves 128 128 white 22 'polygon 128,128 0,0 0,255 polygon 128,128 255,0 255,255' 52 96
draw applet \
  -fill '#16539f' -draw 'roundrectangle 8,8 248,248 52,52' \
  -fill '#2a7de1' -draw 'roundrectangle 16,16 240,240 46,46' \
  "${layer[@]}" -fill white -draw 'circle 128,128 128,104'

# Note (222): a yellow warning triangle with an exclamation mark.
draw note \
  -fill '#f6c619' -stroke '#a57f00' -strokewidth 10 \
  -draw 'stroke-linejoin round polygon 128,18 244,232 12,232' \
  -stroke none -fill '#262626' \
  -draw 'roundrectangle 114,84 142,170 10,10' \
  -draw 'circle 128,200 128,184'

# File sharing (260): a folder with a badge holding a bent "pass on" arrow.
draw file-sharing \
  -fill '#c98f22' -draw 'polygon 12,52 92,52 112,74 236,74 236,212 12,212' \
  -fill '#f3c65a' -draw 'roundrectangle 12,96 236,220 10,10' \
  -fill '#1d6fd8' -draw 'circle 176,172 176,100' \
  -fill white -draw 'roundrectangle 138,154 158,212 8,8' \
  -draw 'roundrectangle 138,154 196,174 8,8' \
  -draw 'polygon 190,132 228,164 190,196'
