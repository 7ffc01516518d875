#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default build/), with SANITIZE when set.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${BUILD_DIR:-build}
cmake -S . -B "$dir" -G Ninja -DSANITIZE="${SANITIZE:-}" >/dev/null
cmake --build "$dir"
