#!/usr/bin/env bash
# Builds and runs the benchmarks, which print their figures.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
tools/with-xvfb.sh ctest --test-dir build --output-on-failure -V -L bench "$@"
