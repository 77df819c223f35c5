#!/usr/bin/env bash
# Makes PNG screenshots of every tab of the main window, its menus, the
# Bronze and invalid states and both dialogs, at scale 1 and at
# QT_SCALE_FACTOR=2, under Xvfb when it is installed, else on the offscreen
# platform. Usage: scripts/screenshots.sh [OUTPUT_FOLDER] (default screenshots/).
# scripts/screenshots.sh --docs makes the pictures that the README and the
# metainfo show instead: the main window's tabs and the dialogs at scale 1, in
# doc/screenshots/ (committed).
set -euo pipefail

docs=false
if [[ "${1:-}" == --docs ]]; then
  docs=true
  shift
fi

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VELMARA_BUILD_DIR:-$root/build-screenshots}"
out="${1:-$root/screenshots}"

# A build folder of its own unless VELMARA_BUILD_DIR names one that exists,
# whose settings are then left as they are.
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMARA_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target velmara-screenshots -j 2 >/dev/null

run() {
  if command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1600x1200x24" env QT_QPA_PLATFORM=xcb "$@"
  else
    QT_QPA_PLATFORM=offscreen "$@"
  fi
}

if $docs; then
  shots=$(mktemp -d)
  trap 'rm -rf "$shots"' EXIT
  run "$build/app/velmara-screenshots" "$shots" >/dev/null
  docs_folder="$root/doc/screenshots"
  mkdir -p "$docs_folder"
  rm -f "$docs_folder"/*.png
  cp "$shots"/main-*.png "$shots"/dialog-*.png "$docs_folder/"
  ls "$docs_folder"
  exit 0
fi

run "$build/app/velmara-screenshots" "$out"
QT_SCALE_FACTOR=2 run "$build/app/velmara-screenshots" "$out/scale2"
echo "screenshots in $out"
