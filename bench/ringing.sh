#!/usr/bin/env bash
# Runs the ringing benchmark under Wine in a throwaway prefix: the delay from due to the first sound buffer, and
# memory over RINGING_CYCLES (500 by default) ring-and-stop and snooze cycles. Prints figures; never fails on them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. "$root/bench/bench-env.sh"
bench_start ringing bench_RingingBench
wine "$bench_bin/bench_RingingBench.exe" "${RINGING_CYCLES:-500}"
