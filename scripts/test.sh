#!/usr/bin/env bash
# Sets up, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
scripts/build.sh -DKORVLINK_TESTS=ON
cd build
ctest --output-on-failure --parallel "$(nproc)"
