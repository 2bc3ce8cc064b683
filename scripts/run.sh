#!/usr/bin/env bash
# Sets up, builds and runs korvlink; arguments go to korvlink (none opens the setup dialog).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh -DKORVLINK_TESTS=OFF >/dev/null
exec build/bin/korvlink "$@"
