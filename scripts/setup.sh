#!/usr/bin/env bash
# Installs what building and testing Wakeguard needs on Debian 12. Quick when
# everything is already there.
set -euo pipefail
packages=(cmake make g++ googletest libgtest-dev libbenchmark-dev libssl-dev clang libclang-rt-14-dev
          mingw-w64 wine64 xvfb fonts-wine imagemagick zip unzip python3 python3-pefile chromium locales)
missing=()
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# The release build is 32-bit and is tested as shipped under 32-bit Wine,
# where the kernel can run 32-bit programs at all.
if "$(dirname "$0")/can-run-32bit.sh"; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed" || missing+=(wine32:i386)
fi
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
# The end-to-end run under code page 1251 names files with umlauts through
# Wine, which needs the Russian locale itself, not only its name.
if ! locale -a 2>/dev/null | grep -qx 'ru_RU.utf8'; then
  echo "setup: generating the locale ru_RU.UTF-8"
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
