#!/usr/bin/env bash
# The Windows download as a user gets it: the zip unpacked into a fresh folder, and the
# executable from it run under Wine through the launcher's whole driver.
#   windows_download_test.sh ZIP SETUP_EXE_OR_EMPTY SESSION_SCRIPT SESSION_STATE DRIVER RECORDER_W
set -euo pipefail
zip=$1 setup=$2 session=$3 state=$4 driver=$5 recorder=$6
work=$(mktemp -d /tmp/korvlink-zip-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "windows_download_test: $*" >&2; exit 1; }

(cd "$work" && cmake -E tar xf "$zip")
folder=$(ls -d "$work"/korvlink-*)
for file in x64/KORVLINK.EXE x64/KORVLINK.HLP; do
  [[ -s "$folder/$file" ]] || fail "the zip has no $file"
done
# The 32-bit executable is only built (there is no 32-bit Wine here); it must sit with its help file.
if [[ -e "$folder/x86/KORVLINK.EXE" && ! -s "$folder/x86/KORVLINK.HLP" ]]; then
  fail "x86/KORVLINK.EXE has no help file beside it"
fi
if [[ -n "$setup" ]]; then
  [[ "$(head -c 2 "$setup")" == MZ ]] || fail "the installer is not a Windows program"
fi

exe="Z:$(tr / '\\' <<<"$folder/x64/KORVLINK.EXE")"
bash "$session" run "$state" "$driver" "$exe" "$recorder"
