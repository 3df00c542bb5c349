#!/usr/bin/env bash
# Builds the native core with its tests and the Windows programs.
#   scripts/build.sh [native] [win64] [win32]   (default: native win64)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(native win64)
werror=ON
for t in "${targets[@]}"; do
  case "$t" in
    native)
      cmake -S . -B build/native -DWG_WERROR=$werror -DCMAKE_BUILD_TYPE=Debug >/dev/null
      cmake --build build/native -j2 ;;
    win64)
      cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
        -DWG_WERROR=$werror -DCMAKE_BUILD_TYPE=Release >/dev/null
      cmake --build build/win64 -j2 ;;
    win32)
      cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
        -DWG_WERROR=$werror -DWG_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
      cmake --build build/win32 -j2 --target Wakeguard Uebersicht ;;
    *) echo "unknown build $t" >&2; exit 2 ;;
  esac
done
