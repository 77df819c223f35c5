#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Only missing packages are installed; apt-get update runs once, and only then.
# With the argument "web": the packages of the browser edition's build and
# tests instead (emscripten, chromium, and node with npm when missing).
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev qt6-qpa-plugins
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
  fonts-wqy-microhei fonts-liberation
  xvfb xauth
  # Packaging and its checks: cpack's dpkg-shlibdeps and file, the validators,
  # and bash-completion for the completion test.
  dpkg-dev file desktop-file-utils appstream lintian bash-completion
)
if [[ "${1:-}" == web ]]; then
  packages=(cmake ninja-build emscripten chromium)
  command -v node >/dev/null || packages+=(nodejs)
  command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=()
if ((EUID != 0)); then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
