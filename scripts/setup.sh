#!/usr/bin/env bash
# Installs what building and testing Zentrim needs on Debian 12, when missing.
# Safe to run again: it installs nothing that is already there.
set -euo pipefail

packages=(
  cmake make g++ gcc git clang-14 libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 xvfb xauth xdotool imagemagick x11-utils zip unzip
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: run as root to install packages" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # No recommends: wine64 recommends wine32:i386, which cannot run here.
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
