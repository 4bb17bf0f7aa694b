#!/usr/bin/env bash
# Fails when an exe imports from a DLL that is not part of Windows itself: the tool must run
# with no runtime to install (no libstdc++, libgcc or winpthread DLL).
#   check-imports.sh EXE...
set -euo pipefail
allowed='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|comdlg32|msvcrt|shlwapi|uxtheme|api-ms-win-crt-[a-z0-9-]+)\.dll$'
status=0
for exe in "$@"; do
  if [ ! -f "$exe" ]; then echo "imports: $exe: missing"; status=1; continue; fi
  dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  [ -n "$dlls" ] || { echo "imports: $exe: no import table read"; status=1; continue; }
  bad=$(grep -v -E "$allowed" <<<"$dlls" || true)
  if [ -n "$bad" ]; then
    echo "imports: $exe imports from non-system DLLs:" $bad
    status=1
  else
    echo "imports: $exe ok:" $dlls
  fi
done
exit $status
