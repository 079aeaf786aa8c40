#!/usr/bin/env bash
# The real clock under Wine on the Xvfb screen: two copies started together with an empty registry leave
# one clock, a drag, a double click into the tray, a second copy that brings the first back, Exit from
# the popup menu, and the position the clock stored. $1 is Tollwick.exe; WINEPREFIX and DISPLAY are set
# by the test command. The prefix's own settings are put back at the end.
set -uo pipefail
exe="$1"
shots="$(dirname "$exe")/e2e-shots"
mkdir -p "$shots"
first=""
second=""
saved="$shots/settings-before.reg"
restore_settings() {
  wine reg delete 'HKCU\Software\Tollwick' /f >/dev/null 2>&1
  [ -s "$saved" ] && wine reg import "$(winepath -w "$saved")" >/dev/null 2>&1
  rm -f "$saved"
}
fail() {
  echo "FAIL: $*" >&2
  for copy in $first $second; do kill "$copy" 2>/dev/null; done
  exit 1
}
trap restore_settings EXIT

# Waits up to 20 s for the clock window to be shown (or, with "hidden", to disappear).
clock_window() { xdotool search --onlyvisible --name '^Marrowby Clock$' 2>/dev/null | head -n 1; }
wait_shown() {
  local i
  for i in $(seq 1 100); do [ -n "$(clock_window)" ] && return 0; sleep 0.2; done
  return 1
}
wait_hidden() {
  local i
  for i in $(seq 1 100); do [ -z "$(clock_window)" ] && return 0; sleep 0.2; done
  return 1
}
position() { xdotool getwindowgeometry "$1" | sed -n 's/ *Position: \([-0-9]*\),\([-0-9]*\).*/\1 \2/p'; }
# Pixels of the time area brighter than the dark panel, in a screenshot.
bright_pixels() {
  convert "$1" -crop "110x25+$2+$3" +repage -colorspace Gray -threshold 30% -format '%[fx:int(mean*w*h+0.5)]' info:
}

rm -f "$saved"
wine reg export 'HKCU\Software\Tollwick' "$(winepath -w "$saved")" >/dev/null 2>&1
wine reg delete 'HKCU\Software\Tollwick' /f >/dev/null 2>&1

# Started together (the Run key and a double click at log-on): the later one must find the first.
wine "$exe" &
first=$!
wine "$exe" &
second=$!
wait_shown || fail "no clock window appeared"
for i in $(seq 1 100); do kill -0 "$first" 2>/dev/null && kill -0 "$second" 2>/dev/null || break; sleep 0.2; done
if ! kill -0 "$first" 2>/dev/null; then first=$second; fi
kill -0 "$first" 2>/dev/null || fail "neither copy kept running"
kill -0 "$second" 2>/dev/null && [ "$second" != "$first" ] && fail "both copies kept running"
second=""
sleep 1
[ "$(xdotool search --onlyvisible --name '^Marrowby Clock$' 2>/dev/null | wc -l)" -eq 1 ] ||
  fail "two copies started together left $(xdotool search --onlyvisible --name '^Marrowby Clock$' | wc -l) clocks"
window=$(clock_window)
read -r x y < <(position "$window")
[ "$x $y" = "452 365" ] || fail "a first start should be centred at 452 365 on 1024 x 768, not at $x $y"

import -display "$DISPLAY" -window root "$shots/first-start.png"
sleep 1.2
import -display "$DISPLAY" -window root "$shots/a-second-later.png"
lit=$(bright_pixels "$shots/first-start.png" $((x + 5)) $((y + 7)))
[ "$lit" -gt 150 ] || fail "the time area shows no digits ($lit lit pixels)"
convert "$shots/first-start.png" "$shots/a-second-later.png" -crop "110x25+$((x + 5))+$((y + 7))" +repage \
  -compose difference -composite -format '%[fx:maxima]' info: | grep -qv '^0$' ||
  fail "the digits did not change within a second"

# Drag the clock by its face.
xdotool mousemove $((x + 60)) $((y + 19)) mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove $((x + 60 + step * 20)) $((y + 19 - step * 30)); sleep 0.05; done
xdotool mouseup 1
sleep 0.5
read -r dragged_x dragged_y < <(position "$window")
[ "$dragged_x $dragged_y" = "$((x + 100)) $((y - 150))" ] || fail "the drag left the clock at $dragged_x $dragged_y"

# A double click sends it to the tray; a second copy brings it back and ends.
xdotool mousemove $((dragged_x + 60)) $((dragged_y + 19)) click --repeat 2 --delay 60 1
wait_hidden || fail "a double click did not send the clock to the tray"
timeout 30 wine "$exe" || fail "the second copy did not end by itself"
wait_shown || fail "the second copy did not bring the first back"
[ "$(clock_window)" = "$window" ] || fail "the second copy made a window of its own"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"

# Exit from the popup menu: the last item, reached with the Up key.
xdotool mousemove $((dragged_x + 60)) $((dragged_y + 19)) click 3
sleep 0.7
import -display "$DISPLAY" -window root "$shots/menu.png"
xdotool key Up
sleep 0.2
xdotool key Return
for i in $(seq 1 100); do kill -0 "$first" 2>/dev/null || break; sleep 0.2; done
kill -0 "$first" 2>/dev/null && fail "Exit did not end the clock"

stored() { wine reg query 'HKCU\Software\Tollwick\Load' /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1 == n { print $2 " " $3 }'; }
[ "$(stored ClockLeft)" = "REG_SZ $dragged_x" ] || fail "ClockLeft stored as '$(stored ClockLeft)', not $dragged_x"
[ "$(stored ClockTop)" = "REG_SZ $dragged_y" ] || fail "ClockTop stored as '$(stored ClockTop)', not $dragged_y"
echo "clock e2e passed; screenshots in $shots"
