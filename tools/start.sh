#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program (on $DISPLAY, else on a private Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
if [ ! -f build/bin/VNCCorvana.exe ]; then
  echo "The build did not produce build/bin/VNCCorvana.exe." >&2
  exit 1
fi
if [ -n "${DISPLAY:-}" ]; then
  exec tools/launch-program.sh managed
fi
echo "No DISPLAY: starting the program on a private Xvfb display."
exec tools/with-xvfb.sh tools/launch-program.sh unmanaged
