#!/bin/sh
# Saves a screenshot of the sample forms as drawn on the current X display:
#   screenshot.sh <wine-run> <forms_sample_form.exe> <out.png>
# Exits 77 (skipped) without a display or without the X and netpbm tools.
set -eu
wine_run=$1 exe=$2 out=$3
[ -n "${DISPLAY:-}" ] || { echo "no X display"; exit 77; }
for tool in xwd xwdtopnm pnmtopng; do
  command -v "$tool" >/dev/null 2>&1 || { echo "missing $tool"; exit 77; }
done
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
"$wine_run" "$exe" "$(winpath "$dir/ready")" "$(winpath "$dir/stop")" &
pid=$!
tries=0
until [ -e "$dir/ready" ]; do
  tries=$((tries + 1))
  if [ "$tries" -gt 300 ] || ! kill -0 "$pid" 2>/dev/null; then echo "sample form did not come up"; exit 1; fi
  sleep 0.1
done
# A window that goes away while the picture is taken makes xwd fail; take it again.
for attempt in 1 2 3 4 5; do
  if xwd -root -silent -display "$DISPLAY" > "$dir/shot.xwd" 2>/dev/null && [ -s "$dir/shot.xwd" ]; then
    xwdtopnm < "$dir/shot.xwd" 2>/dev/null | pnmtopng > "$out" && break
  fi
  sleep 0.5
done
touch "$dir/stop"
wait "$pid"
[ -s "$out" ] || { echo "empty screenshot"; exit 1; }
echo "screenshot: $out"
