#!/usr/bin/env bash
# Configures (once) and builds the cross build in ./build; where that build is not the 32-bit one
# that ships, also compiles the 32-bit deliverables in ./build-i686, and fails when they do not build.
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

# Configures tree $1 for toolchain $2 (afresh when it was configured for another) and builds it.
build_tree() {
  local tree=$1 chain=$2
  if [ -f "$tree/CMakeCache.txt" ] && ! grep -q "^CMAKE_TOOLCHAIN_FILE:.*=$PWD/$chain\$" "$tree/CMakeCache.txt"; then
    echo "$tree/ was configured for another machine's architecture: starting it afresh." >&2
    "$tree/wine-run" --shutdown 2>/dev/null || true
    rm -rf "$tree"
  fi
  if [ ! -f "$tree/CMakeCache.txt" ]; then
    cmake -S . -B "$tree" -DCMAKE_TOOLCHAIN_FILE="$PWD/$chain" -G "Unix Makefiles" >/dev/null
  fi
  cmake --build "$tree" -j"$(nproc)"
}

build_tree build "$toolchain"
# A fault that breaks only the 32-bit build (a structure size, a calling convention, a pointer
# cast) must not pass unseen where only the 64-bit build can run: compile everything for 32 bits too.
if [ "$toolchain" != cmake/mingw-i686.cmake ]; then
  echo "Compiling the 32-bit deliverables (and tests, not run) in build-i686/." >&2
  build_tree build-i686 cmake/mingw-i686.cmake
  for f in VNCCorvana.exe KW_TrayIcon.ocx Pinglet.ocx; do
    [ -f "build-i686/bin/$f" ] || { echo "The 32-bit build did not produce $f." >&2; exit 1; }
  done
fi
