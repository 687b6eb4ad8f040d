# Sourced: the environment every Wine run of the project shares.
zentrim_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${ZENTRIM_WINEPREFIX:-$zentrim_root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=C.UTF-8

# Creates the prefix once; a lock keeps parallel first runs from racing.
zentrim_wine_prefix() {
  [ -f "$WINEPREFIX/.zentrim-ready" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.zentrim-ready" ]; then
      wine wineboot -i </dev/null >/dev/null 2>&1
      wineserver -w
      # Wine draws its own frame and caption, as screenshots should show them.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f </dev/null >/dev/null 2>&1 || true
      wineserver -w
      touch "$WINEPREFIX/.zentrim-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# Keeps one server up and warms Wine so each test starts in well under a second.
zentrim_wine_warm() {
  zentrim_wine_prefix
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}
