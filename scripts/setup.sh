#!/usr/bin/env bash
# Installs what building and testing Wakeguard needs on Debian 12. Quick when
# everything is already there.
set -euo pipefail
packages=(cmake make g++ googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
          mingw-w64 wine64 xvfb fonts-wine imagemagick zip unzip python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "setup: installing ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
