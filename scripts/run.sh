#!/usr/bin/env bash
# Builds the desktop program and starts it. Extra arguments go to the program.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/install-deps.sh"

build="$root/build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if ninja -C "$build" -t targets all | grep -q '^velmara-password-generator:'; then
  cmake --build "$build" --target velmara-password-generator
  program=$(find "$build" -type f -name velmara-password-generator -perm -u+x | head -n 1)
  exec "$program" "$@"
fi

# Until the window exists, show what the command-line front end offers.
cmake --build "$build" --target velmara-pw
exec "$build/cli/velmara-pw" --help
