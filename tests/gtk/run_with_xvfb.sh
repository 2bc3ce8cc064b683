#!/usr/bin/env bash
# Runs a GUI test with an X display: the one in DISPLAY when there is one, else a private Xvfb
# on a free display number (Xvfb picks it and reports it once it accepts connections), stopped
# when the test ends. The test gets a home of its own, so GTK reads no user settings and leaves
# no files behind.
set -euo pipefail

# Listing the tests needs no display.
for argument in "$@"; do
  [[ "$argument" == --gtest_list_tests ]] && exec "$@"
done

home=$(mktemp -d /tmp/korvlink-gui-XXXXXX)
xvfb=
cleanup() {
  if [[ -n "$xvfb" ]]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
  rm -rf "$home"
}
trap cleanup EXIT

if [[ -z "${DISPLAY:-}" ]]; then
  if ! command -v Xvfb >/dev/null; then
    echo "run_with_xvfb.sh: Xvfb is missing; scripts/setup.sh --tests installs it" >&2
    exit 1
  fi
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$home/display" 2>"$home/xvfb.log" &
  xvfb=$!
  for _ in $(seq 200); do
    [[ -s "$home/display" ]] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
  done
  if [[ ! -s "$home/display" ]]; then
    echo "run_with_xvfb.sh: Xvfb did not start:" >&2
    cat "$home/xvfb.log" >&2
    exit 1
  fi
  export DISPLAY=":$(head -n 1 "$home/display")"
fi

# X11 even on a Wayland desktop (xdotool needs it), the default theme, no accessibility bus, no
# settings daemon.
unset WAYLAND_DISPLAY
export GDK_BACKEND=x11 GTK_THEME=Adwaita NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory
# GTK keeps its caches until the process ends, which LeakSanitizer would report as leaks: those
# libraries are left out, our own code is still checked.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan_suppressions.txt:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache"
"$@"
