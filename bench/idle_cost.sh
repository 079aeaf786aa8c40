#!/usr/bin/env bash
# What the clock costs while nobody touches it, under Wine: CPU seconds over IDLE_SECONDS (120 by default) with
# the pointer away and with it resting on the clock, beside a bare window that wakes once a second, all in one
# run; IDLE_ROUNDS (1) repeats the whole and adds up, which evens out the Wine server's own ups and downs. Each program runs alone, so what the Wine server and the X server spend in its phase is on its account too:
# on Windows that work is the program's own kernel time. A phase with a program asleep shows Wine's background.
# The alarm window ringing the built-in ring (the benchmark program's "ringing" mode, on Wine's wave device) is
# measured the same way, and its ratio to the bare window is the CPU ringing costs per minute against a window at rest.
# Prints figures; never fails on them. Another build of the clock to measure instead may be given as $1.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
seconds="${IDLE_SECONDS:-120}"
. "$root/bench/bench-env.sh"
bench_start idle Tollwick bench_BareTimerWindow bench_RingingBench
clock_exe="$(realpath "${1:-$clock_exe}")"
bare_exe="$bench_bin/bench_BareTimerWindow.exe"
ringing_exe="$bench_bin/bench_RingingBench.exe"

# CPU nanoseconds of a process, all its threads.
cpu_ns() {
  [ -n "$1" ] && [ -d "/proc/$1/task" ] || { echo 0; return; }
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%d\n", sum }'
}
# The Wine server of this prefix works from a folder named after the prefix's device and inode.
wineserver_pid() {
  local folder p
  folder="server-$(printf '%x-%x' "$(stat -c %d "$prefix")" "$(stat -c %i "$prefix")")"
  for p in $(pgrep -x 'wineserver(64)?'); do
    [[ "$(readlink "/proc/$p/cwd")" == */"$folder" ]] && echo "$p" && return
  done
}

# Prints "label process server x" in CPU nanoseconds over the measured time.
measure() {  # label, pointer x, pointer y, program and arguments...
  local label="$1" px="$2" py="$3"
  shift 3
  wine "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep 8  # start-up is not idle time
  xdotool mousemove "$px" "$py"
  sleep 2
  local server p0 s0 x0 p1 s1 x1
  server=$(wineserver_pid)
  p0=$(cpu_ns "$pid") s0=$(cpu_ns "$server") x0=$(cpu_ns "${STARTED_XVFB:-}")
  sleep "$seconds"
  p1=$(cpu_ns "$pid") s1=$(cpu_ns "$server") x1=$(cpu_ns "${STARTED_XVFB:-}")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$label $((p1 - p0)) $((s1 - s0)) $((x1 - x0))"
}

rounds="${IDLE_ROUNDS:-1}"
echo "idle for $seconds s under Wine, $rounds round(s) added up, CPU seconds"
for _ in $(seq 1 "$rounds"); do
  measure background 1000 700 "$bare_exe" asleep
  measure bare 1000 700 "$bare_exe" 0 0
  measure away 1000 700 "$clock_exe"
  measure resting 512 384 "$clock_exe"
  measure ringing 1000 700 "$ringing_exe" ringing
done | awk '
  !($1 in p) { order[++n] = $1 }
  { p[$1] += $2 / 1e9; s[$1] += $3 / 1e9; x[$1] += $4 / 1e9 }
  END {
    name["background"] = "Wine alone (a program asleep)"; name["bare"] = "bare window, 1 s timer"
    name["away"] = "clock, pointer away"; name["resting"] = "clock, pointer on the clock"
    name["ringing"] = "alarm window ringing"
    printf "%-30s %8s %12s %9s %8s %7s %9s %7s\n", "", "process", "Wine server", "X server", "total", "ratio",
           "process", "ratio"
    for (i = 1; i <= n; ++i) {
      k = order[i]
      total = p[k] + s[k] + x[k]
      printf "%-30s %8.3f %12.3f %9.3f %8.3f", name[k], p[k], s[k], x[k], total
      if (k == "away" || k == "resting" || k == "ringing")
        printf " %7.2f %9.3f %7.2f", total / (p["bare"] + s["bare"] + x["bare"]), p[k], p[k] / p["bare"]
      printf "\n"
    }
    print "total: the program with the work it makes the Wine and X servers do (on Windows, its kernel time), and"
    print "the background of Wine itself (the first line); ratios against the bare window, in total and for the process alone"
    minutes = '"$seconds"' * '"$rounds"' / 60
    printf "ringing, per minute: %.3f CPU s (the bare window %.3f); ratio %.2f\n",
           (p["ringing"] + s["ringing"] + x["ringing"]) / minutes, (p["bare"] + s["bare"] + x["bare"]) / minutes,
           (p["ringing"] + s["ringing"] + x["ringing"]) / (p["bare"] + s["bare"] + x["bare"])
  }'
