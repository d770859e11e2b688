#!/usr/bin/env bash
# Draws the application icon, a yellow folder with a padlock, and writes src/app/folder_locker.ico
# in the sizes Windows asks for. Needs ImageMagick; the .ico it writes is committed.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 256x256 xc:none \
  -fill '#c98a12' -draw 'roundrectangle 16,48 120,96 14,14' \
  -fill '#f2b632' -draw 'roundrectangle 16,72 240,224 18,18' \
  -fill none -stroke '#3b3f46' -strokewidth 18 -draw 'arc 140,96 220,176 180,360' \
  -stroke none -fill '#3b3f46' -draw 'roundrectangle 124,136 236,236 12,12' \
  -fill '#f2b632' -draw 'circle 180,176 180,190' -draw 'rectangle 174,180 186,214' \
  "$work/icon-256.png"
for size in 16 24 32 48; do
  convert "$work/icon-256.png" -resize "${size}x${size}" "$work/icon-$size.png"
done
convert "$work"/icon-{16,24,32,48,256}.png src/app/folder_locker.ico
echo "wrote src/app/folder_locker.ico"
