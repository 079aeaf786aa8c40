#!/usr/bin/env bash
# Builds the clock this host can run and starts it under Wine on the user's display. With no display it starts
# Xvfb, lets the clock run a few seconds and writes a screenshot. The Wine prefix lives under build/ and keeps
# the clock's settings.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
"$root/tools/setup.sh"
. "$root/tools/wine-env.sh"
wine_env_choose
echo "Clock: $wine_build_text"
cmake --preset "$wine_build" -DTOLLWICK_TESTS=OFF >/dev/null
cmake --build --preset "$wine_build" --target Tollwick
trap wine_env_stop EXIT
wine_env_start "$wine_build_dir/run-prefix" user-display
exe="$wine_build_dir/src/app/Tollwick.exe"

if [ -z "$STARTED_XVFB" ]; then
  trap - EXIT
  exec wine "$exe"
fi
wine "$exe" &
clock=$!
for _ in $(seq 1 100); do
  xdotool search --onlyvisible --name '^Marrowby Clock$' >/dev/null 2>&1 && break
  kill -0 "$clock" 2>/dev/null || break
  sleep 0.2
done
if ! xdotool search --onlyvisible --name '^Marrowby Clock$' >/dev/null 2>&1; then
  echo "run: the clock did not show a window within 20 s; no screenshot taken" >&2
  exit 1
fi
sleep "${RUN_SECONDS:-6}"
shot="$root/build/screenshot.png"
import -display "$DISPLAY" -window root "$shot"
echo "screenshot: $shot"
