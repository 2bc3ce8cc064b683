#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UndefinedBehaviorSanitizer) into
# build-fuzz/ and runs each for a bounded time; fails on the first finding.
#   scripts/fuzz.sh                 every target, 20 seconds each
#   FUZZ_SECONDS=300 scripts/fuzz.sh ini_text   one target, longer
# A target runs from its seeds in fuzz/corpus/<name>/; what it learns goes to
# build-fuzz/corpus/<name>/ (kept between runs), a finding to build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --fuzz

seconds=${FUZZ_SECONDS:-20}
build=build-fuzz
cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVLINK_FUZZ=ON -DKORVLINK_SANITIZE=address,undefined \
  -DKORVLINK_TESTS=OFF >/dev/null
cmake --build "$build" --target korvlink_fuzzers --parallel "$(nproc)" >/dev/null

targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  for seeds in fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi

mkdir -p "$build/findings"
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target"
  log="$build/findings/$target.log"
  echo "fuzz: $target for ${seconds}s"
  # Values up to the 4095-byte limit need inputs longer than libFuzzer's default of 4096.
  if ! "$build/fuzz/${target}_fuzzer" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
      "$build/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
    grep -E 'property failed|ERROR|SUMMARY|Test unit written' "$log" >&2 || tail -n 30 "$log" >&2
    echo "fuzz: $target found a fault (log: $log)" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units' "$log" | sed "s/^/  /" || true
done
echo "fuzz: no findings"
