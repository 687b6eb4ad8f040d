#!/usr/bin/env bash
# Drives the real program through the keyboard, as a person would, and saves
# a screenshot of the dialog as it opened. Usage: keyboard_session.sh EXE SHOT
# Exits 77 (skipped) without a display.
set -euo pipefail
exe=$1
shot=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_exec=$here/../../scripts/wine-exec

if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; then
  echo "no display or no xdotool: skipped"
  exit 77
fi

work=$(mktemp -d)
app_pid=
# Without a window manager, Wine waits for one on every window it hides and
# cannot take the keyboard focus: let Wine manage its windows itself for this
# run, and put the prefix back for runs under a real desktop.
x11_key='HKCU\Software\Wine\X11 Driver'
"$wine_exec" reg add "$x11_key" /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
cleanup() {
  [ -n "${app_unix_pid:-}" ] && kill "$app_unix_pid" 2>/dev/null || true
  "$wine_exec" reg delete "$x11_key" /v Managed /f </dev/null >/dev/null 2>&1 || true
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts the program in $work; sets $window to its dialog and $app_pid to the
# process that ends with it. Run in this shell, not in $(...), so finish can wait.
start() {
  (cd "$work" && exec "$wine_exec" "$exe") </dev/null >/dev/null 2>&1 &
  app_pid=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Zentrim by Quenby$' | head -n 1) ||
    fail "the dialog did not appear"
  app_unix_pid=$(xdotool getwindowpid "$window" 2>/dev/null || true)
  xdotool windowfocus --sync "$window"
}

# Waits for the program to end.
finish() {
  for _ in $(seq 1 100); do
    kill -0 "$app_pid" 2>/dev/null || { app_pid=; return 0; }
    sleep 0.1
  done
  fail "the program did not end"
}

dest_line() { grep -a '^DEST=' "$work/zentrim.ini" | tr -d '\r'; }

printf 'CREATOR=ZENTRIM 1.0\r\nSOURCE=in.txt\r\nDEST=old.txt\r\nLINES=2\r\n\r\n' >"$work/zentrim.ini"
printf 'one\r\ntwo\r\nthree\r\n' >"$work/in.txt"

# 1. The fields come back from zentrim.ini; Escape does not save typed text.
start
sleep 0.5
import -window "$window" "$shot"
xdotool key Tab Tab
xdotool type --delay 20 typed.txt
xdotool key Escape
finish
[ "$(dest_line)" = "DEST=old.txt" ] || fail "Escape saved typed text: $(dest_line)"

# 2. Enter presses Quit, which saves what the fields show.
start
xdotool key Tab Tab
xdotool type --delay 20 out.txt
xdotool key Return
finish
[ "$(dest_line)" = "DEST=out.txt" ] || fail "Quit did not save typed text: $(dest_line)"

# 3. Go, reached with Shift+Tab from the line count, copies and says Done.
start
xdotool key shift+Tab shift+Tab space
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Done$' | head -n 1) || fail "no Done box"
xdotool windowfocus --sync "$box" key Return
sleep 0.5
xdotool windowfocus --sync "$window" key Escape
finish
[ "$(cat "$work/out.txt")" = "$(printf 'one\r\ntwo\r')" ] || fail "out.txt: $(od -c "$work/out.txt")"

echo "keyboard session passed; screenshot: $shot"
