#!/usr/bin/env bash
# Runs the leak benchmark under Wine in a throwaway prefix: each skin apply, menu opening, tray cycle, dialog and
# form the clock has, LEAK_CYCLES times (1000 by default), with the program's GDI and USER objects, its own C++
# allocations and its private bytes before and after, and last a bare window with standard controls for what Wine
# itself keeps. Prints figures; never fails on them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target bench_LeakBench >/dev/null
. "$root/tools/wine-env.sh"
prefix="$root/build/bench/leak-prefix"
rm -rf "$prefix"
# A display of its own: the figures do not depend on a desktop, and the pointer moved is not the user's.
unset DISPLAY
wine_env_start "$prefix"
trap wine_env_stop EXIT
wine "$root/build/win32/bench/bench_LeakBench.exe" "$(winepath -w "$root/skins")" "${LEAK_CYCLES:-1000}" "${LEAK_ONLY:-}"
