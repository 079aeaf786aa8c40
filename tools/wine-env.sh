# Sourced by the run and test commands: a throwaway Wine prefix under the build folder and an X display.
# Never touches the user's own ~/.wine. Call wine_env_start PREFIX_DIR, and wine_env_stop at the end.

wine_env_start() {
  export WINEPREFIX="$1"
  export WINEDEBUG=-all
  export WINEARCH=win64
  # No Mono or Gecko installers popping up in a fresh prefix.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  STARTED_XVFB=""
  if [ -z "${DISPLAY:-}" ]; then
    local n
    for n in $(seq 90 130); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      STARTED_XVFB=$!
      export DISPLAY=":$n"
      break
    done
    local i
    for i in $(seq 1 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Xvfb runs no window manager: without this, every hide waits 2 s for one to answer, and a window
  # minimised by the program is restored again when Wine finds no WM state on it.
  if [ -n "$STARTED_XVFB" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  fi
}

wine_env_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${STARTED_XVFB:-}" ]; then
    kill "$STARTED_XVFB" 2>/dev/null || true
    wait "$STARTED_XVFB" 2>/dev/null || true
  fi
}
