#!/usr/bin/env bash
# An alarm that rings until stopped, through the real clock: a daily sound item with "Ring until stopped" added
# from the editor for a coming minute; at that minute the alarm window rings, Escape snoozes it, the clock exits,
# and started again it rings the snooze at its time and stops on Enter, ringing no more. So that the test need not
# wait five minutes, the stored snooze is brought forward to a few seconds from now while the clock is not running.
# $1 is Tollwick.exe; WINEPREFIX and DISPLAY are set by the test command.
. "$(dirname "$0")/session.sh"
start_clock
coming_minute 12
open_alarm_list
# The action list up one to "Play a sound"; past the sound box (empty: the built-in ring) and its button to the
# check box.
add_daily Tab Up Tab Tab Tab space Tab
keys Escape
[[ "$(stored Data Data1)" == "REG_BINARY 010002"* ]] || fail "item 1 stored as $(stored Data Data1)"
[ "$(stored Data Ring1)" = "REG_DWORD 0x1" ] || fail "Ring1 stored as '$(stored Data Ring1)'"

wait_for '^Alarm$' $(((target - $(date +%s) + 15) * 10)) || fail "no alarm window at $hour:$minute"
sleep 1
import -display "$DISPLAY" -window root "$shots/ring-alarm.png"
keys Escape
wait_gone '^Alarm$' 20 || fail "Escape did not snooze the alarm"
[[ "$(stored Data Snooze1)" == "REG_SZ "* ]] || fail "no snooze stored: '$(stored Data Snooze1)'"

exit_clock
soon=$(date -u -d "@$(($(date +%s) + 6))" +%Y-%m-%dT%H:%M:%SZ)
wine reg add 'HKCU\Software\Tollwick\Data' /v Snooze1 /t REG_SZ /d "$soon" /f >/dev/null 2>&1
start_clock
wait_for '^Alarm$' 150 || fail "the snooze did not ring after the clock was started again"
keys Return
wait_gone '^Alarm$' 20 || fail "Enter did not stop the alarm"
[ -z "$(stored Data Snooze1)" ] || fail "the snooze is still stored after it rang"
sleep 3
[ -z "$(visible '^Alarm$')" ] || fail "the snooze rang twice"
exit_clock
echo "ring until stopped e2e passed; screenshots in $shots"
