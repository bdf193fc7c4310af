#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine on a private headless display.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
tools/with-xvfb.sh ctest --test-dir build --output-on-failure -j"$(nproc)" -LE bench "$@"
