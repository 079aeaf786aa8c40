#!/usr/bin/env bash
# The alarm list and editor of the real clock, driven from the keyboard as a user would: the list opened
# from the menu, two daily text hints added for the coming minute, the second unchecked and applied; at that
# minute the first one's reminder appears and the second stays silent. $1 is Tollwick.exe, $2 the probe that
# prints the list's entries; WINEPREFIX and DISPLAY are set by the test command.
set -uo pipefail
exe="$1"
probe="$2"
shots="$(dirname "$exe")/e2e-shots"
mkdir -p "$shots"
clock=""
fail() {
  echo "FAIL: $*" >&2
  import -display "$DISPLAY" -window root "$shots/alarm-list-failure.png"
  [ -n "$clock" ] && kill "$clock" 2>/dev/null
  exit 1
}
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
# Waits up to $2 tenths of a second for a window named $1.
wait_for() {
  local i
  for i in $(seq 1 "$2"); do [ -n "$(visible "$1")" ] && return 0; sleep 0.1; done
  return 1
}
keys() { local key; for key in "$@"; do xdotool key "$key"; sleep 0.15; done; }
# Adds a daily text hint at $1:$2 through the add editor, from the open list.
add_daily() {
  keys alt+a
  wait_for '^Alarm item $' 50 || fail "Alt+A opened no editor"
  keys Down Tab Tab
  xdotool type --delay 20 "$3"
  keys Tab
  xdotool type "$1"
  keys Tab Tab
  xdotool type "$2"
  keys Return
  sleep 1
  [ -z "$(visible '^Alarm item $')" ] || fail "the editor stayed open after OK"
  wait_for '^Alarm Item$' 50 || fail "the list did not come back after OK"
}

wine reg delete 'HKCU\Software\Tollwick' /f >/dev/null 2>&1
wine "$exe" &
clock=$!
wait_for '^Marrowby Clock$' 200 || fail "no clock window appeared"

# Start early in a minute, so the next one leaves time to compose both items.
second=$(date +%-S)
[ "$second" -gt 25 ] && sleep $((61 - second))
target=$(($(date +%s) / 60 * 60 + 60))
hour=$(date -d "@$target" +%-H)
minute=$(date -d "@$target" +%-M)

# "Alarm Setting(&R)..." is the fifth item of the popup menu.
read -r x y < <(xdotool getwindowgeometry "$(visible '^Marrowby Clock$')" | sed -n 's/ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
xdotool mousemove $((x + 60)) $((y + 19)) click 3
sleep 0.7
xdotool mousemove $((x + 126)) $((y + 125)) click 1
wait_for '^Alarm Item$' 50 || fail "the menu command opened no alarm list"

add_daily "$hour" "$minute" "E2E wake up"
add_daily "$hour" "$minute" "E2E stays silent"
keys space alt+p
import -display "$DISPLAY" -window root "$shots/alarm-list.png"
listed=$(wine "$probe" | tr -d '\r')
expected="[x] $hour:$minute (Daily)|Text HintE2E wake up
[ ] $hour:$minute (Daily)|Text HintE2E stays silent"
[ "$listed" = "$expected" ] || fail "the list shows '$listed', not '$expected'"
keys Escape
sleep 0.5
[ -z "$(visible '^Alarm Item$')" ] || fail "Escape did not close the list"

stored() { wine reg query 'HKCU\Software\Tollwick\Data' /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1 == n { print $3 }'; }
[ "$(stored Data1 | cut -c1-6)" = "010102" ] || fail "item 1 stored as $(stored Data1)"
[ "$(stored Data2 | cut -c1-6)" = "000102" ] || fail "item 2 stored as $(stored Data2)"

wait_for '^Text Hint$' $(((target - $(date +%s) + 15) * 10)) || fail "no reminder at $hour:$minute"
import -display "$DISPLAY" -window root "$shots/alarm-reminder.png"
keys Return
sleep 0.5
[ -z "$(visible '^Text Hint$')" ] || fail "the reminder did not close"
sleep 3
[ -z "$(visible '^Text Hint$')" ] || fail "the unchecked item rang too"
kill "$clock" 2>/dev/null
echo "alarm list e2e passed; screenshots in $shots"
