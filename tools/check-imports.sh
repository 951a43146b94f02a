#!/usr/bin/env bash
# Fails when a Windows program imports a DLL that Windows itself does not ship, such as
# a compiler runtime: the program must run from a folder with nothing beside it.
# DLLs named after the program must not be in its start-up imports: they load on first use.
# Usage: check-imports.sh OBJDUMP PROGRAM.exe [DELAY-LOADED.dll...]
set -u
objdump=$1 program=$2
shift 2
system='^(kernel32|user32|gdi32|shell32|comdlg32|comctl32|advapi32|ole32|oleaut32|shlwapi|msvcrt|winmm|version|uxtheme)\.dll$'
imports=$("$objdump" -p "$program" | awk '/DLL Name:/ {print tolower($3)}')
[ -n "$imports" ] || { echo "no imports read from $program"; exit 1; }
status=0
for dll in $imports; do
  if [[ ! $dll =~ $system ]]; then
    echo "$(basename "$program") imports $dll, which is not a system DLL"
    status=1
  fi
done
for dll in "$@"; do
  if grep -qx "$(echo "$dll" | tr 'A-Z' 'a-z')" <<<"$imports"; then
    echo "$(basename "$program") loads $dll at start; it should load on first use"
    status=1
  fi
done
[ $status -eq 0 ] && echo "$(basename "$program") imports only system DLLs: $(echo $imports | tr '\n' ' ')"
exit $status
