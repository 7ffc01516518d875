#!/usr/bin/env bash
# Sets up, builds and runs simhost on the default panel and scenario into out/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
scripts/build.sh
build/bin/simhost --out out "$@"
