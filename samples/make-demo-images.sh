#!/usr/bin/env bash
# Draws the sample site's pictures from the shapes below (ImageMagick 6, Debian's imagemagick
# package), so that the demo shows real images made here rather than files copied from
# anywhere: a landscape photo as a baseline JPEG in two sizes (for srcset), a logo as a PNG with
# transparency, and a tile for the page's background as a GIF. The files are committed; run this
# only to draw them again.
set -euo pipefail
img="$(dirname "$0")/demo-site/img"
mkdir -p "$img"

# The landscape at a scale of 1 (160x120) or 2 (320x240): sky, sun, two ranges of hills.
photo() {
  local scale=$1 out=$2
  local s="-draw"
  convert -size $((160 * scale))x$((120 * scale)) gradient:'#7fb2e5'-'#f4e3b5' \
    -fill '#f7c948' $s "circle $((120 * scale)),$((30 * scale)) $((120 * scale)),$((44 * scale))" \
    -fill '#3d7a3a' $s "polygon 0,$((120 * scale)) 0,$((80 * scale)) $((40 * scale)),$((60 * scale)) $((80 * scale)),$((85 * scale)) $((120 * scale)),$((55 * scale)) $((160 * scale)),$((75 * scale)) $((160 * scale)),$((120 * scale))" \
    -fill '#2f5f2c' $s "polygon 0,$((120 * scale)) $((30 * scale)),$((95 * scale)) $((70 * scale)),$((105 * scale)) $((110 * scale)),$((90 * scale)) $((160 * scale)),$((100 * scale)) $((160 * scale)),$((120 * scale))" \
    -strip -interlace none -quality 85 "$out"
}
photo 1 "$img/photo.jpg"
photo 2 "$img/photo-2x.jpg"

# The logo: a blue tile with a white circle and two bars beside it, on a transparent ground.
convert -size 120x40 xc:none \
  -fill '#0066cc' -draw 'roundrectangle 2,4 38,36 8,8' \
  -fill '#ffffff' -draw 'circle 20,20 20,28' \
  -fill '#0066cc' -draw 'rectangle 46,12 116,18' -draw 'rectangle 46,24 96,29' \
  -strip -depth 8 -define png:color-type=6 "$img/logo.png"

# The background tile: a light checker of 8-pixel squares.
convert -size 16x16 xc:'#ffffff' -fill '#eef4fb' \
  -draw 'rectangle 0,0 7,7' -draw 'rectangle 8,8 15,15' -strip "$img/bg.gif"
