#!/usr/bin/env bash
# Sets up, builds and runs the test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
export BUILD_DIR=${BUILD_DIR:-build}
scripts/build.sh
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
