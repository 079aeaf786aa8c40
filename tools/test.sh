#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, then the Wine tests and end-to-end tests.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
"$root/tools/setup.sh" || exit 1
. "$root/tools/wine-env.sh"

passed=0; failed=0
count() {  # reads ctest's summary line from a log
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -n 1)
  [ -n "$line" ] || { failed=$((failed + 1)); return; }
  local bad total
  bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* tests failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + total - bad)); failed=$((failed + bad))
}

log="$root/build/logs"; mkdir -p "$log"
set -e
cmake --preset native >"$log/native-configure.log" || { cat "$log/native-configure.log"; exit 1; }
cmake --build --preset native
cmake --preset win32 -DTOLLWICK_TESTS=ON >"$log/win32-configure.log" || { cat "$log/win32-configure.log"; exit 1; }
cmake --build --preset win32
# The packages, which the end-to-end tests install and remove.
tools/release.sh >"$log/release.log" 2>&1 || { cat "$log/release.log"; exit 1; }
set +e

ctest --preset native 2>&1 | tee "$log/native-tests.log"
count "$log/native-tests.log"

# A fresh prefix each run: the tests write the registry.
rm -rf "$root/build/win32/wineprefix"
wine_env_start "$root/build/win32/wineprefix"
trap wine_env_stop EXIT
ctest --preset win32 2>&1 | tee "$log/win32-tests.log"
count "$log/win32-tests.log"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
