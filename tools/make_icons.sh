#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the program icon's hicolor PNG sizes from src/resources/quillbox.svg
# into packaging/icons/hicolor/, where they are kept in the repository and
# installed from. Needs rsvg-convert (Debian: librsvg2-bin). Run from anywhere:
#   tools/make_icons.sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
id=io.github.quillbox.Quillbox
for size in 16 22 24 32 48 64 128 256; do
  dir="$here/packaging/icons/hicolor/${size}x${size}/apps"
  mkdir -p "$dir"
  rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
    --output "$dir/$id.png" "$here/src/resources/quillbox.svg"
done
