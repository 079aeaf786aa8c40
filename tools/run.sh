#!/usr/bin/env bash
# Builds the clock and starts it under Wine. With no display it starts Xvfb, lets the clock run a few
# seconds and writes a screenshot. The Wine prefix lives under build/ and keeps the clock's settings.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
"$root/tools/setup.sh"
cmake --preset win32 -DTOLLWICK_TESTS=OFF >/dev/null
cmake --build --preset win32 --target Tollwick
. "$root/tools/wine-env.sh"
headless=""; [ -z "${DISPLAY:-}" ] && headless=1
wine_env_start "$root/build/win32/run-prefix"
exe="$root/build/win32/src/app/Tollwick.exe"

if [ -z "$headless" ]; then
  exec wine "$exe"
fi
trap wine_env_stop EXIT
wine "$exe" &
sleep "${RUN_SECONDS:-6}"
shot="$root/build/screenshot.png"
import -display "$DISPLAY" -window root "$shot"
echo "screenshot: $shot"
