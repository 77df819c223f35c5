#!/usr/bin/env bash
# Builds the desktop program and starts it. Extra arguments go to the program.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/install-deps.sh"

build="$root/build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target velmara-password-generator
exec "$build/app/velmara-password-generator" "$@"
