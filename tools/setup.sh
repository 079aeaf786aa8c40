#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, only what is missing.
set -euo pipefail

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"
  elif command -v sudo >/dev/null 2>&1; then sudo "$@"
  else echo "setup: need root (or sudo) to install: $*" >&2; exit 1
  fi
}

if ! command -v apt-get >/dev/null 2>&1; then
  echo "setup: apt-get not found; install cmake, g++, googletest, g++-mingw-w64-i686, g++-mingw-w64-x86-64, wine (64 bit, and 32 bit where the host runs it), xvfb, fp-utils (chmcmd), nsis and zip by hand" >&2
  exit 1
fi

# package -> a file it provides, to tell whether it is there
declare -A probe=(
  [cmake]=/usr/bin/cmake
  [g++]=/usr/bin/g++
  [googletest]=/usr/src/googletest/CMakeLists.txt
  [g++-mingw-w64-i686]=/usr/bin/i686-w64-mingw32-g++-posix
  [g++-mingw-w64-x86-64]=/usr/bin/x86_64-w64-mingw32-g++-posix
  [wine]=/usr/bin/wine
  [wine64]=/usr/lib/wine/wine64
  [xvfb]=/usr/bin/Xvfb
  [x11-apps]=/usr/bin/xwd
  [imagemagick]=/usr/bin/convert-im6.q16
  [xdotool]=/usr/bin/xdotool
  [python3]=/usr/bin/python3
  [fp-utils]=/usr/bin/chmcmd
  [nsis]=/usr/bin/makensis
  [zip]=/usr/bin/zip
  [unzip]=/usr/bin/unzip
)
missing=()
for package in "${!probe[@]}"; do
  [ -e "${probe[$package]}" ] || missing+=("$package")
done
# Wine's 32-bit half is wanted, not needed: hosts without ia32 emulation run the 64-bit build alone.
want32=""
[ -e /usr/lib/wine/wine ] || want32=1
[ ${#missing[@]} -eq 0 ] && [ -z "$want32" ] && exit 0

apt_install() { as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$@"; }
if [ -n "$want32" ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386 || echo "setup: could not add the i386 architecture; going on without wine32" >&2
fi
as_root apt-get update -q
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if ! apt_install "${missing[@]}"; then
    echo "setup: could not install ${missing[*]}" >&2
    exit 1
  fi
fi
if [ -n "$want32" ] && ! apt_install wine32:i386; then
  echo "setup: wine32 could not be installed; the tests and the clock will use the 64-bit build" >&2
fi
exit 0
