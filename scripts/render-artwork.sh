#!/usr/bin/env bash
# Renders the PNG icons, the Windows icon and the dialog banner from their SVG sources
# (needs imagemagick).
set -euo pipefail
cd "$(dirname "$0")/../ui/resources"
for size in 48 256; do
  convert -background none -density 384 quorvex.svg -resize ${size}x${size} -depth 8 icon-$size.png
done
# Windows takes the PNGs inside one .ico.
convert icon-48.png icon-256.png quorvex.ico
convert -background none -density 96 banner.svg -depth 8 banner.png
