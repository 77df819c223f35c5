#!/usr/bin/env bash
# Renders the program's icon, data/icons/icon.svg, to the PNG sizes that the
# hicolor theme and the window icon use (data/icons/icon-SIZE.png). Run it
# after changing the SVG and commit the PNGs; the build does not render them.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail

icons="$(cd "$(dirname "$0")/.." && pwd)/data/icons"
command -v rsvg-convert >/dev/null || {
  echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2
  exit 1
}
rm -f "$icons"/icon-*.png
for size in 16 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" "$icons/icon.svg" --output "$icons/icon-$size.png"
done
ls "$icons"
