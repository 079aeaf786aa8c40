#!/usr/bin/env bash
# The release packages made by tools/release.sh: the zip holds what a portable copy needs, and the installer
# installs silently for the current user, the installed clock starts, and the silent uninstaller closes it and
# removes the program, its shortcut, its "Apps & features" entry and both start-up values, keeping the settings
# unless asked to remove them. WINEPREFIX and DISPLAY are set by the test command; $1 is the built Tollwick.exe.
set -uo pipefail
exe="$1"
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(dirname "$(dirname "$(dirname "$exe")")")"
version=$(sed -n 's/^!define VERSION "\(.*\)"$/\1/p' "$build/packaging/Version.nsh")
zip="$root/build/release/Tollwick-$version-portable.zip"
setup="$root/build/release/Tollwick-$version-setup.exe"
shots="$(dirname "$exe")/e2e-shots"
mkdir -p "$shots"
saved="$(mktemp -d)"
clock=""
fail() {
  echo "FAIL: $*" >&2
  [ -n "$clock" ] && kill "$clock" 2>/dev/null
  exit 1
}
[ -f "$zip" ] && [ -f "$setup" ] || fail "no packages for $version in build/release: run tools/release.sh"

# The zip: one folder with the program, the readme, the licence, the skins, and the help file when there is one.
expected=$(
  cd "$root" || exit
  printf '%s\n' "" Tollwick.exe readme.txt LICENSE.txt skins/ skins/*.bmp
  [ -f "$(dirname "$exe")/help.chm" ] && echo help.chm
)
actual=$(unzip -Z1 "$zip")
[ "$(sed "s|^|Tollwick-$version/|" <<<"$expected" | sort)" = "$(sort <<<"$actual")" ] ||
  fail "the zip holds"$'\n'"$actual"
unzip -p "$zip" "Tollwick-$version/Tollwick.exe" | cmp -s - "$exe" || fail "the zip's program is not the one built"
unzip -p "$zip" "Tollwick-$version/readme.txt" | grep -q "^Tollwick $version," || fail "the readme does not name $version"

# What the round trip changes, to put back at the end.
run_key='Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tollwick'
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n { $1 = ""; $2 = ""; print substr($0, 3) }'; }
keys=('HKCU\Software\Tollwick' 'HKCU\Software\Marrowby Clock')
for i in "${!keys[@]}"; do wine reg export "${keys[$i]}" "$saved/$i.reg" /y >/dev/null 2>&1; done
declare -A autostart=([HKCU]="$(reg_value "HKCU\\$run_key" AlarmClock)" [HKLM]="$(reg_value "HKLM\\$run_key" AlarmClock)")
restore() {
  local i root_key
  for i in "${!keys[@]}"; do
    wine reg delete "${keys[$i]}" /f >/dev/null 2>&1
    [ -f "$saved/$i.reg" ] && wine reg import "$saved/$i.reg" >/dev/null 2>&1
  done
  for root_key in HKCU HKLM; do
    wine reg delete "$root_key\\$run_key" /v AlarmClock /f >/dev/null 2>&1
    [ -n "${autostart[$root_key]}" ] && wine reg add "$root_key\\$run_key" /v AlarmClock /d "${autostart[$root_key]}" /f >/dev/null 2>&1
  done
  rm -rf "$saved"
}
trap restore EXIT

has_key() { wine reg query "$1" >/dev/null 2>&1; }
appdata=$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
programs=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')'\Microsoft\Windows\Start Menu\Programs'
install_win="$appdata\\Programs\\Tollwick"
install_dir=$(winepath -u "$install_win" 2>/dev/null)
shortcut=$(winepath -u "$programs\\Tollwick.lnk" 2>/dev/null)
clock_window() { xdotool search --onlyvisible --name '^Marrowby Clock$' 2>/dev/null | head -n 1; }
# Waits up to 30 s for a condition.
wait_for() {
  local i
  for i in $(seq 1 150); do eval "$1" && return 0; sleep 0.2; done
  return 1
}

install() {
  timeout 60 wine "$setup" /S || fail "the silent install failed"
  for file in Tollwick.exe uninstall.exe readme.txt LICENSE.txt "skins/Brass.bmp"; do
    [ -f "$install_dir/$file" ] || fail "$file was not installed into $install_dir"
  done
  [ -f "$shortcut" ] || fail "no Start-menu shortcut"
  [ "$(reg_value "$uninstall_key" DisplayVersion)" = "$version" ] || fail "Apps & features shows no version $version"
  [ "$(reg_value "$uninstall_key" Publisher)" = "Tollwick" ] || fail "Apps & features shows no publisher"
  for root_key in HKCU HKLM; do
    wine reg add "$root_key\\$run_key" /v AlarmClock /d "$install_win\\Tollwick.exe" /f >/dev/null 2>&1
  done
}

uninstall() {  # the uninstaller runs a copy of itself from the temporary folder and returns at once
  wine "$install_dir/uninstall.exe" /S "$@" || fail "the silent uninstall did not start"
  # Its entry in "Apps & features" goes last.
  wait_for '! has_key "$uninstall_key"' || fail "the Apps & features entry is still there"
  [ ! -e "$install_dir" ] || fail "the uninstaller left $(ls -A "$install_dir" | tr '\n' ' ')"
  [ ! -e "$shortcut" ] || fail "the shortcut is still there"
  for root_key in HKCU HKLM; do
    [ -z "$(reg_value "$root_key\\$run_key" AlarmClock)" ] || fail "the $root_key start-up value is still there"
  done
}

# A new user: install, start the clock, and uninstall while it runs.
wine reg delete 'HKCU\Software\Tollwick' /f >/dev/null 2>&1
install
wine "$install_dir/Tollwick.exe" &
clock=$!
wait_for '[ -n "$(clock_window)" ]' || fail "the installed clock did not show"
import -display "$DISPLAY" -window root "$shots/installed-clock.png"
uninstall
wait_for '! kill -0 $clock 2>/dev/null' || fail "the uninstaller did not close the clock"
clock=""
# Closed, not killed: the clock stored its place, and the settings are kept.
[ -n "$(reg_value 'HKCU\Software\Tollwick\Load' ClockLeft)" ] || fail "the clock did not close normally"

# Asked to, the uninstaller removes the settings as well.
install
uninstall /REMOVESETTINGS
! has_key 'HKCU\Software\Tollwick' || fail "the settings were kept although their removal was asked for"
echo "packages e2e passed"
