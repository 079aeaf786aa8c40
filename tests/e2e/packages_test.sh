#!/usr/bin/env bash
# The release packages made by tools/release.sh for one build ($2: x86 or x64). Its zip holds what a portable
# copy needs, with that build's program. Where the tests run on that same build ($1 is the built Tollwick.exe
# under test), its installer makes a round trip: a silent install for the current user, the installed clock
# starts, an install over it removes what the first put there (not the user's files nor anything outside its
# folder) and keeps the settings and start-up values, and the silent uninstaller closes the clock and removes the
# program, its folder, its shortcut, its "Apps & features" entry and the start-up values that start it (not
# another program's), keeping the settings unless asked to remove them. WINEPREFIX and DISPLAY are set by the
# test command. Exits 77 (skipped) after the zip where the installer is not for the build under test.
set -uo pipefail
exe="$1"
arch="$2"
root="$(cd "$(dirname "$0")/../.." && pwd)"
clock=""
fail() {
  echo "FAIL: $*" >&2
  [ -n "$clock" ] && kill "$clock" 2>/dev/null
  exit 1
}
declare -A build_of=([x86]=win32 [x64]=win64)
declare -A machine=([x86]='^PE32 executable .*Intel 80386' [x64]='^PE32\+ executable .*x86-64')
[ -n "${build_of[$arch]:-}" ] || fail "the package arch is x86 or x64, not '$arch'"
tested_build="$(dirname "$(dirname "$(dirname "$exe")")")"
build="$(dirname "$tested_build")/${build_of[$arch]}"
built="$build/src/app/Tollwick.exe"
version=$(sed -n 's/^!define VERSION "\(.*\)"$/\1/p' "$build/packaging/Version.nsh")
name="Tollwick-$version-$arch"
zip="$root/build/release/$name-portable.zip"
setup="$root/build/release/$name-setup.exe"
[ -f "$zip" ] && [ -f "$setup" ] || fail "no $arch packages for $version in build/release: run tools/release.sh"

