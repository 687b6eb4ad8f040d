#!/usr/bin/env bash
# Sets everything up, builds Zentrim and runs it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native -j2
./build/native/bin/zentrim-copy --help
