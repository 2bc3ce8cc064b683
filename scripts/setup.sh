#!/usr/bin/env bash
# Installs the Debian packages korvlink needs, and only those that are missing.
#   scripts/setup.sh          what building and running korvlink needs
#   scripts/setup.sh --tests  that, and what the whole test suite needs
set -euo pipefail

packages=(g++ make cmake pkg-config libgtk-3-dev)
if [[ "${1:-}" == "--tests" ]]; then
  # The GTK dialogs are tested on a private X server, with real key presses and a known font.
  packages+=(libgtest-dev xvfb xdotool fonts-dejavu-core)
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
