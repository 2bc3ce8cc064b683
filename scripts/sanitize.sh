#!/usr/bin/env bash
# Builds korvlink and its tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs every test there; any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKORVLINK_TESTS=ON \
  -DKORVLINK_SANITIZE=address,undefined -DKORVLINK_WINE_TESTS=OFF "$@" >/dev/null
cmake --build build-asan --parallel "$(nproc)"
cd build-asan
# Leaks count too. The end-to-end tests start korvlink in a clean environment, where a report
# still fails the test: it exits 1 and writes to standard error, which the tests compare.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --output-on-failure --parallel "$(nproc)"
