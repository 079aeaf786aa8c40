#!/usr/bin/env bash
# Builds the clock and makes its two release packages in build/release/: a portable zip (the program, its
# skins folder, a readme and the licence, and the help file when the build makes one) and a per-user
# installer. The version is the project version in CMakeLists.txt.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
"$root/tools/setup.sh"
cmake --preset win32 >/dev/null
cmake --build --preset win32

build="$root/build/win32"
exe="$build/src/app/Tollwick.exe"
version=$(sed -n 's/^!define VERSION "\(.*\)"$/\1/p' "$build/packaging/Version.nsh")
name="Tollwick-$version"
work="$build/packaging/release"
stage="$work/$name"
out="$root/build/release"
rm -rf "$work" "$out"
mkdir -p "$stage" "$out"

cp "$exe" "$stage/"
mkdir "$stage/skins" && cp "$root"/skins/*.bmp "$stage/skins/"
cp "$build/packaging/readme.txt" "$stage/readme.txt"
sed 's/$/\r/' "$root/packaging/LICENSE.txt" >"$stage/LICENSE.txt"
# The help file, where the build makes one, sits beside the program as the program expects it.
help="$(dirname "$exe")/help.chm"
if [ -f "$help" ]; then cp "$help" "$stage/help.chm"; fi

# The installer's file lists come from the staged folder, so it removes exactly what it installed.
nsis_text() { sed 's/\$/$$/g' <<<"$1"; }
# Where a staged file or folder goes, as the installer script spells it.
installed() {
  local rel="${1#"$stage"}"
  echo "\$INSTDIR$(nsis_text "${rel//\//\\}")"
}
{
  while IFS= read -r dir; do
    echo "SetOutPath \"$(installed "$dir")\""
    find "$dir" -mindepth 1 -maxdepth 1 -type f | sort | while IFS= read -r file; do
      echo "File \"$(nsis_text "$file")\""
    done
  done < <(find "$stage" -type d | sort)
} >"$work/Install.nsh"
{
  find "$stage" -mindepth 1 -type f | sort | while IFS= read -r file; do echo "Delete \"$(installed "$file")\""; done
  find "$stage" -mindepth 1 -type d | sort -r | while IFS= read -r dir; do echo "RMDir \"$(installed "$dir")\""; done
} >"$work/Uninstall.nsh"
cp "$build/packaging/Version.nsh" "$work/Version.nsh"

(cd "$work" && zip -q -r -X "$out/$name-portable.zip" "$name")
makensis -V2 -DSTAGE="$stage" -DLISTS="$work" -DOUTFILE="$out/$name-setup.exe" \
  -DICON="$root/src/resources/clock.ico" "$root/packaging/Tollwick.nsi"
echo "release: $out/$name-portable.zip"
echo "release: $out/$name-setup.exe"
