#!/usr/bin/env bash
# Checks that each Windows executable is a GUI program that needs no DLL beyond Windows' own:
# the C and C++ runtimes are linked in, so no lib*.dll (libstdc++, libgcc, libwinpthread).
#   self_contained.sh OBJDUMP EXE...
set -euo pipefail
objdump=$1
shift
status=0
for exe in "$@"; do
  headers=$("$objdump" -p "$exe")
  if ! grep -q 'Subsystem.*(Windows GUI)' <<<"$headers"; then
    echo "$exe: not a Windows GUI program"
    status=1
  fi
  if grep -i 'DLL Name: lib' <<<"$headers"; then
    echo "$exe: needs the runtime DLLs above"
    status=1
  fi
done
exit "$status"
