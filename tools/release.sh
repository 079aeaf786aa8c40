#!/usr/bin/env bash
# Builds the 32-bit and the 64-bit clock and makes their release packages in build/release/: per build a
# portable zip (the program, its skins folder, a readme and the licence, and the help file when the build makes
# one) and a per-user installer, named Tollwick-<version>-<x86|x64>-portable.zip and -setup.exe. The version is
# the project version in CMakeLists.txt.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
"$root/tools/setup.sh"
declare -A preset=([x86]=win32 [x64]=win64)
for arch in x86 x64; do
  cmake --preset "${preset[$arch]}" >/dev/null
  cmake --build --preset "${preset[$arch]}"
done

version=$(sed -n 's/^!define VERSION "\(.*\)"$/\1/p' "$root/build/win32/packaging/Version.nsh")
out="$root/build/release"
rm -rf "$out"
mkdir -p "$out"

# Where an arch's package is put together: $build, $work, $name and $stage, the folder both packages hold.
place() {
  build="$root/build/${preset[$1]}"
  work="$build/packaging/release"
  name="Tollwick-$version-$1"
  stage="$work/$name"
}

stage_files() {
  place "$1"
  local exe="$build/src/app/Tollwick.exe"
  rm -rf "$work"
  mkdir -p "$stage"
  cp "$exe" "$stage/"
  mkdir "$stage/skins" && cp "$root"/skins/*.bmp "$stage/skins/"
  cp "$build/packaging/readme.txt" "$stage/readme.txt"
  sed 's/$/\r/' "$root/packaging/LICENSE.txt" >"$stage/LICENSE.txt"
  # The help file, where the build makes one, sits beside the program as the program expects it.
  local help
  help="$(dirname "$exe")/help.chm"
  if [ -f "$help" ]; then cp "$help" "$stage/help.chm"; fi
}

portable_zip() {
  place "$1"
  (cd "$work" && zip -q -r -X "$out/$name-portable.zip" "$name")
  echo "release: $out/$name-portable.zip"
}

# The installer packs the staged folder, and with it the list of what it put there (installed.lst: one path
# under the install folder a line), which the next install and the uninstaller remove by.
setup_exe() {
  place "$1"
  local nsis_text='s/\$/$$/g'
  {
    while IFS= read -r dir; do
      echo "SetOutPath \"\$INSTDIR$(sed "$nsis_text" <<<"${dir#"$stage"}" | tr / '\\')\""
      find "$dir" -mindepth 1 -maxdepth 1 -type f | sort | while IFS= read -r file; do
        echo "File \"$(sed "$nsis_text" <<<"$file")\""
      done
    done < <(find "$stage" -type d | sort)
  } >"$work/Install.nsh"
  (cd "$stage" && find . -type f | sort | sed 's|^\./||; s|/|\\|g; s/$/\r/') >"$work/installed.lst"
  cp "$build/packaging/Version.nsh" "$work/Version.nsh"
  makensis -V2 -DARCH="$1" -DSTAGE="$stage" -DLISTS="$work" -DOUTFILE="$out/${name}-setup.exe" \
    -DICON="$root/src/resources/clock.ico" "$root/packaging/Tollwick.nsi"
  echo "release: $out/$name-setup.exe"
}

for arch in x86 x64; do
  stage_files "$arch"
  portable_zip "$arch"
  setup_exe "$arch"
done
