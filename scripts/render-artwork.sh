#!/usr/bin/env bash
# Renders the PNG icons and the dialog banner from their SVG sources (needs imagemagick).
set -euo pipefail
cd "$(dirname "$0")/../ui/resources"
for size in 48 256; do
  convert -background none -density 384 quorvex.svg -resize ${size}x${size} -depth 8 icon-$size.png
done
convert -background none -density 96 banner.svg -depth 8 banner.png
