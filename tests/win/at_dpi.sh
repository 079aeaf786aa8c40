#!/usr/bin/env bash
# Runs a Wine test program with the prefix's display scale at $1 dots per inch, and puts the scale back after.
# WINEPREFIX and DISPLAY are set by the test command; the rest of the arguments are the program and its own.
set -uo pipefail
dpi="$1"
shift
key='HKCU\Control Panel\Desktop'
before=$(wine reg query "$key" /v LogPixels 2>/dev/null | tr -d '\r' | awk '$1 == "LogPixels" { print $3 }')
wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 || { echo "could not set LogPixels" >&2; exit 1; }
wine "$@"
result=$?
if [ -n "$before" ]; then
  wine reg add "$key" /v LogPixels /t REG_DWORD /d "$before" /f >/dev/null 2>&1
else
  wine reg delete "$key" /v LogPixels /f >/dev/null 2>&1
fi
exit "$result"
