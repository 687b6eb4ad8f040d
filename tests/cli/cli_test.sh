#!/usr/bin/env bash
# Drives zentrim-copy as a script would: operands, messages, exit statuses.
# Usage: cli_test.sh [EMULATOR...] PROGRAM
# Under Wine the emulator adds noise of its own to standard error, so lines
# are matched, never whole streams.
set -u
run=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0

# check NAME EXPECTED_STATUS STDERR_PATTERN(or -) -- ARGS...
check() {
  local name=$1 want=$2 pattern=$3
  shift 4
  "${run[@]}" "$@" >out.txt 2>err.txt
  local got=$?
  if [ "$got" -ne "$want" ]; then
    echo "FAIL $name: exit status $got, expected $want"; cat err.txt; failures=$((failures + 1)); return
  fi
  if [ "$pattern" != - ] && ! grep -qxF -- "$pattern" <(tr -d '\r' <err.txt); then
    echo "FAIL $name: no line '$pattern' on standard error"; cat err.txt; failures=$((failures + 1)); return
  fi
  echo "ok   $name"
}

# expect_bytes NAME FILE PRINTF_FORMAT
expect_bytes() {
  if ! cmp -s "$2" <(printf "$3"); then
    echo "FAIL $1: $2 holds"; od -c "$2" | head; failures=$((failures + 1)); return
  fi
  echo "ok   $1"
}

printf 'a\nb\r\nc\n' >src.txt
check "count reached" 0 "Done: Done." -- src.txt dst.txt 2
expect_bytes "two lines appended with CR LF" dst.txt 'a\r\nb\r\n'
check "source ends first" 0 - -- src.txt dst.txt 9
expect_bytes "the rest follows" dst.txt 'a\r\nb\r\na\r\nb\r\nc\r\n'
if grep -q 'Done' err.txt; then echo "FAIL source ends first: said Done"; failures=$((failures + 1)); fi

check "empty source operand" 1 "Error: Please enter a source file" -- "" dst.txt 2
check "empty destination operand" 1 "Error: Please enter a destination file" -- src.txt "" 2
check "empty count operand" 1 "Error: Please enter or select a number of lines" -- src.txt dst.txt ""
check "source in a missing folder" 1 - -- no/such.txt dst.txt 2

mkdir folder
check "destination is a folder" 1 "Error Log: Could not write to log file" -- src.txt folder 0
if [ "$(grep -c 'Could not write' err.txt)" -ne 1 ]; then
  echo "FAIL destination is a folder: message not shown exactly once"; failures=$((failures + 1))
fi

printf 'x\n' >-x
check "-- lets an operand start with a dash" 0 "Done: Done." -- -- -x dash.txt 1
expect_bytes "dash-named source copied" dash.txt 'x\r\n'

check "two operands" 2 - -- src.txt dst.txt
check "four operands" 2 - -- src.txt dst.txt 1 2
check "unknown option" 2 - -- --frobnicate src.txt dst.txt 1
grep -q 'usage: zentrim-copy' err.txt || { echo "FAIL usage line missing"; failures=$((failures + 1)); }
check "--help" 0 - -- --help
grep -q 'usage: zentrim-copy' out.txt || { echo "FAIL --help prints no usage"; failures=$((failures + 1)); }
check "--version" 0 - -- --version
grep -qE '^zentrim-copy [0-9]+(\.[0-9]+)+' <(tr -d '\r' <out.txt) ||
  { echo "FAIL --version prints no version"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