# The zip: one folder with the program, the readme, the licence, the skins, and the help file when there is one.
expected=$(
  cd "$root" || exit
  printf '%s\n' "" Tollwick.exe readme.txt LICENSE.txt skins/ skins/*.bmp
  [ -f "$(dirname "$built")/help.chm" ] && echo help.chm
)
actual=$(unzip -Z1 "$zip")
[ "$(sed "s|^|$name/|" <<<"$expected" | sort)" = "$(sort <<<"$actual")" ] || fail "the zip holds"$'\n'"$actual"
unzip -p "$zip" "$name/Tollwick.exe" | cmp -s - "$built" || fail "the zip's program is not the one built in $build"
for package in "zip's program:$(unzip -p "$zip" "$name/Tollwick.exe" | file -b -)" "installer:$(file -b "$setup")"; do
  grep -Eq "${machine[$arch]}" <<<"${package#*:}" || fail "the $arch ${package%%:*} is a ${package#*:}"
done
unzip -p "$zip" "$name/readme.txt" | grep -q "^Tollwick $version," || fail "the readme does not name $version"

case "$(basename "$tested_build")" in
  "${build_of[$arch]}") ;;
  win32 | win64)
    echo "the round trip of the $arch installer is skipped: the tests run on the $(basename "$tested_build") build, and an installer is run only where its own build is tested"
    exit 77 ;;
  *) fail "$exe is in neither build/win32 nor build/win64" ;;
esac

# What the round trip changes, to put back at the end.
run_key='Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tollwick'
reg_value() { wine reg query "$1" /v "$2" ${3:+"$3"} 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n { $1 = ""; $2 = ""; print substr($0, 3) }'; }
saved="$(mktemp -d)"
keys=('HKCU\Software\Tollwick' 'HKCU\Software\Marrowby Clock')
for i in "${!keys[@]}"; do wine reg export "${keys[$i]}" "$saved/$i.reg" /y >/dev/null 2>&1; done
# "Start with Windows" is kept for the user, or for the machine in the registry view of the build that wrote it.
other_view=/reg:64
[ "$arch" = x64 ] && other_view=/reg:32
places=(HKCU HKLM "HKLM $other_view")
autostart() { local root view; read -r root view <<<"$1"; reg_value "$root\\$run_key" AlarmClock "$view"; }
set_autostart_at() {  # place, value ("" for none)
  local root view
  read -r root view <<<"$1"
  wine reg delete "$root\\$run_key" /v AlarmClock /f ${view:+"$view"} >/dev/null 2>&1
  [ -z "$2" ] || wine reg add "$root\\$run_key" /v AlarmClock /d "$2" /f ${view:+"$view"} >/dev/null 2>&1
}
saved_autostart=()
for place in "${places[@]}"; do saved_autostart+=("$(autostart "$place")"); done
appdata=$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
programs=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')'\Microsoft\Windows\Start Menu\Programs'
install_win="$appdata\\Programs\\Tollwick"
install_dir=$(winepath -u "$install_win" 2>/dev/null)
shortcut=$(winepath -u "$programs\\Tollwick.lnk" 2>/dev/null)
outside="$(dirname "$install_dir")/outside.txt"
restore() {
  local i
  for i in "${!keys[@]}"; do
    wine reg delete "${keys[$i]}" /f >/dev/null 2>&1
    [ -f "$saved/$i.reg" ] && wine reg import "$saved/$i.reg" >/dev/null 2>&1
  done
  for i in "${!places[@]}"; do set_autostart_at "${places[$i]}" "${saved_autostart[$i]}"; done
  rm -rf "$saved" "$outside"
}
trap restore EXIT

has_key() { wine reg query "$1" >/dev/null 2>&1; }
clock_window() { xdotool search --onlyvisible --name '^Marrowby Clock$' 2>/dev/null | head -n 1; }
# Waits up to 30 s for a condition.
wait_for() {
  local i
  for i in $(seq 1 150); do eval "$1" && return 0; sleep 0.2; done
  return 1
}
# The clock stores its place when it closes, and only then.
start_clock() {
  wine reg delete 'HKCU\Software\Tollwick\Load' /v ClockLeft /f >/dev/null 2>&1
  wine "$install_dir/Tollwick.exe" &
  clock=$!
  wait_for '[ -n "$(clock_window)" ]' || fail "the installed clock did not show"
}
# $1 did what closes the clock: it closed, not killed, so it stored its place (and the settings are there).
closed_clock() {
  wait_for '! kill -0 $clock 2>/dev/null' || fail "$1 did not close the clock"
  clock=""
  [ -n "$(reg_value 'HKCU\Software\Tollwick\Load' ClockLeft)" ] || fail "the clock did not close normally"
}
# Start-up values: ours as the clock writes it, ours as typed by hand, and another program's.
ours="\"$install_win\\Tollwick.exe\""
ours_by_hand="${install_win^^}\\TOLLWICK.EXE /tray"
foreign='"C:\Program Files\Other Clock\AlarmClock.exe"'
set_autostart() {  # a value for each place, "" for none
  local i values=("$@")
  for i in "${!places[@]}"; do
    set_autostart_at "${places[$i]}" "${values[$i]}" || fail "could not write the start-up value at ${places[$i]}"
  done
}
expect_autostart() {  # when, and the value expected at each place
  local when="$1" place actual="" expected=""
  shift
  for place in "${places[@]}"; do
    actual+="[$(autostart "$place")] "
    expected+="[$1] "
    shift
  done
  [ "$actual" = "$expected" ] || fail "$when, the start-up values (${places[*]}) are $actual, not $expected"
}

install() {
  timeout 60 wine "$setup" /S || fail "the silent install failed"
  for file in Tollwick.exe uninstall.exe readme.txt LICENSE.txt "skins/Brass.bmp"; do
    [ -f "$install_dir/$file" ] || fail "$file was not installed into $install_dir"
  done
  [ -f "$shortcut" ] || fail "no Start-menu shortcut"
  [ "$(reg_value "$uninstall_key" DisplayVersion)" = "$version" ] || fail "Apps & features shows no version $version"
  [ "$(reg_value "$uninstall_key" Publisher)" = "Tollwick" ] || fail "Apps & features shows no publisher"
}

uninstall() {  # the uninstaller runs a copy of itself from the temporary folder and returns at once
  wine "$install_dir/uninstall.exe" /S "$@" || fail "the silent uninstall did not start"
  # Its entry in "Apps & features" goes last.
  wait_for '! has_key "$uninstall_key"' || fail "the Apps & features entry is still there"
  [ ! -e "$shortcut" ] || fail "the shortcut is still there"
}

# A new user installs, and starts the clock.
wine reg delete 'HKCU\Software\Tollwick' /f >/dev/null 2>&1
install
set_autostart "$ours" "$foreign" ""
start_clock
mkdir -p "$(dirname "$exe")/e2e-shots"
import -display "$DISPLAY" -window root "$(dirname "$exe")/e2e-shots/installed-clock.png"

# An install over it, as by a later version: the earlier install recorded a file this one no longer has, and
# record entries that lead out of the folder or match many files must delete nothing.
mkdir -p "$install_dir/retired"
touch "$install_dir/retired/notes.txt" "$install_dir/mine.txt" "$outside"
printf '%s\r\n' 'retired\notes.txt' '..\outside.txt' '*' >>"$install_dir/Tollwick-installed.lst"
install
closed_clock "the install over a running clock"
[ ! -e "$install_dir/retired" ] || fail "the install over an install left what that one recorded"
[ -f "$outside" ] || fail "the install deleted a file outside its folder"
[ -f "$install_dir/mine.txt" ] || fail "the install deleted the user's own file"
expect_autostart "after an install over an install" "$ours" "$foreign" ""

# Uninstalled while the clock runs: it removes all it put there; the folder stays for the user's file.
start_clock
uninstall
closed_clock "the uninstaller"
[ "$(ls -A "$install_dir")" = mine.txt ] || fail "the uninstaller left $(ls -A "$install_dir" | tr '\n' ' ')"
expect_autostart "after the uninstall" "" "$foreign" ""

# Asked to, the uninstaller removes the settings as well, and the folder with nothing of the user's in it.
rm "$install_dir/mine.txt"
install
set_autostart "$foreign" "$ours_by_hand" "$ours"
uninstall /REMOVESETTINGS
[ ! -e "$install_dir" ] || fail "the uninstaller left $(ls -A "$install_dir" | tr '\n' ' ')"
! has_key 'HKCU\Software\Tollwick' || fail "the settings were kept although their removal was asked for"
expect_autostart "after the uninstall" "$foreign" "" ""
echo "packages e2e ($arch) passed"
