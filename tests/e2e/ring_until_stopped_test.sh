#!/usr/bin/env bash
# An alarm that rings until stopped, through the real clock: a daily sound item with "Ring until stopped" added
# from the editor for a coming minute; at that minute the alarm window rings, Escape snoozes it, the clock exits,
# and started again it rings the snooze at its time and stops on Enter, ringing no more. So that the test need not
# wait five minutes, the stored snooze is brought forward to a few seconds from now while the clock is not running.
# $1 is Tollwick.exe; WINEPREFIX and DISPLAY are set by the test command.
. "$(dirname "$0")/session.sh"
keys() { for key in "$@"; do xdotool key "$key"; sleep 0.15; done; }
clock='^Marrowby Clock$'
start_clock() {
  wine "$exe" &
  started+=($!)
  wait_for "$clock" 200 || fail "no clock window appeared"
}
# Exit from the clock's popup menu: the last item, reached with the Up key.
exit_clock() {
  read -r x y < <(position "$(visible "$clock")")
  xdotool mousemove $((x + 60)) $((y + 19)) click 3
  sleep 0.7
  keys Up Return
  wait_gone "$clock" 100 || fail "Exit did not end the clock"
}

start_clock
target=$((($(date +%s) + 12 + 59) / 60 * 60))
hour=$(date -d "@$target" +%-H)
minute=$(date -d "@$target" +%-M)

read -r x y < <(position "$(visible "$clock")")
xdotool mousemove $((x + 60)) $((y + 19)) click 3
sleep 0.7
xdotool mousemove $((x + 126)) $((y + 125)) click 1
wait_for '^Alarm Item$' 50 || fail "the menu command opened no alarm list"
keys alt+a
wait_for '^Alarm item $' 50 || fail "Alt+A opened no editor"
# Daily; the action list up one to "Play a sound"; past the sound box (empty: the built-in ring) and its button
# to the check box; then the hour and the minute.
keys Down Tab Up Tab Tab Tab space
import -display "$DISPLAY" -window root "$shots/ring-editor.png"
keys Tab
xdotool type "$hour"
keys Tab Tab
xdotool type "$minute"
keys Return
wait_gone '^Alarm item $' 20 || fail "the editor stayed open after OK"
wait_for '^Alarm Item$' 50 || fail "the list did not come back after OK"
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
