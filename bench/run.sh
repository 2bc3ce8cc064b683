#!/usr/bin/env bash
# Measures korvlink's launcher mode against the least C program that does the same job
# (bench/reference.c) and a POSIX shell script (bench/reference.sh), side by side with hyperfine,
# and prints the ratios of the medians with their spread, then the peak memory of each.
#
#   bash bench/run.sh                   builds in Release into build-bench/ and measures
#   BENCH_ROUNDS=40 BENCH_RUNS=50 ...   more rounds or runs per round (defaults: 20 and 30)
#
# A round is one short hyperfine call that measures the three programs one after the other, in
# an order that turns from round to round, so each ratio compares runs taken within a second or
# two: on a machine that is busy with other work, the load changes faster than a long run of
# one program. The ratio printed is the median of the rounds' ratios of medians, and its spread
# the middle half (quartiles) and the whole range of the rounds' ratios.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --bench

rounds=${BENCH_ROUNDS:-20}
runs=${BENCH_RUNS:-30}
build=build-bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DKORVLINK_TESTS=OFF -DKORVLINK_BENCH=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" >/dev/null

work=$(mktemp -d /tmp/korvlink-bench-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/korvlink" "$work/docs"
printf '[Setup]\nKorvo path=/bin/true -keyboard Suomi\nViewer path=/bin/true\n' \
  >"$work/config/korvlink/korvlink.INI"
touch "$work/docs/report" "$work/docs/%report"

# What a double-click from a file manager gives: a clean session without a display, so a message
# goes to standard error, and no marker of an earlier korvlink.
export HOME="$work" XDG_CONFIG_HOME="$work/config"
unset DISPLAY WAYLAND_DISPLAY KORVLINK_OPENED_DOCUMENT

korvlink="$PWD/$build/bin/korvlink"
reference="$PWD/$build/bench/korvlink_reference"
script="$PWD/bench/reference.sh"
programs=("'$korvlink'" "'$reference'" "sh '$script'")
names=(korvlink "C reference" "shell script")

# measure SCENARIO DOCUMENT: the rounds of one scenario, as hyperfine JSON files, each with the
# order in which it ran the programs (indices into `programs`) beside it.
measure() {
  local scenario=$1 document=$2 round index order commands
  for ((round = 1; round <= rounds; round++)); do
    order=() commands=()
    for ((index = 0; index < ${#programs[@]}; index++)); do
      order+=($(((round + index) % ${#programs[@]})))
      commands+=("${programs[${order[-1]}]} '$document'")
    done
    echo "${order[*]}" >"$work/$scenario.$round.order"
    # Outlier warnings are expected on a busy machine; the medians are robust to them.
    if ! hyperfine --shell=none --warmup 5 --runs "$runs" --style none \
      --export-json "$work/$scenario.$round.json" "${commands[@]}" >/dev/null 2>"$work/errors"; then
      cat "$work/errors" >&2
      return 1
    fi
  done
}

# peak_rss DOCUMENT PROGRAM...: the median of 21 runs' maximum resident set size, in KiB.
peak_rss() {
  local document=$1; shift
  for _ in $(seq 21); do /usr/bin/time -f %M "$@" "$document" 2>&1 >/dev/null | tail -n 1; done |
    sort -n | sed -n 11p
}

echo "korvlink $(git describe --always --dirty 2>/dev/null || echo '?'), $(nproc) CPUs," \
  "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "$rounds rounds of $runs runs (after 5 warm-up runs) for each program"

measure launcher "$work/docs/report"
measure message "$work/docs/missing"
python3 bench/ratios.py "$work" "$rounds" launcher,message "${names[@]}"

echo
echo "Peak memory, launcher mode (max RSS, median of 21 runs):"
printf '  %-13s %6s KiB\n' korvlink "$(peak_rss "$work/docs/report" "$korvlink")"
printf '  %-13s %6s KiB\n' "C reference" "$(peak_rss "$work/docs/report" "$reference")"
printf '  %-13s %6s KiB\n' "shell script" "$(peak_rss "$work/docs/report" sh "$script")"

# ---------------------------------------------------------------------------------------------
# Time until the setup dialog is mapped: korvlink with no argument against the least GTK program
# with a window, each started by bench/map_time.c on one private Xvfb, which times from the start
# until the X server maps the program's first top-level window, then ends the program. No window
# manager runs: under one, the map would wait for its frame and measure the manager as well.
# A round runs the two programs one after the other, $gui_runs times, in an order that turns
# from round to round; the ratio is that of the rounds' medians, as above.
# ---------------------------------------------------------------------------------------------
gui_rounds=${BENCH_GUI_ROUNDS:-10}
gui_runs=${BENCH_GUI_RUNS:-5}
map_time="$PWD/$build/bench/korvlink_map_time"
gui_programs=("$korvlink" "$PWD/$build/bench/korvlink_gtk_window")

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 200); do
  [[ -s "$work/display" ]] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.05
done
if [[ ! -s "$work/display" ]]; then
  echo "bench/run.sh: Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
# The X11 backend, the default theme, no accessibility bus and no settings daemon, as in the GUI
# tests: nothing that depends on the session the benchmark happens to run in.
export DISPLAY=":$(head -n 1 "$work/display")" GDK_BACKEND=x11 GTK_THEME=Adwaita NO_AT_BRIDGE=1 \
  GSETTINGS_BACKEND=memory XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"

for program in "${gui_programs[@]}" "${gui_programs[@]}" "${gui_programs[@]}"; do
  "$map_time" "$program" >/dev/null  # warm-up: the libraries and fonts in the page cache
done
for ((round = 1; round <= gui_rounds; round++)); do
  for ((run = 0; run < gui_runs; run++)); do
    for index in $((round % 2)) $(((round + 1) % 2)); do
      times=$("$map_time" "${gui_programs[$index]}")
      echo "$index $times"
    done
  done >"$work/mapped.$round.times"
done
echo
echo "$gui_rounds rounds of $gui_runs runs (after 3 warm-up runs) for each program; the CPU time" \
  "is the program's until it is ended"
python3 bench/ratios.py "$work" "$gui_rounds" mapped korvlink "GTK window"
