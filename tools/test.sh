#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, then the Wine tests and end-to-end tests on the
# Windows build this host runs (both builds are compiled).
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
"$root/tools/setup.sh" || exit 1
. "$root/tools/wine-env.sh"
wine_env_choose || exit 1
echo "Windows tests: $wine_build_text"

passed=0; failed=0; skipped=0; skipped_names=()
count() {  # reads ctest's summary from a log; a skipped test counts as neither passed nor failed
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -n 1)
  [ -n "$line" ] || { failed=$((failed + 1)); return; }
  local bad total name
  bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* tests failed out of ([0-9]+).*/\1/' <<<"$line")
  while read -r name; do
    skipped=$((skipped + 1)) total=$((total - 1)) skipped_names+=("$name")
  done < <(sed -nE 's/^[[:space:]]*[0-9]+ - ([^ ]+) \(Skipped\)$/\1/p' "$1")
  passed=$((passed + total - bad)); failed=$((failed + bad))
}

log="$root/build/logs"; mkdir -p "$log"
set -e
cmake --preset native >"$log/native-configure.log" || { cat "$log/native-configure.log"; exit 1; }
cmake --build --preset native
for preset in win32 win64; do
  cmake --preset $preset -DTOLLWICK_TESTS=ON >"$log/$preset-configure.log" || { cat "$log/$preset-configure.log"; exit 1; }
  cmake --build --preset $preset
done
# The packages of both builds, which the end-to-end tests check, install and remove.
tools/release.sh >"$log/release.log" 2>&1 || { cat "$log/release.log"; exit 1; }
set +e

ctest --preset native 2>&1 | tee "$log/native-tests.log"
count "$log/native-tests.log"

# A fresh prefix each run: the tests write the registry.
rm -rf "$wine_build_dir/wineprefix"
wine_env_start "$wine_build_dir/wineprefix" || exit 1
trap wine_env_stop EXIT
ctest --preset "$wine_build" 2>&1 | tee "$log/$wine_build-tests.log"
count "$log/$wine_build-tests.log"

echo "Windows tests ran on the $wine_build_text"
[ "$skipped" -eq 0 ] || echo "skipped: ${skipped_names[*]}"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
