#!/usr/bin/env bash
# The alarm list and editor of the real clock, driven from the keyboard as a user would: the list opened
# from the menu, two daily text hints added for a coming minute, the second unchecked and applied; at that
# minute the first one's reminder appears and the second stays silent. $1 is Tollwick.exe, $2 the probe that
# prints the list's entries; WINEPREFIX and DISPLAY are set by the test command.
. "$(dirname "$0")/session.sh"
probe="$2"
keys() { for key in "$@"; do xdotool key "$key"; sleep 0.15; done; }
# Adds a daily text hint $3 at $1:$2 through the add editor, from the open list.
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
  wait_gone '^Alarm item $' 20 || fail "the editor stayed open after OK"
  wait_for '^Alarm Item$' 50 || fail "the list did not come back after OK"
}

wine "$exe" &
started+=($!)
wait_for '^Marrowby Clock$' 200 || fail "no clock window appeared"

# Composing both items takes a few seconds: the first minute at least 15 s away leaves time enough.
target=$((($(date +%s) + 15 + 59) / 60 * 60))
hour=$(date -d "@$target" +%-H)
minute=$(date -d "@$target" +%-M)

# "Alarm Setting(&R)..." is the fifth item of the popup menu.
read -r x y < <(position "$(visible '^Marrowby Clock$')")
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
wait_gone '^Alarm Item$' 20 || fail "Escape did not close the list"
[[ "$(stored Data Data1)" == "REG_BINARY 010102"* ]] || fail "item 1 stored as $(stored Data Data1)"
[[ "$(stored Data Data2)" == "REG_BINARY 000102"* ]] || fail "item 2 stored as $(stored Data Data2)"

wait_for '^Text Hint$' $(((target - $(date +%s) + 15) * 10)) || fail "no reminder at $hour:$minute"
import -display "$DISPLAY" -window root "$shots/alarm-reminder.png"
keys Return
wait_gone '^Text Hint$' 20 || fail "the reminder did not close"
sleep 2
[ -z "$(visible '^Text Hint$')" ] || fail "the unchecked item rang too"
kill "${started[@]}" 2>/dev/null
echo "alarm list e2e passed; screenshots in $shots"
