#!/usr/bin/env bash
# Sets everything up, builds Zentrim and runs it under Wine. Without a display
# it shows the dialog on a virtual one just long enough to save a screenshot,
# build/zentrim.png, and prints the screenshot's path.
set -euo pipefail
start_dir=$PWD
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
bash scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target zentrim
exe=$root/build/win64/bin/zentrim.exe

source scripts/wine-env.sh
zentrim_wine_prefix

if [ -n "${DISPLAY:-}" ]; then
  # zentrim.ini lives in the directory the program starts in: the caller's.
  cd "$start_dir"
  exec wine "$exe"
fi

echo "No display (DISPLAY is not set): showing Zentrim on a virtual display to save a screenshot."
source scripts/xvfb.sh
run_dir=$(mktemp -d)
app_pid=
# Without a window manager, Wine waits for one on every window it hides and
# cannot take the keyboard focus: let Wine manage its windows itself for this
# run, and put the prefix back for runs under a real desktop.
x11_key='HKCU\Software\Wine\X11 Driver'
wine reg add "$x11_key" /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
cleanup() {
  [ -n "${app_unix_pid:-}" ] && kill "$app_unix_pid" 2>/dev/null || true
  wine reg delete "$x11_key" /v Managed /f </dev/null >/dev/null 2>&1 || true
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  zentrim_stop_xvfb
  rm -rf "$run_dir"
}
trap cleanup EXIT
zentrim_start_xvfb

# A private folder, so the run leaves no zentrim.ini behind.
(cd "$run_dir" && exec wine "$exe") </dev/null >/dev/null 2>&1 &
app_pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Zentrim by ' | head -n 1) || {
  echo "run: the dialog did not appear" >&2
  exit 1
}
sleep 1  # let the dialog finish painting
shot=$root/build/zentrim.png
import -window "$window" "$shot"

# Close it as a person would: Escape.
xdotool windowfocus --sync "$window" key Escape || true
for _ in $(seq 1 50); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
echo "$shot"
