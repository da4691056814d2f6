#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the main window's screenshot for the AppStream metainfo: starts the
# built program under Xvfb in a temporary directory holding the sample card
# file, grabs the screen with ImageMagick's import and cuts it to the window.
# Needs xvfb and imagemagick (./quillbox.sh screenshot installs them).
#   tools/take_screenshot.sh [PROGRAM [SAMPLE [OUTPUT]]]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=$(realpath "${1:-$here/build/src/quillbox}")
sample=$(realpath "${2:-$here/../shared/data/cards-2000.db}")
output=$(realpath -m "${3:-$here/packaging/screenshots/main-window.png}")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$sample" "$work/quillbox.db"
mkdir -p "$(dirname "$output")"
cd "$work"
# The window opens on card 1 of the sample, in English; no window manager, so the
# picture is the window's own content without a frame.
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE LC_ALL=C.UTF-8 \
  xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
  sh -c '"$1" & pid=$!; sleep "${QUILLBOX_SCREENSHOT_WAIT:-4}"
         import -window root screen.png; status=$?; kill "$pid"; wait "$pid" 2>/dev/null; exit $status' \
  sh "$program"
convert screen.png -trim +repage -strip "$output"
echo "wrote $output ($(identify -format '%wx%h' "$output"))"
