# Sourced by the benchmark scripts after they set $root: bench_start NAME TARGET... builds the targets of the
# Windows build this host runs (see tools/wine-env.sh), then starts Wine in a fresh prefix $prefix
# (build/bench/NAME-prefix) on an Xvfb display of its own, stopped on exit. $bench_bin is where the programs are.
bench_start() {
  local name="$1"
  shift
  . "$root/tools/wine-env.sh"
  wine_env_choose
  echo "benchmark on the $wine_build_text"
  cmake --preset "$wine_build" >/dev/null
  cmake --build --preset "$wine_build" --target "$@" >/dev/null
  bench_bin="$wine_build_dir/bench"
  clock_exe="$wine_build_dir/src/app/Tollwick.exe"
  prefix="$root/build/bench/$name-prefix"
  rm -rf "$prefix"
  # A display of its own: the figures do not depend on a desktop, and the pointer moved is not the user's.
  trap wine_env_stop EXIT
  wine_env_start "$prefix"
}
