#!/usr/bin/env bash
# Sets everything up and runs every test: native, with sanitizers, the fuzzers,
# the 32-bit Windows build, and the 64-bit Windows build under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh

cmake --workflow --preset native
cmake --workflow --preset native-asan
cmake --workflow --preset fuzz
cmake --workflow --preset win32

source scripts/wine-env.sh
source scripts/xvfb.sh
trap 'wineserver -k 2>/dev/null || true; zentrim_stop_xvfb' EXIT
zentrim_start_xvfb
zentrim_wine_warm
# No window manager runs here: Wine manages its windows itself, or it waits
# for one each time it hides a window.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
cmake --workflow --preset win64
