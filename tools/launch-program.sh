#!/usr/bin/env bash
# Starts the built program in the build tree's Wine prefix with its control libraries registered.
# $1: managed (a desktop with a window manager) or unmanaged (a bare X display).
set -euo pipefail
cd "$(dirname "$0")/.."
build/wine-run --boot "${1:-managed}"
for ocx in build/bin/*.ocx; do
  [ -f "$ocx" ] && build/wine-run regsvr32 /s "$ocx"
done
exec build/wine-run build/bin/VNCCorvana.exe
