#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program (on $DISPLAY, else on a private Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
program=build/bin/VNCCorvana.exe
if [ ! -f "$program" ]; then
  echo "The build did not produce $program." >&2
  exit 1
fi
build/wine-run --boot
for ocx in build/bin/*.ocx; do
  [ -f "$ocx" ] && build/wine-run regsvr32 /s "$ocx"
done
if [ -n "${DISPLAY:-}" ]; then
  exec build/wine-run "$program"
fi
echo "No DISPLAY: starting the program on a private Xvfb display."
exec tools/with-xvfb.sh build/wine-run "$program"
