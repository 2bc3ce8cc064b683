#!/usr/bin/env bash
# Installs the Debian packages korvlink needs, and only those that are missing.
#   scripts/setup.sh          what building and running korvlink needs
#   scripts/setup.sh --tests  that, and what the whole test suite needs
set -euo pipefail

packages=(g++ make cmake pkg-config)
if [[ "${1:-}" == "--tests" ]]; then
  packages+=(libgtest-dev)
  # The desktop registration's end-to-end tests: real openers and the tools they rely on.
  packages+=(libglib2.0-bin xdg-utils desktop-file-utils shared-mime-info file)
  # KORVLINK.EXE: the MinGW-w64 cross-build, run under Wine on an Xvfb display, its dialogs in
  # the fonts Windows draws them with (fonts-wine).
  packages+=(mingw-w64 wine wine64 fonts-wine xvfb xdotool)
fi

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
