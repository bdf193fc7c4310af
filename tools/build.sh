#!/usr/bin/env bash
# Configures (once) and builds the cross build in ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
# The program is a 32-bit Windows program. Some machines' kernels run no 32-bit x86 code at all
# (Wine's 32-bit loader fails with "Exec format error"); there the same sources are built for
# 64-bit Windows, so that the program and its tests still run under 64-bit Wine.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  toolchain=cmake/mingw-i686.cmake
else
  toolchain=cmake/mingw-x86_64.cmake
  echo "This machine cannot run 32-bit x86 code: building for 64-bit Windows instead." >&2
fi
if [ -f build/CMakeCache.txt ] && ! grep -q "^CMAKE_TOOLCHAIN_FILE:.*=$PWD/$toolchain\$" build/CMakeCache.txt; then
  echo "build/ was configured for another machine's architecture: starting it afresh." >&2
  build/wine-run --shutdown 2>/dev/null || true
  rm -rf build
fi
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE="$PWD/$toolchain" -G "Unix Makefiles" >/dev/null
fi
cmake --build build -j"$(nproc)"
