#!/usr/bin/env bash
# Installs the Debian packages korvlink needs, and only those that are missing.
#   scripts/setup.sh          what building and running korvlink needs
#   scripts/setup.sh --tests  that, and what the whole test suite needs
#   scripts/setup.sh --fuzz   that, and clang with its fuzzer and sanitizer runtimes (scripts/fuzz.sh)
#   scripts/setup.sh --bench  that, and hyperfine, GNU time, Python, Xvfb and Xlib (bench/run.sh)
# Flags combine: scripts/setup.sh --tests --fuzz.
set -euo pipefail

packages=(g++ make cmake pkg-config libgtk-3-dev)
for flag in "$@"; do
  case "$flag" in
    --tests)
      packages+=(libgtest-dev)
      # The desktop registration's end-to-end tests: real openers and the tools they rely on.
      packages+=(libglib2.0-bin xdg-utils desktop-file-utils shared-mime-info file)
      # KORVLINK.EXE: the MinGW-w64 cross-build, run under Wine on an Xvfb display, its dialogs in
      # the fonts Windows draws them with (fonts-wine).
      packages+=(mingw-w64 wine wine64 fonts-wine xvfb xdotool)
      # The Windows download's installer.
      packages+=(nsis)
      # The GTK dialogs are tested on a private X server, with real key presses and a known font.
      packages+=(fonts-dejavu-core)
      ;;
    --fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
    --bench)
      packages+=(hyperfine time python3)
      # The time until the setup dialog is mapped: a private X server, a program that watches it,
      # and a known font.
      packages+=(xvfb libx11-dev fonts-dejavu-core)
      ;;
    *) echo "setup.sh: unknown flag $flag" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
