#!/usr/bin/env bash
# Builds the browser edition with Debian's emscripten into build-web/:
# build-web/web/index.html with its scripts, styles and the codec module
# (WebAssembly embedded), ready to open from disk or to put on any static host.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/install-deps.sh" web

# Debian's emscripten runs its JavaScript tools with node and finds their
# modules (acorn and others) only through NODE_PATH.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

build="$root/build-web"
emcmake cmake -S "$root/web" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build"
echo "Page: $build/web/index.html"
