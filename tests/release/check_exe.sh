#!/usr/bin/env bash
# Checks a shipped Windows program: it imports Windows system DLLs only (no
# compiler runtime DLLs) and, with --resources, carries the version block, the
# manifest and the application icon.
# Usage: check_exe.sh TOOL_PREFIX PROGRAM.exe [--resources]
set -u
prefix=$1 exe=$2 want_resources=${3:-}
failures=0

system_dlls='^(kernel32|user32|gdi32|comdlg32|comctl32|shell32|shlwapi|advapi32|ws2_32|wsock32|ole32|oleaut32|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)\.dll$'
imports=$("${prefix}objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$imports" ] || { echo "FAIL $exe: no imports found"; exit 1; }
while read -r dll; do
  if ! grep -qiE "$system_dlls" <<<"$dll"; then
    echo "FAIL $exe imports $dll, which is not a Windows system DLL"
    failures=$((failures + 1))
  fi
done <<<"$imports"
echo "imports of $(basename "$exe"): $(tr '\n' ' ' <<<"$imports")"

if [ "$want_resources" = --resources ]; then
  rc=$("${prefix}windres" -i "$exe" -O rc 2>/dev/null)
  # name pattern, resource
  while IFS='|' read -r pattern what; do
    if ! grep -qE "$pattern" <<<"$rc"; then
      echo "FAIL $exe has no $what"
      failures=$((failures + 1))
    fi
  done <<'LIST'
^1 VERSIONINFO|version block 1
^1 24 |manifest (resource 1 of type 24)
^128 14 |icon 128 (group icon)
LIST
fi

[ "$failures" -eq 0 ] && echo "ok   $(basename "$exe")"
exit $((failures > 0))
