# Sourced by the run, test and benchmark commands. wine_env_choose picks the build this host can run (the 32-bit
# one where Wine's 32-bit loader runs, else the 64-bit one; TOLLWICK_ARCH=x86 or x64 forces one); wine_env_start
# makes a throwaway Wine prefix under the build folder (never the user's ~/.wine) on an X display; wine_env_stop
# ends what it started.

wine_env_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
wine32_loader=/usr/lib/wine/wine
wine64_loader=/usr/lib/wine/wine64

# Kernels without ia32 emulation refuse the 32-bit loader with "Exec format error".
wine_env_runs_32bit() { "$wine32_loader" --version >/dev/null 2>&1; }

# Sets wine_build (the CMake preset), wine_build_dir, wine_loader and wine_build_text, or says why it cannot.
wine_env_choose() {
  case "${TOLLWICK_ARCH:-}" in
    x64) wine_build=win64 wine_build_text="64-bit build (TOLLWICK_ARCH=x64)" ;;
    x86)
      if ! wine_env_runs_32bit; then
        echo "TOLLWICK_ARCH=x86: this host runs no 32-bit programs ($wine32_loader does not start); use the 64-bit build (TOLLWICK_ARCH=x64, or leave TOLLWICK_ARCH unset)" >&2
        return 1
      fi
      wine_build=win32 wine_build_text="32-bit build (TOLLWICK_ARCH=x86)" ;;
    "")
      if wine_env_runs_32bit; then
        wine_build=win32 wine_build_text="32-bit build (this host runs 32-bit programs)"
      else
        wine_build=win64 wine_build_text="64-bit build (this host runs no 32-bit programs)"
      fi ;;
    *)
      echo "TOLLWICK_ARCH is x86 or x64, not '$TOLLWICK_ARCH'" >&2
      return 1 ;;
  esac
  wine_build_dir="$wine_env_root/build/$wine_build"
  wine_loader=$wine32_loader
  [ "$wine_build" = win64 ] && wine_loader=$wine64_loader
  if ! "$wine_loader" --version >/dev/null 2>&1; then
    echo "Wine's loader $wine_loader does not start on this host" >&2
    return 1
  fi
}

# `wine`, `winepath` and `wineboot` on PATH that go through the chosen loader. Debian's own scripts always take
# the 32-bit loader when it is installed, and the loader reads its own name, so these are scripts, not links.
wine_env_commands() {
  local bin="$wine_build_dir/wine-bin"
  mkdir -p "$bin"
  printf '#!/bin/sh\nexec %s "$@"\n' "$wine_loader" >"$bin/wine"
  printf '#!/bin/sh\nexec %s winepath.exe "$@"\n' "$wine_loader" >"$bin/winepath"
  printf '#!/bin/sh\nexec %s wineboot.exe "$@"\n' "$wine_loader" >"$bin/wineboot"
  chmod +x "$bin/wine" "$bin/winepath" "$bin/wineboot"
  export PATH="$bin:$PATH" WINELOADER="$wine_loader"
}

# An Xvfb display of our own, 1024 x 768 as the tests expect.
wine_env_xvfb() {
  local n i
  for n in $(seq 90 130); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    STARTED_XVFB=$!
    export DISPLAY=":$n"
    for i in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
    echo "Xvfb did not start on :$n" >&2
    return 1
  done
  echo "no free X display number between 90 and 130" >&2
  return 1
}

# wine_env_start PREFIX [user-display]: the tests always get a display of their own; the clock may use the user's.
wine_env_start() {
  export WINEPREFIX="$1"
  export WINEDEBUG=-all
  export WINEARCH=win64
  # No Mono or Gecko installers popping up in a fresh prefix.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  wine_env_commands
  STARTED_XVFB=""
  if [ "${2:-}" != user-display ] || [ -z "${DISPLAY:-}" ]; then
    wine_env_xvfb || return 1
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    local log="$WINEPREFIX.wineboot.log"
    if ! WINEDEBUG=err+all wineboot -i >"$log" 2>&1 || ! wineserver -w || [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "could not make the Wine prefix $WINEPREFIX; wineboot said:" >&2
      tail -n 20 "$log" >&2
      return 1
    fi
  fi
  # Xvfb runs no window manager: without this, every hide waits 2 s for one to answer, and a window
  # minimised by the program is restored again when Wine finds no WM state on it.
  if [ -n "$STARTED_XVFB" ] && ! wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1; then
    echo "could not write the Wine setting X11 Driver\\Managed in $WINEPREFIX" >&2
    return 1
  fi
}

wine_env_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${STARTED_XVFB:-}" ]; then
    kill "$STARTED_XVFB" 2>/dev/null || true
    wait "$STARTED_XVFB" 2>/dev/null || true
  fi
}
