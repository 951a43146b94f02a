#!/usr/bin/env bash
# Fails when a Windows program imports a DLL that Windows itself does not ship, such as
# a compiler runtime: the program must run from a folder with nothing beside it.
# Usage: check-imports.sh OBJDUMP PROGRAM.exe
set -u
objdump=$1 program=$2
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
[ $status -eq 0 ] && echo "$(basename "$program") imports only system DLLs: $(echo $imports | tr '\n' ' ')"
exit $status
