#!/usr/bin/env bash
# Builds the ZIP package with CPack and checks what it ships: the two
# programs, the README, the help page and the licence, and that each program
# imports Windows system DLLs only.
# Usage: check_package.sh CPACK BINARY_DIR PACKAGE_NAME TOOL_PREFIX
set -u
cpack=$1 bin=$2 name=$3 prefix=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$bin" && "$cpack" -G ZIP --config CPackConfig.cmake >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; echo "FAIL cpack"; exit 1; }
zip="$bin/$name.zip"
[ -f "$zip" ] || { echo "FAIL no $zip"; exit 1; }
unzip -q "$zip" -d "$work/unpacked"

failures=0
for f in zentrim.exe zentrim-copy.exe README.txt help.htm LICENSE.txt; do
  [ -f "$work/unpacked/$f" ] || { echo "FAIL $name.zip lacks $f"; failures=$((failures + 1)); }
done
for exe in "$work"/unpacked/*.exe; do
  opt=
  [ "$(basename "$exe")" = zentrim.exe ] && opt=--resources
  bash "$here/check_exe.sh" "$prefix" "$exe" $opt || failures=$((failures + 1))
done
(cd "$work/unpacked" && ls -l) | awk 'NR > 1 { printf "  %10d  %s\n", $5, $9 }'
[ "$failures" -eq 0 ] && echo "ok   $name.zip"
exit $((failures > 0))
