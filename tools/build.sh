#!/usr/bin/env bash
# Configures (once) and builds the cross build in ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -G "Unix Makefiles" >/dev/null
fi
cmake --build build -j"$(nproc)"
