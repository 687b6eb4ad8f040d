# Sourced: starts a private Xvfb display for real windows and stops it on exit.
zentrim_start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    zentrim_xvfb_pid=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
      xdpyinfo >/dev/null 2>&1 && return 0
      kill -0 "$zentrim_xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

zentrim_stop_xvfb() {
  [ -n "${zentrim_xvfb_pid:-}" ] && kill "$zentrim_xvfb_pid" 2>/dev/null
  zentrim_xvfb_pid=
}
