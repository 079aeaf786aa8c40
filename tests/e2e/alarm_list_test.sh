#!/usr/bin/env bash
# The alarm list and editor of the real clock, driven from the keyboard as a user would: the list opened
# from the menu, two daily text hints added for a coming minute, the second unchecked and applied; at that
# minute the first one's reminder appears and the second stays silent. $1 is Tollwick.exe, $2 the probe that
# prints the list's entries; WINEPREFIX and DISPLAY are set by the test command.
. "$(dirname "$0")/session.sh"
probe="$2"
start_clock
# Composing both items takes a few seconds: the first minute at least 15 s away leaves time enough.
coming_minute 15
open_alarm_list
add_daily Tab Tab "type:E2E wake up" Tab
add_daily Tab Tab "type:E2E stays silent" Tab
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
