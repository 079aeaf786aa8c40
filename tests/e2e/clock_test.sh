#!/usr/bin/env bash
# The real clock under Wine on the Xvfb screen: two copies started together with an empty registry leave
# one clock, a drag, a double click into the tray, a second copy that brings the first back, Exit from
# the popup menu, and the position the clock stored. $1 is Tollwick.exe; WINEPREFIX and DISPLAY are set
# by the test command.
. "$(dirname "$0")/session.sh"
# Pixels of the time area brighter than the dark panel, in a screenshot.
bright_pixels() {
  convert "$1" -crop "110x25+$2+$3" +repage -colorspace Gray -threshold 30% -format '%[fx:int(mean*w*h+0.5)]' info:
}

# Started together (the Run key and a double click at log-on): the later one must find the first and end.
wine "$exe" &
started+=($!)
start_clock
for _ in $(seq 1 100); do
  alive=$(for copy in "${started[@]}"; do kill -0 "$copy" 2>/dev/null && echo "$copy"; done)
  [ "$(wc -w <<<"$alive")" -eq 1 ] && break
  sleep 0.2
done
[ "$(wc -w <<<"$alive")" -eq 1 ] || fail "$(wc -w <<<"$alive") of two copies started together kept running"
first=$alive
window=$(visible "$clock")
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
read -r x y < <(position "$window")
[ "$x $y" = "552 215" ] || fail "the drag left the clock at $x $y"

# A double click sends it to the tray; a second copy brings it back and ends.
xdotool mousemove $((x + 60)) $((y + 19)) click --repeat 2 --delay 60 1
wait_gone "$clock" 200 || fail "a double click did not send the clock to the tray"
timeout 30 wine "$exe" || fail "the second copy did not end by itself"
wait_for "$clock" 200 || fail "the second copy did not bring the first back"
[ "$(visible "$clock")" = "$window" ] || fail "the second copy made a window of its own"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"

exit_clock
for _ in $(seq 1 100); do kill -0 "$first" 2>/dev/null || break; sleep 0.2; done
kill -0 "$first" 2>/dev/null && fail "Exit did not end the clock"
[ "$(stored Load ClockLeft) $(stored Load ClockTop)" = "REG_SZ 552 REG_SZ 215" ] ||
  fail "stored as '$(stored Load ClockLeft)', '$(stored Load ClockTop)', not 552, 215"
echo "clock e2e passed; screenshots in $shots"
