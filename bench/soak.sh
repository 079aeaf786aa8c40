#!/usr/bin/env bash
# The real clock under Wine for SOAK_MINUTES (30 by default) with an alarm item due every minute, counted from
# outside: each item runs a small program that notes its number and the time in a file. Prints how many fired of
# those due (and any twice or late), the clock's private bytes (its anonymous resident memory) at start and end,
# and its CPU seconds. Not part of CI; prints figures and never fails on them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
minutes="${SOAK_MINUTES:-30}"
. "$root/bench/bench-env.sh"
bench_start soak Tollwick bench_SoakTally
tally_exe="$bench_bin/bench_SoakTally.exe"
mkdir -p "$prefix/drive_c/soak"
tally_file="$prefix/drive_c/soak/fired.txt"

# One daily item a minute, "run a program", from the second whole minute on.
first=$((($(date +%s) / 60 + 2) * 60))
reg_text() { sed 's/\\/\\\\/g' <<<"$1"; }
{
  echo REGEDIT4
  echo '[HKEY_CURRENT_USER\Software\Tollwick\Data]'
  printf '"DataCount"=dword:%08x\n' "$minutes"
  for i in $(seq 1 "$minutes"); do
    at=$((first + (i - 1) * 60))
    echo "$i $(date -d "@$at" +%H:%M)" >>"$prefix/drive_c/soak/due.txt"
    printf '"Data%d"=hex:01,02,02,00,%02x,%02x,14,1a,01,01,00\n' "$i" "$((10#$(date -d "@$at" +%H)))" \
      "$((10#$(date -d "@$at" +%M)))"
    echo "\"RunExe$i\"=\"$(reg_text "$(winepath -w "$tally_exe")")\""
    echo "\"Parameters$i\"=\"$(reg_text 'C:\soak\fired.txt') $i\""
  done
} >"$prefix/drive_c/soak/items.reg"
wine regedit /S 'C:\soak\items.reg'

wine "$clock_exe" >/dev/null 2>&1 &
clock=$!
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%d\n", sum }'; }
anon_kb() { awk '/^RssAnon:/ { print $2 }' "/proc/$1/status"; }

sleep $((first - 20 - $(date +%s)))
cpu_start=$(cpu_ns "$clock") memory_start=$(anon_kb "$clock")
echo "soak: $minutes items, one a minute from $(date -d "@$first" +%H:%M)"
sleep $((first + minutes * 60 + 20 - $(date +%s)))
cpu_end=$(cpu_ns "$clock") memory_end=$(anon_kb "$clock")
kill "$clock"

touch "$tally_file"
# Each item counts once, and only when its program noted itself within the item's own minute.
read -r fired twice elsewhere < <(awk '
  FNR == NR { due[$1] = $2; next }
  { ++seen[$1]; if (substr($2, 1, 5) == due[$1]) inMinute[$1] = 1; else ++elsewhere }
  END { for (i in seen) { fired += inMinute[i] ? 1 : 0; if (seen[i] > 1) ++twice } print fired + 0, twice + 0, elsewhere + 0 }
' "$prefix/drive_c/soak/due.txt" "$tally_file")
late=$(awk '{ split($2, t, ":"); print t[3] + 0 }' "$tally_file" | sort -n | awk '
  { v[NR] = $1 } END { if (NR) printf "median %.2f s, max %.2f s", v[int((NR + 1) / 2)], v[NR] }')
echo "fired/expected: $fired/$minutes in their minute; $twice fired twice, $elsewhere at another minute"
echo "noted after the minute began: $late"
echo "private bytes (anonymous resident): $memory_start KB at start, $memory_end KB at end"
awk -v ns="$((cpu_end - cpu_start))" -v m="$minutes" 'BEGIN {
  printf "CPU seconds of the clock: %.2f over %d minutes (%.1f ms a minute)\n", ns / 1e9, m + 1, ns / 1e6 / (m + 1) }'
