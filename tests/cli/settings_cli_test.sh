#!/usr/bin/env bash
# zentrim-copy --settings FILE, end to end.
# Usage: settings_cli_test.sh [EMULATOR...] PROGRAM
# Under Wine, stderr carries noise and CR LF line ends: expected lines are
# looked for with grep, never compared whole.
set -uo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 [EMULATOR...] PROGRAM" >&2
  exit 2
fi
# Arguments that name files stay valid after the cd below.
program=()
for arg in "$@"; do
  if [ -e "$arg" ]; then
    arg=$(cd "$(dirname "$arg")" && pwd)/$(basename "$arg")
  fi
  program+=("$arg")
done
work=$(mktemp -d "${TMPDIR:-/tmp}/zentrim-settings-cli.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

failures=0
case_name=""
status=0

fail() {
  echo "FAIL [$case_name]: $*" >&2
  failures=$((failures + 1))
}

# Runs the program with the given arguments; sets status and leaves its
# stdout and stderr, CRs removed, in out.txt and err.txt.
run() {
  "${program[@]}" "$@" </dev/null >out.raw 2>err.raw
  status=$?
  tr -d '\r' <out.raw >out.txt
  tr -d '\r' <err.raw >err.txt
}

expect_status() {
  [ "$status" -eq "$1" ] || fail "exit status $status, expected $1"
}

expect_err_line() {
  grep -qxF -- "$1" err.txt || fail "stderr lacks the line '$1'; it was: $(cat err.txt)"
}

expect_no_err_line() {
  if grep -qE -- "$1" err.txt; then
    fail "stderr has a line matching '$1': $(cat err.txt)"
  fi
}

# Compares a file's bytes with what printf makes of a format.
expect_bytes() {
  printf "$2" >expected.bin
  cmp -s "$1" expected.bin || fail "$1 holds '$(od -c "$1" | head -5)', expected '$(od -c expected.bin | head -5)'"
}

fresh() {
  case_name=$1
  rm -f ./* 2>/dev/null
  printf 'a\nb\nc\n' >src.txt
}

fresh "count reached"
printf 'CREATOR=ZENTRIM 1.0\r\nSOURCE=src.txt\r\nDEST=dst.txt\r\nLINES=2\r\n\r\n' >z.ini
run --settings z.ini
expect_status 0
expect_err_line "Done: Done."
expect_bytes dst.txt 'a\r\nb\r\n'

fresh "source ended"
printf 'SOURCE=src.txt\nDEST=dst.txt\nLINES=5\n' >z.ini
run --settings z.ini
expect_status 0
expect_no_err_line '^(Done|Error)'
expect_bytes dst.txt 'a\r\nb\r\nc\r\n'

fresh "rules: any order, last wins, trailing blanks, CREATOR and other keys ignored"
printf 'LINES=3\r\nDEST=dst.txt \t\r\nCREATOR=X\r\nlines=9\r\nFOO=1\r\nSOURCE=src.txt  \r\nLINES=1\r\n' >z.ini
run --settings z.ini
expect_status 0
expect_err_line "Done: Done."
expect_bytes dst.txt 'a\r\n'

fresh "= after the first stays in the value"
cp src.txt 'a=b.txt'
printf 'SOURCE=a=b.txt\r\nDEST=d=st.txt\r\nLINES=1\r\n' >z.ini
run --settings z.ini
expect_status 0
expect_err_line "Done: Done."
expect_bytes 'd=st.txt' 'a\r\n'
[ ! -e ab.txt ] || fail "the '=' was dropped from the source path"

fresh "missing settings file"
run --settings missing.ini
expect_status 1
expect_err_line "Error: Please enter a source file"
[ -f missing.ini ] && [ ! -s missing.ini ] || fail "missing.ini was not created empty"

fresh "settings file in a missing folder"
run --settings nowhere/z.ini
expect_status 1
expect_err_line "Error: Please enter a source file"
[ ! -e nowhere ] || fail "a folder was created"

fresh "no DEST"
printf 'SOURCE=src.txt\r\nLINES=2\r\n' >z.ini
run --settings z.ini
expect_status 1
expect_err_line "Error: Please enter a destination file"
[ ! -e dst.txt ] || fail "dst.txt was created"

fresh "last line without line end dropped"
printf 'SOURCE=src.txt\r\nDEST=dst.txt\r\nLINES=2' >z.ini
run --settings z.ini
expect_status 1
expect_err_line "Error: Please enter or select a number of lines"

fresh "Ctrl-Z ends the settings"
printf 'SOURCE=src.txt\r\nDEST=dst.txt\r\n\032LINES=2\r\n' >z.ini
run --settings z.ini
expect_status 1
expect_err_line "Error: Please enter or select a number of lines"

fresh "key without = sets an empty value"
printf 'SOURCE=src.txt\r\nDEST=dst.txt\r\nLINES=2\r\nLINES\r\n' >z.ini
run --settings z.ini
expect_status 1
expect_err_line "Error: Please enter or select a number of lines"

fresh "source cannot be opened"
printf 'SOURCE=nowhere/src.txt\r\nDEST=dst.txt\r\nLINES=2\r\n' >z.ini
run --settings z.ini
expect_status 1
expect_no_err_line '^(Done|Error)'
[ ! -e dst.txt ] || fail "dst.txt was created"

fresh "settings file after --"
printf 'SOURCE=src.txt\r\nDEST=dst.txt\r\nLINES=1\r\n' >z.ini
run --settings z.ini --
expect_status 0
expect_err_line "Done: Done."

for args in "--settings z.ini extra" "extra --settings z.ini" "--settings z.ini -- extra" \
            "--settings" "--settings z.ini --settings z.ini" "src.txt dst.txt 1 --settings z.ini"; do
  fresh "usage error: $args"
  printf 'SOURCE=src.txt\r\nDEST=dst.txt\r\nLINES=1\r\n' >z.ini
  # shellcheck disable=SC2086
  run $args
  expect_status 2
  grep -q '^usage: zentrim-copy .*--settings FILE' err.txt || fail "no usage line: $(cat err.txt)"
  [ ! -e dst.txt ] || fail "a copy ran"
done

fresh "--help describes --settings"
run --help
expect_status 0
grep -q -- '--settings FILE' out.txt || fail "--help does not mention --settings FILE"

fresh "three operands still work"
run src.txt dst.txt 1
expect_status 0
expect_err_line "Done: Done."
expect_bytes dst.txt 'a\r\n'

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all settings CLI checks passed"
