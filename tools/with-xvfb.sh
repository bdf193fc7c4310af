#!/usr/bin/env bash
# Runs a command with a private, headless X display of its own, and stops it afterwards.
set -euo pipefail
for n in $(seq 90 199); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=$n; break; }
done
: "${display:?no free X display number}"
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb :$display did not start" >&2; exit 1; }
  sleep 0.1
done
export DISPLAY=":$display"
"$@"
