#!/usr/bin/env bash
# One Wine session for the Wine tests of one ctest run: a fresh prefix in a temporary directory,
# one wineserver kept running from the first test to the last (Wine starts slowly), and an Xvfb
# display when none is set (message boxes need one).
#
#   wine_session.sh start STATE_DIR                  creates the prefix, starts the server
#   wine_session.sh run STATE_DIR PROGRAM [ARG...]   runs one Windows program in the session
#   wine_session.sh stop STATE_DIR                   ends the session and removes the prefix
#
# KORVLINK_WINE, KORVLINK_WINESERVER and KORVLINK_XVFB name the programs to use.
set -euo pipefail

action=$1
state=$2
shift 2
wine=${KORVLINK_WINE:-wine}
wineserver=${KORVLINK_WINESERVER:-wineserver}
xvfb=${KORVLINK_XVFB:-Xvfb}

stop_session() {
  if [[ -f "$state/env" ]]; then
    # shellcheck source=/dev/null
    source "$state/env"
    "$wineserver" -k >/dev/null 2>&1 || true
    "$wineserver" -w >/dev/null 2>&1 || true
    [[ "$WINEPREFIX" == */korvlink-wine-* ]] && rm -rf "$WINEPREFIX"
  fi
  if [[ -f "$state/xvfb.pid" ]]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
  fi
  rm -rf "$state"
}

start_session() {
  stop_session
  mkdir -p "$state"
  local prefix display
  prefix=$(mktemp -d "${TMPDIR:-/tmp}/korvlink-wine-XXXXXX")
  display=${DISPLAY:-}
  if [[ -z "$display" ]]; then
    # Every output goes elsewhere than ctest's pipe: ctest waits for the pipe to close.
    setsid "$xvfb" -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$state/display" \
      </dev/null >/dev/null 2>&1 &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do [[ -s "$state/display" ]] && break; sleep 0.1; done
    [[ -s "$state/display" ]] || { echo "Xvfb did not start"; stop_session; exit 1; }
    display=":$(head -n 1 "$state/display")"
  fi
  # No Mono or Gecko to install, no menu entries written into the user's desktop.
  cat >"$state/env" <<ENV
export WINEPREFIX='$prefix' DISPLAY='$display' WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
ENV
  # shellcheck source=/dev/null
  source "$state/env"
  "$wineserver" -p </dev/null >/dev/null 2>&1
  # Wine: without a window manager, every window that closes waits two seconds for one; a
  # virtual desktop has none to wait for. The first program also creates the prefix.
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1024x768"\r\n' \
    >"$state/desktop.reg"
  # Creating the prefix can make the first program fail now and then: try up to three times.
  local tries=0
  until "$wine" regedit /S "$(winpath "$state/desktop.reg")" </dev/null >>"$state/start.log" 2>&1; do
    if (( ++tries == 3 )); then
      cat "$state/start.log"
      stop_session
      exit 1
    fi
  done
  # Wine: this build looks for its own fonts (MS Sans Serif, Tahoma, Marlett) where they are
  # not, and dialogs would be drawn in another font with other metrics; the prefix's font
  # folder, which it reads too, gets links to them.
  local fonts
  for fonts in /usr/share/wine/fonts /usr/local/share/wine/fonts /opt/wine*/share/wine/fonts; do
    if [[ -d "$fonts" ]]; then
      ln -sf "$fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/"
      break
    fi
  done
  # The desktop that creating the prefix started is not virtual yet: start the session afresh.
  "$wineserver" -k >/dev/null 2>&1 || true
  "$wineserver" -w >/dev/null 2>&1 || true
  "$wineserver" -p </dev/null >/dev/null 2>&1
}

# A Linux path as Wine's drive Z: (the root of the file system) names it.
winpath() { local path; path=$(realpath "$1"); echo "Z:${path//\//\\}"; }

run_program() {
  # shellcheck source=/dev/null
  source "$state/env"
  local log status=0
  log=$(mktemp)
  # The program's output goes to a file, not to ctest's pipe: processes the session starts on
  # the way (the desktop) live on after it and would hold the pipe open.
  "$wine" "$@" </dev/null >"$log" 2>&1 || status=$?
  # Wine: a volume query on Z:\ tells that it cannot read the device; it answers all the same.
  grep -v 'FS volume label and serial are not available' "$log" || true
  rm -f "$log"
  return "$status"
}

case "$action" in
  start) start_session ;;
  run) run_program "$@" ;;
  stop) stop_session ;;
  *) echo "usage: $0 start|run|stop STATE_DIR ..." >&2; exit 2 ;;
esac
