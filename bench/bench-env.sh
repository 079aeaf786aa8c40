# Sourced by the benchmark scripts after they set $root: bench_start NAME TARGET... builds the win32 targets, then
# starts Wine in a fresh prefix $prefix (build/bench/NAME-prefix) on an Xvfb display of its own, stopped on exit.
bench_start() {
  local name="$1"
  shift
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 --target "$@" >/dev/null
  . "$root/tools/wine-env.sh"
  prefix="$root/build/bench/$name-prefix"
  rm -rf "$prefix"
  # A display of its own: the figures do not depend on a desktop, and the pointer moved is not the user's.
  unset DISPLAY
  wine_env_start "$prefix"
  trap wine_env_stop EXIT
}
