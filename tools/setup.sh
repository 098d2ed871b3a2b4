#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures and builds into
# build/. Used by both `make run` and `make test`.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev libchm-dev fp-utils fonts-liberation poppler-utils
          xvfb xdotool openbox x11-utils imagemagick python3 clang libclang-rt-14-dev
          librsvg2-bin desktop-file-utils appstream dpkg-dev file)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B build -G Ninja -DKASTENZAHL_WERROR=$werror >/dev/null
cmake --build build
