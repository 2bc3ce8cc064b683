#!/usr/bin/env bash
# Configures and builds korvlink into build/ (build/bin/korvlink runs in place).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build "$@"
cmake --build build --parallel "$(nproc)"
