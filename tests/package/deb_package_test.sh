#!/usr/bin/env bash
# The Debian package as a user gets it: built with CPack, unpacked into a throwaway root (as
# dpkg would install it, without touching this machine), and run from there.
#   deb_package_test.sh BUILD_DIR RECORDER
# Runs under tests/gtk/run_with_xvfb.sh, so DISPLAY is an X server and HOME is a fresh folder.
set -euo pipefail
build=$1
recorder=$2
work=$(mktemp -d /tmp/korvlink-deb-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "deb_package_test: $*" >&2; exit 1; }
# Waits (bounded) for a shown window with exactly that title and gives it the keyboard.
focus() {
  local window
  window=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || return 1
  [[ -n "$window" ]] && xdotool windowfocus --sync "$window"
}

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/staging" >/dev/null)
deb=$(ls "$work"/packages/*.deb)
info=$(dpkg-deb --info "$deb")
[[ "$info" == *"Depends:"*"libgtk-3-0"* ]] || fail "the package does not depend on GTK 3"

# Everything lies under /usr, and nothing in it points back into the build tree.
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
if grep -v -E '^\./(usr(/.*)?)?$' <<<"$contents"; then
  fail "files outside /usr"
fi
root="$work/root"
dpkg-deb -x "$deb" "$root"
grep -r -l -F "$build" "$root" && fail "the package refers to the build tree"
for file in usr/bin/korvlink usr/lib/korvlink/libkorvlink-gtk.so usr/share/korvlink/korvlink.HLP \
            usr/share/applications/korvlink.desktop usr/share/icons/hicolor/32x32/apps/korvlink.png; do
  [[ -e "$root/$file" ]] || fail "missing $file"
done
desktop-file-validate "$root/usr/share/applications/korvlink.desktop"

# Launcher mode from the installed copy: the emulator starts on the data file.
korvlink="$root/usr/bin/korvlink"
mkdir -p "$HOME/docs" "$XDG_CONFIG_HOME/korvlink"
: >"$HOME/docs/report"
: >"$HOME/docs/%report"
printf '[Setup]\nKorvo path="%s" emulator\n' "$recorder" >"$XDG_CONFIG_HOME/korvlink/korvlink.INI"
RECORDER_OUT="$work/recorded" "$korvlink" "$HOME/docs/report"
for _ in $(seq 100); do [[ -e "$work/recorded" ]] && break; sleep 0.05; done
[[ "$(tr '\0' '\n' <"$work/recorded" | head -n 2)" == "emulator
$HOME/docs/report" ]] || fail "the emulator did not get the document"

# The installed copy finds its module beside it: a message loads it from /usr/lib/korvlink.
LD_DEBUG=files "$korvlink" "$HOME/docs/missing" 2>"$work/loader.log" &
message=$!
focus korvlink || { kill "$message"; fail "no message box from the installed copy"; }
xdotool key Return
wait "$message"
grep -q -E "file=$root/usr/(bin/\.\./)?lib/korvlink/libkorvlink-gtk\.so" "$work/loader.log" \
  || fail "the module was not loaded from the installed copy"

# And its help file: F1 in the setup dialog opens the help window at the setup topic.
"$korvlink" &
setup=$!
focus "Korvo Explorer extension" || { kill "$setup"; fail "the setup dialog did not open"; }
xdotool key F1
opened=yes
timeout 10 xdotool search --sync --onlyvisible --name '^Setting up korvlink$' >/dev/null || opened=no
focus "Korvo Explorer extension" && xdotool key Escape
wait "$setup" || true
[[ "$opened" == yes ]] || fail "F1 did not open the installed help file"
echo "deb_package_test: ok"
