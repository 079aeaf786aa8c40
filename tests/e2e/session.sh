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
