#!/usr/bin/env bash
# Runs the leak benchmark under Wine in a throwaway prefix: each skin apply, menu opening, tray cycle, dialog and
# form the clock has, LEAK_CYCLES times (1000 by default), with the program's GDI and USER objects, its own C++
# allocations and its private bytes before and after, and last a bare window with standard controls for what Wine
# itself keeps. Prints figures; never fails on them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. "$root/bench/bench-env.sh"
bench_start leak bench_LeakBench
wine "$bench_bin/bench_LeakBench.exe" "$(winepath -w "$root/skins")" "${LEAK_CYCLES:-1000}" "${LEAK_ONLY:-}"
