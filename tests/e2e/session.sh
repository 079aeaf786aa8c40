# What the end-to-end tests share, sourced with $1 the exe: screenshots beside it, the prefix's settings moved
# aside for the test and put back at its end, waits for windows, and a failure that ends every copy in `started`.
set -uo pipefail
exe="$1"
shots="$(dirname "$exe")/e2e-shots"
mkdir -p "$shots"
started=()
saved="$shots/settings-before-$(basename "$0" .sh).reg"
restore_settings() {
  wine reg delete 'HKCU\Software\Tollwick' /f >/dev/null 2>&1
  [ -s "$saved" ] && wine reg import "$(winepath -w "$saved")" >/dev/null 2>&1
  rm -f "$saved"
}
rm -f "$saved"
wine reg export 'HKCU\Software\Tollwick' "$(winepath -w "$saved")" >/dev/null 2>&1
wine reg delete 'HKCU\Software\Tollwick' /f >/dev/null 2>&1
trap restore_settings EXIT

fail() {
  echo "FAIL: $*" >&2
  import -display "$DISPLAY" -window root "$shots/$(basename "$0" .sh)-failure.png"
  for copy in "${started[@]}"; do kill "$copy" 2>/dev/null; done
  exit 1
}
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
# Wait up to $2 tenths of a second for a window named $1 to be shown, or to be gone.
wait_for() { for _ in $(seq 1 "$2"); do [ -n "$(visible "$1")" ] && return 0; sleep 0.1; done; return 1; }
wait_gone() { for _ in $(seq 1 "$2"); do [ -z "$(visible "$1")" ] && return 0; sleep 0.1; done; return 1; }
position() { xdotool getwindowgeometry "$1" | sed -n 's/ *Position: \([-0-9]*\),\([-0-9]*\).*/\1 \2/p'; }
# The type and data of value $2 under the program's key $1.
stored() {
  wine reg query "HKCU\\Software\\Tollwick\\$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n { print $2 " " $3 }'
}
clock='^Marrowby Clock$'
keys() { for key in "$@"; do xdotool key "$key"; sleep 0.15; done; }
start_clock() {
  wine "$exe" &
  started+=($!)
  wait_for "$clock" 200 || fail "no clock window appeared"
}
# A right click on the clock's face, where its popup menu opens; x and y are the clock's place.
clock_menu() {
  read -r x y < <(position "$(visible "$clock")")
  xdotool mousemove $((x + 60)) $((y + 19)) click 3
  sleep 0.7
  import -display "$DISPLAY" -window root "$shots/$(basename "$0" .sh)-menu.png"
}
# Exit: the menu's last item, reached with the Up key.
exit_clock() {
  clock_menu
  keys Up Return
  wait_gone "$clock" 100 || fail "Exit did not end the clock"
}
# "Alarm Setting(&R)..." is the fifth item of the menu.
open_alarm_list() {
  clock_menu
  xdotool mousemove $((x + 126)) $((y + 125)) click 1
  wait_for '^Alarm Item$' 50 || fail "the menu command opened no alarm list"
}
# Sets target, hour and minute: the first whole minute at least $1 seconds away.
coming_minute() {
  target=$((($(date +%s) + $1 + 59) / 60 * 60))
  hour=$(date -d "@$target" +%-H)
  minute=$(date -d "@$target" +%-M)
}
# Adds a daily item at $hour:$minute with the add editor of the open list: Down picks Daily, then $@ are the keys
# (or "type:text") that fill the item and reach the hour box.
add_daily() {
  keys alt+a
  wait_for '^Alarm item $' 50 || fail "Alt+A opened no editor"
  keys Down
  for step in "$@"; do
    if [[ "$step" == type:* ]]; then xdotool type --delay 20 "${step#type:}"; else keys "$step"; fi
  done
  xdotool type "$hour"
  keys Tab Tab
  xdotool type "$minute"
  import -display "$DISPLAY" -window root "$shots/$(basename "$0" .sh)-editor.png"
  keys Return
  wait_gone '^Alarm item $' 20 || fail "the editor stayed open after OK"
  wait_for '^Alarm Item$' 50 || fail "the list did not come back after OK"
}
